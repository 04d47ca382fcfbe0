// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// UTF-8 decoding for checks on the catalogue's code points.
#pragma once

#include <string>
#include <string_view>

namespace voice_types::tests {

// Throws std::invalid_argument on malformed input.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace voice_types::tests
