// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Drills that both real windows go through the same way. A window fixture offers Click on
// a control, ClickSlot, Press(SoakKey), Log(), ShownLog(), failures, its form and port;
// ExpectMatches and FocusedSlot are found beside it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "tests/support/reference_model.h"
#include "tests/support/soak.h"
#include "tests/support/worked_sequence.h"
#include "window/form.h"

namespace voice_types::testing {

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

// Chooses men, women, men, checking all four boxes each time: the boxes that go out of
// view are cleared without a line.
template <class Window>
void SwitchGroupsCheckingEveryBox() {
  Window window;
  ReferenceModel model;
  for (VoiceGroup group : {VoiceGroup::Male, VoiceGroup::Female, VoiceGroup::Male}) {
    window.Click(window.form.Option(OptionIndexOf(group)));
    model.Choose(group);
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      window.Click(window.form.Voice(group, box));
      model.Toggle(group, box);
    }
    ExpectMatches(window, model);
  }
}

// With no group chosen, Tab to the radio pair and press Right, then Left; then choose with
// Space and do the same. Whether the first arrows choose is the toolkit's own rule.
template <class Window>
void ArrowsOntoTheRadioButtons(SoakRules rules, const std::string& log_after_first_right) {
  Window window;
  ReferenceModel model;
  const SoakKey keys[] = {SoakKey::Tab,   SoakKey::Right, SoakKey::Left,
                          SoakKey::Space, SoakKey::Right, SoakKey::Left};
  for (std::size_t step = 0; step < std::size(keys); ++step) {
    SCOPED_TRACE(step);
    const std::size_t before = window.FocusedSlot();
    window.Press(keys[step]);
    ApplySoakAction(model, {false, kNoSlot, keys[step]}, before, window.FocusedSlot(), rules);
    ExpectMatches(window, model);
    if (step == 1) {
      EXPECT_EQ(window.FocusedSlot(), form::OptionSlot(1));
      EXPECT_EQ(window.Log(), log_after_first_right);
    }
  }
}

// Seeded random clicks and keys, each checked against the model.
template <class Window>
void RunSoak(int actions, SoakRules rules) {
  std::mt19937 random(20261208);
  Window window;
  ReferenceModel model;
  for (int step = 0; step < actions; ++step) {
    const SoakAction action = NextSoakAction(random, model);
    const std::size_t before = window.FocusedSlot();
    if (action.click) {
      window.ClickSlot(action.slot);
    } else {
      window.Press(action.key);
    }
    ApplySoakAction(model, action, before, window.FocusedSlot(), rules);
    ExpectMatches(window, model);
    if (::testing::Test::HasFailure()) FAIL() << "at step " << step;
  }
}

}  // namespace voice_types::testing
