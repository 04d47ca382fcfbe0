// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/win32/win32_window.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/support/soak.h"

#include "window/win32/win32_text.h"

namespace voice_types::win32::testing {
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
    : form(GetModuleHandleW(nullptr), high_contrast) {
  heard.clear();
  hearing = SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, Hear,
                            GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  wiring.Deliver([this] { selector.OnWindowLoaded(); });
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

void Win32Window::Press(voice_types::testing::SoakKey key) {
  using voice_types::testing::SoakKey;
  switch (key) {
    case SoakKey::Space:
      return Key(VK_SPACE);
    case SoakKey::Tab:
      return Key(VK_TAB);
    case SoakKey::Backtab:
      return Key(VK_TAB, true);
    case SoakKey::Left:
      return Key(VK_LEFT);
    case SoakKey::Right:
      return Key(VK_RIGHT);
    case SoakKey::Up:
      return Key(VK_UP);
    case SoakKey::Down:
      return Key(VK_DOWN);
  }
}

void Win32Window::Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) form.Dispatch(message);
  }
}

std::string Win32Window::ShownLog() const { return WindowText(form.Log()); }

RECT Win32Window::PlaceOf(HWND control) const {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(HWND_DESKTOP, form.Window(), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void ExpectMatches(Win32Window& window, const voice_types::testing::ReferenceModel& model) {
  for (VoiceGroup group : kVoiceGroups) {
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      HWND check = window.form.Voice(group, box);
      EXPECT_EQ(IsWindowVisible(check) != FALSE, model.Visible(group, box)) << WindowText(check);
      EXPECT_EQ(IsChecked(check), model.Checked(group, box)) << WindowText(check);
    }
  }
  EXPECT_EQ(window.Log(), model.Log());
  EXPECT_EQ(window.ShownLog(), model.Log());
  EXPECT_TRUE(window.failures.empty());
}

std::size_t Win32Window::FocusedSlot() const {
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    if (form.Control(slot) == GetFocus()) return slot;
  }
  return voice_types::testing::kNoSlot;
}

}  // namespace voice_types::win32::testing
