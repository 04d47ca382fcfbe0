// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/win32/win32_window.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "tests/support/soak.h"
#include "window/win32/win32_text.h"

namespace voice_types::win32::tests {
namespace {

void SetShift(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
std::vector<std::string> heard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD, HWND region, LONG, LONG, DWORD, DWORD) {
  heard.push_back(WindowText(region));
}

}  // namespace

Win32Window::Win32Window(HighContrastReader high_contrast)
    : Win32Program([this](const std::string& message) { failures.push_back(message); },
                   GetModuleHandleW(nullptr), high_contrast) {
  heard.clear();
  hearing = SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, Hear,
                            GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  Start();
  ShowWindow(form.Window(), SW_SHOW);
  SetForegroundWindow(form.Window());
  Pump();
}

Win32Window::~Win32Window() { UnhookWinEvent(hearing); }

std::vector<std::string> Win32Window::Heard() {
  Pump();
  return std::exchange(heard, {});
}

void Win32Window::Key(WPARAM key, bool shift) {
  SetShift(shift);
  HWND target = GetFocus();
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
  Pump();
  SetShift(false);
}

void Win32Window::Press(voice_types::tests::SoakKey key) {
  using voice_types::tests::SoakKey;
  // Each key and whether Shift is held with it.
  static const std::map<SoakKey, std::pair<WPARAM, bool>> kKeys = {
      {SoakKey::Space, {VK_SPACE, false}}, {SoakKey::Tab, {VK_TAB, false}},
      {SoakKey::Backtab, {VK_TAB, true}},  {SoakKey::Left, {VK_LEFT, false}},
      {SoakKey::Right, {VK_RIGHT, false}}, {SoakKey::Up, {VK_UP, false}},
      {SoakKey::Down, {VK_DOWN, false}}};
  const auto [code, shift] = kKeys.at(key);
  Key(code, shift);
}

void Win32Window::Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) form.Dispatch(message);
  }
}

RECT Win32Window::PlaceOf(HWND control) const {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(HWND_DESKTOP, form.Window(), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace voice_types::win32::tests
