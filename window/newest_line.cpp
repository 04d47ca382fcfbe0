// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/newest_line.h"

#include "core/catalogue.h"

namespace voice_types {

std::optional<std::string_view> NewestLine(std::string_view log) {
  if (!log.ends_with(catalogue::kLineBreak)) return std::nullopt;
  log.remove_suffix(catalogue::kLineBreak.size());
  const std::size_t previous = log.rfind(catalogue::kLineBreak);
  return previous == std::string_view::npos ? log
                                            : log.substr(previous + catalogue::kLineBreak.size());
}

}  // namespace voice_types
