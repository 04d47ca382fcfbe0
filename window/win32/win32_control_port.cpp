// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_control_port.h"

#include "window/newest_line.h"
#include "window/win32/win32_text.h"

namespace voice_types::win32 {
Win32ControlPort::Win32ControlPort(Win32Form& form)
    : form_(form), shown_(form::kControls[form::LogSlot()].text) {}

bool Win32ControlPort::ReadOptionSelected(ControlIndex option) const {
  return SendMessageW(form_.Option(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Win32ControlPort::ReadOptionCaption(ControlIndex option) const {
  return WindowText(form_.Option(option));
}

void Win32ControlPort::WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) {
  ShowWindow(form_.Voice(group, box), visible ? SW_SHOW : SW_HIDE);
}

// The platform numbers a box's value as the program does: 0, 1, 2 for greyed.
CheckState Win32ControlPort::ReadVoiceState(VoiceGroup group, ControlIndex box) const {
  return static_cast<CheckState>(SendMessageW(form_.Voice(group, box), BM_GETCHECK, 0, 0));
}

void Win32ControlPort::WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) {
  SendMessageW(form_.Voice(group, box), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

std::string Win32ControlPort::ReadVoiceCaption(VoiceGroup group, ControlIndex box) const {
  return WindowText(form_.Voice(group, box));
}

// An extension of the shown text replaces the empty selection at the end with its tail,
// so appending a line costs the same however long the log is; the edit then scrolls its
// caret, and with it the newest line, into view.
void Win32ControlPort::WriteLogText(const Text& text) {
  HWND log = form_.Log();
  if (const auto tail = text.TailAfter(shown_)) {
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(log));
    SendMessageW(log, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(*tail).c_str()));
  } else {
    SetWindowTextW(log, Widen(text.View()).c_str());
  }
  shown_ = text;
  // The log is the program's answer to the user: screen readers hear each line once it is whole.
  if (const auto line = NewestLine(shown_.View())) Announce(form_.Announcer(), *line);
}

}  // namespace voice_types::win32
