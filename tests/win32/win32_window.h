// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The real Windows program, assembled and shown as main.cpp does, for tests to drive.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/soak.h"
#include "window/program.h"
#include "window/win32/win32_control_port.h"
#include "window/win32/win32_form.h"
#include "window/win32/win32_text.h"
#include "window/win32/win32_wiring.h"

namespace voice_types::win32::tests {

using Win32Program = Program<Win32Form, Win32ControlPort, Win32Wiring>;

struct Win32Window : Win32Program {
  explicit Win32Window(HighContrastReader high_contrast = ReadHighContrast);
  ~Win32Window();

  // A click on a radio button or check box, as the platform delivers one.
  void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
  void ClickSlot(std::size_t slot) { Click(form.Control(slot)); }
  // A key pressed and released on the focused control, through the program's message loop.
  void Key(WPARAM key, bool shift = false);
  void Press(voice_types::tests::SoakKey key);
  // Runs every queued message as the program's loop would.
  void Pump();
  bool Shown(std::size_t slot) const { return IsWindowVisible(form.Control(slot)) != FALSE; }
  bool HasFocus(std::size_t slot) const { return form.Control(slot) == GetFocus(); }

  // What screen readers were told since the last call: the live region's text at each of
  // its change events.
  std::vector<std::string> Heard();
  std::string Log() const { return std::string(port.LogText().View()); }
  std::string ShownLog() const { return WindowText(form.Log()); }
  // A control's place in the window's client area.
  RECT PlaceOf(HWND control) const;

  // The dialog manager selects the radio button an arrow moves to.
  static constexpr int kSoakActions = 1500;
  static constexpr voice_types::tests::SoakRules kSoakRules{
      voice_types::tests::ArrowOntoRadio::kAlways};

  std::vector<std::string> failures;
  HWINEVENTHOOK hearing = nullptr;
};

bool IsChecked(HWND button);

}  // namespace voice_types::win32::tests
