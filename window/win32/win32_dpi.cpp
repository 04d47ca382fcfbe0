// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_dpi.h"

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

}  // namespace voice_types::win32
