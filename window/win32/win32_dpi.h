// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Dots per inch of a window on every Windows that runs the program: the per-monitor call
// where the system has it, the screen's otherwise.
#pragma once

#include <windows.h>

namespace voice_types::win32 {

int DpiOf(HWND window);

}  // namespace voice_types::win32
