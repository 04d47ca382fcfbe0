// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
//
// The colours of the window and of each control, for the contrast mode Windows is in: the
// table's colours with black text, or with high contrast on only the system's own.
#pragma once

#include <windows.h>

#include <array>

#include "window/form.h"
#include "window/paint.h"

namespace voice_types::win32 {

// Whether high contrast is on. Tests give their own in its place: Wine cannot switch it.
using HighContrastReader = bool (*)();
bool ReadHighContrast();

class Win32Colours {
 public:
  explicit Win32Colours(HighContrastReader reader);
  ~Win32Colours();
  Win32Colours(const Win32Colours&) = delete;
  Win32Colours& operator=(const Win32Colours&) = delete;

  // Reads the mode and the system's colours again, after Windows said they changed.
  void Refresh();
  form::Contrast Mode() const { return mode_; }

  struct Colours {
    COLORREF background;
    COLORREF text;
    HBRUSH brush;
  };
  const Colours& Window() const { return window_; }
  // The answer to a control's WM_CTLCOLOR* message: its colours set on the device context,
  // and its brush; 0, the system's default, for a slot past the table.
  LRESULT Answer(std::size_t slot, HDC dc) const;

 private:
  void Release();

  HighContrastReader reader_;
  form::Contrast mode_ = form::Contrast::Default;
  std::array<Colours, form::kControlCount> controls_{};
  Colours window_{};
};

}  // namespace voice_types::win32
