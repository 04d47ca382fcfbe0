// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Drills that every real window goes through the same way, as one typed test suite: a test
// program includes this in one file and instantiates it for its window. A window fixture is
// the program as main.cpp assembles it (form, port, selector, wiring) plus `failures`, and
// offers ClickSlot, Press(SoakKey), Shown(slot), HasFocus(slot), Log() and ShownLog(); where
// it can tell what screen readers heard, Heard(). It names its soak's length and rules as
// kSoakActions and kSoakRules.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/catalogue.h"
#include "core/controls.h"
#include "tests/support/reference_model.h"
#include "tests/support/soak.h"
#include "tests/support/window_checks.h"
#include "tests/support/worked_sequence.h"
#include "window/form.h"

namespace voice_types::tests {

// Runs the six steps of the worked sequence, one action each, checking the exact log and,
// where the window tells what screen readers heard, that each step's line is heard once and
// nothing at start.
template <class Window>
void RunWorkedSequence(const std::vector<std::function<void(Window&)>>& actions) {
  constexpr bool kHears = requires(Window & w) { w.Heard(); };
  const std::vector<std::string> logs = WorkedSequenceLogs();
  const std::vector<std::string> lines = WorkedSequenceLines();
  ASSERT_EQ(actions.size(), logs.size());
  Window window;
  EXPECT_EQ(window.ShownLog(), catalogue::kExerciseText);
  if constexpr (kHears) {
    EXPECT_EQ(window.Heard(), std::vector<std::string>{});
  }
  for (std::size_t step = 0; step < actions.size(); ++step) {
    SCOPED_TRACE(step + 1);
    actions[step](window);
    EXPECT_EQ(window.Log(), logs[step]);
    EXPECT_EQ(window.ShownLog(), logs[step]);
    if constexpr (kHears) {
      EXPECT_EQ(window.Heard(), std::vector<std::string>{lines[step]});
    }
  }
  EXPECT_EQ(window.port.VoiceState(VoiceGroup::Female, 0), CheckState::Unchecked)
      << "soprano cleared on the way";
  EXPECT_TRUE(window.failures.empty());
}

template <class Window>
class WindowDrill : public testing::Test {};
TYPED_TEST_SUITE_P(WindowDrill);

TYPED_TEST_P(WindowDrill, WorkedSequenceClickedWithTheMouse) {
  using Action = std::function<void(TypeParam&)>;
  const auto option = [](ControlIndex index) -> Action {
    return [index](TypeParam& w) { w.ClickSlot(form::OptionSlot(index)); };
  };
  const auto voice = [](ControlIndex box) -> Action {
    return [box](TypeParam& w) { w.ClickSlot(form::VoiceSlot(VoiceGroup::Female, box)); };
  };
  RunWorkedSequence<TypeParam>({option(0), voice(2), voice(2), voice(0), option(1), option(0)});
}

TYPED_TEST_P(WindowDrill, WorkedSequenceThroughTheKeyboard) {
  std::vector<std::function<void(TypeParam&)>> steps;
  for (const std::vector<SoakKey>& keys : WorkedSequenceKeys()) {
    steps.push_back([keys](TypeParam& w) {
      for (SoakKey key : keys) w.Press(key);
    });
  }
  RunWorkedSequence<TypeParam>(steps);
}

// Chooses men, women, men, checking all four boxes each time: the boxes that go out of
// view are cleared without a line, and a second click on the chosen group changes nothing.
TYPED_TEST_P(WindowDrill, SwitchingGroupsClearsCheckedBoxesWithoutALine) {
  TypeParam window;
  ReferenceModel model;
  for (VoiceGroup group : {VoiceGroup::Male, VoiceGroup::Female, VoiceGroup::Male}) {
    window.ClickSlot(form::OptionSlot(OptionIndexOf(group)));
    model.Choose(group);
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      window.ClickSlot(form::VoiceSlot(group, box));
      model.Toggle(group, box);
    }
    window.ClickSlot(form::OptionSlot(OptionIndexOf(group)));
    ExpectMatches(window, model);
  }
}

// Past the 30,000 characters that a Windows edit holds by default, the whole log is still
// there and a toggle still appends its line.
TYPED_TEST_P(WindowDrill, ALongLogStaysIntactAndStillAppends) {
  TypeParam window;
  ReferenceModel model;
  window.ClickSlot(form::OptionSlot(1));
  model.Choose(VoiceGroup::Male);
  for (int i = 0; i < 1200; ++i) {  // some 40,000 characters
    const auto box = static_cast<ControlIndex>(i % kVoicesPerGroup);
    window.ClickSlot(form::VoiceSlot(VoiceGroup::Male, box));
    model.Toggle(VoiceGroup::Male, box);
  }
  EXPECT_GT(window.ShownLog().size(), 60000u) << "UTF-8 bytes, twice the characters";
  ExpectMatches(window, model);
}

