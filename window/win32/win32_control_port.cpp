// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_control_port.h"

#include "window/win32/win32_text.h"

namespace voice_types::win32 {
Win32ControlPort::Win32ControlPort(Win32Form& form) : form_(form) {}

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

// The empty selection at the end is replaced with the tail; the edit then scrolls its caret,
// and with it the newest line, into view.
void Win32ControlPort::AppendToLog(std::string_view tail) {
  HWND log = form_.Log();
  const auto end = static_cast<WPARAM>(GetWindowTextLengthW(log));
  SendMessageW(log, EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageW(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(tail).c_str()));
}

void Win32ControlPort::ReplaceLog(std::string_view text) {
  SetWindowTextW(form_.Log(), Widen(text).c_str());
}

void Win32ControlPort::Announce(std::string_view line) { win32::Announce(form_.Announcer(), line); }

}  // namespace voice_types::win32
