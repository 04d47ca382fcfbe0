// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Dots per inch of a window on every Windows that runs the program: the per-monitor call
// where the system has it, the screen's otherwise; and the window's font made for them.
#pragma once

#include <windows.h>

#include <utility>

namespace voice_types::win32 {

int DpiOf(HWND window);

// The form's font at a dots-per-inch, deleted with its holder.
class Win32Font {
 public:
  Win32Font() = default;
  explicit Win32Font(int dpi);
  ~Win32Font();
  Win32Font(Win32Font&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
  Win32Font& operator=(Win32Font&& other) noexcept;

  HFONT Handle() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

}  // namespace voice_types::win32
