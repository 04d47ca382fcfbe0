// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/window_port.h"

#include "core/catalogue.h"
#include "window/form.h"

namespace voice_types {

WindowPort::WindowPort() : shown_(form::kControls[form::LogSlot()].text) {}

// An extension of the shown text adds only its tail, so appending a line costs the same
// however long the log is. The log is the program's answer to the user: screen readers hear
// each line once it is whole.
void WindowPort::WriteLogText(const Text& text) {
  if (const auto tail = text.TailAfter(shown_)) {
    AppendToLog(*tail);
  } else {
    ReplaceLog(text.View());
  }
  shown_ = text;
  if (const auto line = NewestLine(shown_.View())) Announce(*line);
}

std::optional<std::string_view> NewestLine(std::string_view log) {
  if (!log.ends_with(catalogue::kLineBreak)) return std::nullopt;
  log.remove_suffix(catalogue::kLineBreak.size());
  const std::size_t previous = log.rfind(catalogue::kLineBreak);
  return previous == std::string_view::npos ? log
                                            : log.substr(previous + catalogue::kLineBreak.size());
}

}  // namespace voice_types
