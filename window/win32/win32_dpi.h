// Dots per inch of a window, and the outer size for a client area, on every Windows that
// runs the program: the per-monitor calls where the system has them, the old ones elsewhere.
#pragma once

#include <windows.h>

namespace voice_types::win32 {

int DpiOf(HWND window);
SIZE OuterSize(SIZE client, DWORD style, DWORD ex_style, int dpi);

}  // namespace voice_types::win32
