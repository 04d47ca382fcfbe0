// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// ControlPort on a window built from the form table, with the log's part written once: the
// text the box shows, how a new text reaches it, and the line that screen readers hear.
#pragma once

#include <optional>
#include <string_view>

#include "core/control_port.h"

namespace voice_types {

class WindowPort : public ControlPort {
 public:
  WindowPort();

 protected:
  // The toolkit's log box: a tail added at its end, or its whole text replaced. Either way
  // the caret and the view follow the end.
  virtual void AppendToLog(std::string_view tail) = 0;
  virtual void ReplaceLog(std::string_view text) = 0;
  // Says a line to screen readers, politely, without moving the user's focus or caret.
  virtual void Announce(std::string_view line) = 0;

 private:
  Text ReadLogText() const final { return shown_; }
  void WriteLogText(const Text& text) final;

  // The log exactly as set, CR LF included; the box is read-only, so this is what it shows.
  Text shown_;
};

// The last line of a log that ends in CR LF, without it: what screen readers hear. Nothing
// while a line is still being written: the selector writes a toggle's line in two steps.
std::optional<std::string_view> NewestLine(std::string_view log);

}  // namespace voice_types
