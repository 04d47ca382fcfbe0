// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The window on the platform's standard controls, built from the form table.
#pragma once

#include <windows.h>

#include <functional>

#include "window/form.h"
#include "window/win32/win32_accessible_names.h"
#include "window/win32/win32_colours.h"
#include "window/win32/win32_controls.h"
#include "window/win32/win32_dpi.h"

namespace voice_types::win32 {

class Win32Form {
 public:
  // Told the table slot of a control that sent a notification, and the code.
  using CommandHandler = std::function<void(std::size_t slot, WORD code)>;

  explicit Win32Form(HINSTANCE instance, HighContrastReader high_contrast = ReadHighContrast);
  ~Win32Form();
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  HWND Window() const { return window_; }
  // The control at a place in the form table.
  HWND Control(std::size_t slot) const { return controls_.at(slot); }
  HWND Option(ControlIndex option) const { return Control(form::OptionSlot(option)); }
  HWND Voice(VoiceGroup group, ControlIndex box) const {
    return Control(form::VoiceSlot(group, box));
  }
  HWND Log() const { return Control(form::LogSlot()); }
  // A static text of no size, out of the tab order, that screen readers hear as a polite
  // live region: the newest log line goes there.
  HWND Announcer() const { return announcer_; }
  int Dpi() const { return dpi_; }
  HFONT Font() const { return font_.get(); }
  form::Contrast ContrastMode() const { return colours_.Mode(); }

  void OnCommand(CommandHandler handler) { on_command_ = std::move(handler); }

  // One queued message, with Tab, Shift+Tab, the arrow keys and Space working as in a dialog.
  void Dispatch(MSG& message);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void NameControls();
  void ApplyDpi(int dpi);
  void ResizeClientArea(int width, int height);
  void RepaintInNewColours();
  void MoveFocus(WPARAM wparam, LPARAM lparam);
  void RestoreFocus();

  HWND window_ = nullptr;
  Controls controls_{};
  HWND announcer_ = nullptr;
  Win32Colours colours_;
  Win32Font font_;
  int dpi_ = 96;
  bool destroying_ = false;
  CommandHandler on_command_;
  AccessibleNames names_;
  // The control that had the focus when the window was last active, given back as a dialog
  // gives it back; the log until the user moves on.
  HWND focused_ = nullptr;
};

}  // namespace voice_types::win32
