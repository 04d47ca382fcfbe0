// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>

#include "tests/support/memory_port.h"
#include "tests/support/reference_model.h"

namespace voice_types {
namespace {

using tests::ReferenceModel;
using tests::Session;
using tests::ToggleEvents;

// Compares every control a user can see, and the log, with the model.
void ExpectMatches(Session& session, const ReferenceModel& model) {
  for (VoiceGroup group : kVoiceGroups) {
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      ASSERT_EQ(session.port.IsVoiceVisible(group, box), model.Visible(group, box));
      const bool checked = session.port.VoiceState(group, box) == CheckState::Checked;
      ASSERT_EQ(checked, model.Checked(group, box));
    }
  }
  ASSERT_EQ(session.port.LogText().View(), model.Log());
}

TEST(SelectorRandomTest, LongSeededSequencesKeepTheInvariantsOnBothPortKinds) {
  for (std::uint32_t seed : {1u, 2u, 3u, 20261208u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    Session raising(ToggleEvents::kRaised);
    Session silent(ToggleEvents::kNotRaised);
    Session* sessions[] = {&raising, &silent};
    for (Session* session : sessions) session->selector.OnWindowLoaded();
    ReferenceModel model;

    for (int step = 0; step < 3000; ++step) {
      const int roll = std::uniform_int_distribution<int>(0, 9)(random);
      const auto box = static_cast<ControlIndex>(std::uniform_int_distribution<int>(0, 3)(random));
      if (roll == 0 || !model.OnView()) {
        const auto group = static_cast<VoiceGroup>(box % 2);
        model.Choose(group);
        for (Session* session : sessions) session->Choose(OptionIndexOf(group));
      } else {
        model.Toggle(*model.OnView(), box);
        for (Session* session : sessions) session->Click(*model.OnView(), box);
      }
      for (Session* session : sessions) {
        ExpectMatches(*session, model);
        if (::testing::Test::HasFatalFailure()) FAIL() << "at step " << step;
      }
    }
  }
}

}  // namespace
}  // namespace voice_types