TYPED_TEST_P(WindowDrill, AFailingHandlerIsReportedOnceAndStopsDelivery) {
  // A control's error by its message, and anything else thrown as an unknown failure: no
  // exception may cross the toolkit's event loop.
  const std::pair<std::function<void()>, std::string> failures[] = {
      {[] { throw ControlError("Check1(9) does not exist"); }, "Check1(9) does not exist"},
      {[] { throw 42; }, "unknown failure"}};
  for (const auto& [handler, message] : failures) {
    TypeParam window;
    window.wiring.Deliver(handler);
    window.ClickSlot(form::OptionSlot(0));
    EXPECT_EQ(window.failures, std::vector<std::string>{message});
    EXPECT_EQ(window.Log(), catalogue::kExerciseText) << "nothing delivered after the failure";
  }
}

// With no group chosen, Tab to the radio pair and press Right, then Left; then choose with
// Space and do the same. Whether the first arrows choose is the toolkit's own rule.
TYPED_TEST_P(WindowDrill, ArrowsOntoTheRadioButtonsFollowTheToolkitsRule) {
  TypeParam window;
  ReferenceModel model;
  const SoakKey keys[] = {SoakKey::Tab,   SoakKey::Right, SoakKey::Left,
                          SoakKey::Space, SoakKey::Right, SoakKey::Left};
  for (std::size_t step = 0; step < std::size(keys); ++step) {
    SCOPED_TRACE(step);
    const std::size_t before = FocusedSlot(window);
    window.Press(keys[step]);
    ApplySoakAction(model, {false, kNoSlot, keys[step]}, before, FocusedSlot(window),
                    TypeParam::kSoakRules);
    ExpectMatches(window, model);
    if (step == 1) {
      EXPECT_EQ(FocusedSlot(window), form::OptionSlot(1));
    }
  }
}

// The focus starts on the log. Tab follows the table: one stop for the radio pair, hidden boxes
// skipped, and once the men are chosen (by arrow and Space, under either toolkit's rule), their
// four boxes.
TYPED_TEST_P(WindowDrill, FocusStartsOnTheLogAndTabFollowsTheTable) {
  TypeParam window;
  const auto tab_chain = [&window](int steps) {
    std::vector<std::size_t> chain;
    for (int step = 0; step < steps; ++step) {
      chain.push_back(FocusedSlot(window));
      window.Press(SoakKey::Tab);
    }
    return chain;
  };
  EXPECT_EQ(tab_chain(4), (std::vector<std::size_t>{0, 3, 13, 0}));
  // The chain ends on the first radio button.
  for (SoakKey key : {SoakKey::Right, SoakKey::Space}) window.Press(key);
  EXPECT_EQ(tab_chain(7), (std::vector<std::size_t>{4, 9, 10, 11, 12, 13, 0}));
}

// Seeded random clicks and keys, each checked against the model.
TYPED_TEST_P(WindowDrill, RandomClicksAndKeysKeepTheInvariants) {
  std::mt19937 random(20261208);
  TypeParam window;
  ReferenceModel model;
  const int actions = SoakActionCount(TypeParam::kSoakActions);
  for (int step = 0; step < actions; ++step) {
    const SoakAction action = NextSoakAction(random, model);
    const std::size_t before = FocusedSlot(window);
    if (action.click) {
      window.ClickSlot(action.slot);
    } else {
      window.Press(action.key);
    }
    ApplySoakAction(model, action, before, FocusedSlot(window), TypeParam::kSoakRules);
    ExpectMatches(window, model);
    if (testing::Test::HasFailure()) FAIL() << "at step " << step;
  }
}

REGISTER_TYPED_TEST_SUITE_P(
    WindowDrill, WorkedSequenceClickedWithTheMouse, WorkedSequenceThroughTheKeyboard,
    SwitchingGroupsClearsCheckedBoxesWithoutALine, ALongLogStaysIntactAndStillAppends,
    AFailingHandlerIsReportedOnceAndStopsDelivery, ArrowsOntoTheRadioButtonsFollowTheToolkitsRule,
    FocusStartsOnTheLogAndTabFollowsTheTable, RandomClicksAndKeysKeepTheInvariants);

}  // namespace voice_types::tests
