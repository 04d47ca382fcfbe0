// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// What a screen reader announces after a log write: the log's newest line, without its CR LF,
// once it is whole. The selector writes a toggle's line in two steps; only the second ends
// the line, so a user hears each line once.
#pragma once

#include <optional>
#include <string_view>

namespace voice_types {

// The last line of a log that ends in CR LF; nothing while a line is still being written.
std::optional<std::string_view> NewestLine(std::string_view log);

}  // namespace voice_types
