// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The real Windows window, wired and shown as the program shows it, for tests to drive.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/voice_selector.h"
#include "tests/support/reference_model.h"
#include "tests/support/soak.h"
#include "window/win32/win32_control_port.h"
#include "window/win32/win32_form.h"
#include "window/win32/win32_text.h"
#include "window/win32/win32_wiring.h"

namespace voice_types::win32::testing {

struct Win32Window {
  explicit Win32Window(HighContrastReader high_contrast = ReadHighContrast);
  ~Win32Window();
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  // A click on a radio button or check box, as the platform delivers one.
  void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
  void ClickSlot(std::size_t slot) { Click(form.Control(slot)); }
  // A key pressed and released on the focused control, through the program's message loop.
  void Key(WPARAM key, bool shift = false);
  void Press(voice_types::testing::SoakKey key);
  // Runs every queued message as the program's loop would.
  void Pump();

  // What screen readers were told since the last call: the live region's text at each of
  // its change events.
  std::vector<std::string> Heard();
  // The form slot of the control that has the keyboard focus.
  std::size_t FocusedSlot() const;
  std::string Log() const { return std::string(port.LogText().View()); }
  std::string ShownLog() const;
  // A control's place in the window's client area.
  RECT PlaceOf(HWND control) const;

  Win32Form form;
  Win32ControlPort port{form};
  VoiceSelector selector{port};
  std::vector<std::string> failures;
  HWINEVENTHOOK hearing = nullptr;
  Win32Wiring wiring{form, selector,
                     [this](const std::string& message) { failures.push_back(message); }};
};

bool IsChecked(HWND button);

// Every box's visibility and state, and the log both as the port gives it and as shown.
void ExpectMatches(Win32Window& window, const voice_types::testing::ReferenceModel& model);

}  // namespace voice_types::win32::testing
