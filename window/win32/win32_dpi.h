// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Dots per inch of a window on every Windows that runs the program: the per-monitor call
// where the system has it, the screen's otherwise; and the window's font made for them.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace voice_types::win32 {

int DpiOf(HWND window);

// The form's font at a dots-per-inch, deleted with its holder.
struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using Win32Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
Win32Font MakeFont(int dpi);

}  // namespace voice_types::win32
