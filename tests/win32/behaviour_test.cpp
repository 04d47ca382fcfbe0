// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "tests/support/window_drills.h"
#include "tests/win32/win32_window.h"

namespace voice_types::win32 {
namespace {

using tests::Win32Window;
using voice_types::tests::FocusedSlot;

constexpr VoiceGroup kF = VoiceGroup::Female;

TEST(Win32BehaviourTest, TheNewestLineIsInView) {
  Win32Window window;
  window.Click(window.form.Option(0));
  for (int i = 0; i < 40; ++i) window.Click(window.form.Voice(kF, 1));
  HWND log = window.form.Log();
  const auto lines = SendMessageW(log, EM_GETLINECOUNT, 0, 0);
  const auto first_visible = SendMessageW(log, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GT(first_visible, 0);
  // The box shows about six lines; the last one holding text is among them.
  EXPECT_GE(first_visible + 6, lines - 1);
}

TEST(Win32BehaviourTest, EscapeInTheLogDoesNotCloseTheWindow) {
  Win32Window window;
  ASSERT_EQ(GetFocus(), window.form.Log());
  window.Key(VK_ESCAPE);
  window.Key(VK_RETURN);
  EXPECT_TRUE(IsWindow(window.form.Window()));
  EXPECT_TRUE(IsWindowVisible(window.form.Window()));
}

// Another window takes the activation and gives it back: the focus returns to the control
// that had it, and Space acts on it at once, as in a dialog.
TEST(Win32BehaviourTest, TheFocusComesBackAfterSwitchingWindows) {
  struct Case {
    std::vector<WPARAM> keys;
    std::size_t focused;
    std::string log_after_space;
  };
  const std::string women = "Избрано: Глас - жени\r\n";
  const std::vector<Case> cases = {
      {{}, form::LogSlot(), std::string(catalogue::kExerciseText)},
      {{VK_TAB}, form::OptionSlot(0), women},
      {{VK_TAB, VK_SPACE, VK_TAB, VK_TAB},
       form::VoiceSlot(kF, 1),
       women + "Новопосочен женски глас:  Мецосопран\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys.size());
    Win32Window window;
    EXPECT_EQ(FocusedSlot(window), form::LogSlot()) << "the first focus, once shown";
    for (WPARAM key : c.keys) window.Key(key);
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    window.Pump();
    EXPECT_NE(GetForegroundWindow(), window.form.Window());
    SetForegroundWindow(window.form.Window());
    window.Pump();
    EXPECT_EQ(FocusedSlot(window), c.focused);
    window.Key(VK_SPACE);
    EXPECT_EQ(window.Log(), c.log_after_space);
    DestroyWindow(other);
  }
}

// The window outlives the wiring, and a notification sent after the wiring is gone (as
// EN_KILLFOCUS is while the window is destroyed) reaches nothing.
TEST(Win32BehaviourTest, NoNotificationReachesAWiringThatIsGone) {
  Win32Form form(GetModuleHandleW(nullptr));
  Win32ControlPort port(form);
  VoiceSelector selector(port);
  ShowWindow(form.Window(), SW_SHOW);
  {
    Win32Wiring wiring(form, selector, [](const std::string&) {});
  }
  SendMessageW(form.Option(0), BM_CLICK, 0, 0);
  SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(form.Log()), EN_KILLFOCUS),
               reinterpret_cast<LPARAM>(form.Log()));
  EXPECT_EQ(port.LogText(), catalogue::kExerciseText);
}

}  // namespace
}  // namespace voice_types::win32

namespace voice_types::tests {
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, WindowDrill, win32::tests::Win32Window);
}  // namespace voice_types::tests
