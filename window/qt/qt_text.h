// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The catalogue's UTF-8 meets Qt's UTF-16 here only.
#pragma once

#include <QString>
#include <string_view>

namespace voice_types::qt {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace voice_types::qt
