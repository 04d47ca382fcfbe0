// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_dpi.h"

#include "window/form.h"
#include "window/win32/win32_text.h"

namespace voice_types::win32 {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn LookUpGetDpiForWindow() {
  return reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
}

}  // namespace

int DpiOf(HWND window) {
  static const GetDpiForWindowFn get_dpi = LookUpGetDpiForWindow();
  if (get_dpi != nullptr && window != nullptr) return static_cast<int>(get_dpi(window));
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

Win32Font MakeFont(int dpi) {
  const form::WindowSpec& window = form::kWindow;
  return Win32Font(CreateFontW(-MulDiv(window.font_points, dpi, 72), 0, 0, 0, window.font_weight,
                               FALSE, FALSE, FALSE, static_cast<BYTE>(window.font_charset),
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_ROMAN, Widen(window.font_family).c_str()));
}

}  // namespace voice_types::win32
