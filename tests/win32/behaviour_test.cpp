// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "core/catalogue.h"
#include "tests/support/reference_model.h"
#include "tests/support/window_drills.h"
#include "tests/win32/win32_window.h"

namespace voice_types::win32 {
namespace {

using testing::ExpectMatches;
using testing::IsChecked;
using testing::Win32Window;
using voice_types::testing::ReferenceModel;

constexpr VoiceGroup kF = VoiceGroup::Female;
constexpr VoiceGroup kM = VoiceGroup::Male;

using Action = std::function<void(Win32Window&)>;

TEST(Win32BehaviourTest, WorkedSequenceClickedOnTheButtons) {
  const auto option = [](ControlIndex index) -> Action {
    return [index](Win32Window& w) { w.Click(w.form.Option(index)); };
  };
  const auto voice = [](ControlIndex box) -> Action {
    return [box](Win32Window& w) { w.Click(w.form.Voice(kF, box)); };
  };
  voice_types::testing::RunWorkedSequence<Win32Window>(
      {option(0), voice(2), voice(2), voice(0), option(1), option(0)});
}

TEST(Win32BehaviourTest, WorkedSequenceThroughTheKeyboard) {
  struct Press {
    WPARAM key;
    bool shift;
  };
  const auto keys = [](std::vector<Press> presses) -> Action {
    return [presses](Win32Window& w) {
      for (const Press& press : presses) w.Key(press.key, press.shift);
    };
  };
  const Press tab{VK_TAB, false}, back{VK_TAB, true}, space{VK_SPACE, false};
  voice_types::testing::RunWorkedSequence<Win32Window>({
      keys({tab, space}),               // from the log to women, select
      keys({tab, tab, tab, space}),     // to alto, check
      keys({space}),                    // uncheck
      keys({back, back, space}),        // back to soprano, check
      keys({back, {VK_RIGHT, false}}),  // to the radio group, arrow to men
      keys({{VK_LEFT, false}}),         // arrow back to women
  });
}

TEST(Win32BehaviourTest, SwitchingGroupsClearsCheckedBoxesWithoutALine) {
  voice_types::testing::SwitchGroupsCheckingEveryBox<Win32Window>();
}

TEST(Win32BehaviourTest, ALogPastThirtyThousandCharactersStaysIntact) {
  Win32Window window;
  ReferenceModel model;
  window.Click(window.form.Option(0));
  model.Choose(kF);
  // The edit's default limit is about 30,000 characters; go past it, within a bound in
  // case the limit holds.
  for (int i = 0; i < 2000 && GetWindowTextLengthW(window.form.Log()) < 32000; ++i) {
    const auto box = static_cast<ControlIndex>(model.Log().size() % kVoicesPerGroup);
    window.Click(window.form.Voice(kF, box));
    model.Toggle(kF, box);
  }
  ExpectMatches(window, model);
  EXPECT_GT(GetWindowTextLengthW(window.form.Log()), 30000);
}

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
    EXPECT_EQ(window.FocusedSlot(), form::LogSlot()) << "the first focus, once shown";
    for (WPARAM key : c.keys) window.Key(key);
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    window.Pump();
    EXPECT_NE(GetForegroundWindow(), window.form.Window());
    SetForegroundWindow(window.form.Window());
    window.Pump();
    EXPECT_EQ(window.FocusedSlot(), c.focused);
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

TEST(Win32BehaviourTest, AFailingHandlerIsReportedOnceAndStopsDelivery) {
  Win32Window window;
  window.wiring.Deliver([] { throw ControlError("Check2(8) does not exist"); });
  window.Click(window.form.Option(1));
  const std::vector<std::string> expected = {"Check2(8) does not exist"};
  EXPECT_EQ(window.failures, expected);
  EXPECT_EQ(window.Log(), catalogue::kExerciseText) << "nothing delivered after the failure";
}

}  // namespace
}  // namespace voice_types::win32
