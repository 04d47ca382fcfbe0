// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "core/catalogue.h"
#include "tests/support/memory_port.h"

namespace voice_types {
namespace {

using tests::Session;
using tests::ToggleEvents;

struct MisuseCase {
  const char* message;
  std::function<void(Session&)> misuse;
};

TEST(ControlErrorTest, MisuseFailsAtOnceNamingTheControlAndChangesNothing) {
  const MisuseCase cases[] = {
      {"Option1(2) does not exist", [](Session& s) { s.selector.OnVoiceGroupChosen(2); }},
      {"Option1(-1) does not exist", [](Session& s) { s.selector.OnVoiceGroupChosen(-1); }},
      {"Check1(7) does not exist", [](Session& s) { s.selector.OnFemaleVoiceToggled(7); }},
      {"Check2(-1) does not exist", [](Session& s) { s.selector.OnMaleVoiceToggled(-1); }},
      {"Check2(4) does not exist", [](Session& s) { s.port.VoiceCaption(VoiceGroup::Male, 4); }},
      {"Check1(32767) does not exist",
       [](Session& s) { s.port.SetVoiceVisible(VoiceGroup::Female, 32767, true); }},
      {"Option1(2) does not exist", [](Session& s) { s.port.IsOptionSelected(2); }},
      {"VoiceGroup 3 does not exist (0 female, 1 male)",
       [](Session& s) { s.port.VoiceState(static_cast<VoiceGroup>(3), 0); }},
      {"check state 7 does not exist (0 unchecked, 1 checked, 2 greyed)",
       [](Session& s) { s.port.SetVoiceState(VoiceGroup::Male, 0, static_cast<CheckState>(7)); }},
      {"Check1(4) does not exist",
       [](Session&) { catalogue::VoiceCaption(VoiceGroup::Female, 4); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Session session(ToggleEvents::kRaised);
    session.selector.OnWindowLoaded();
    session.port.ForgetCalls();
    try {
      c.misuse(session);
      ADD_FAILURE() << "no error";
    } catch (const ControlError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
    EXPECT_TRUE(session.port.Calls().empty());
    EXPECT_EQ(session.port.LogText(), catalogue::kExerciseText);
  }
}

TEST(ControlErrorTest, AWrongBoxIndexFailsEvenWhenItsGroupIsNotOnView) {
  Session session(ToggleEvents::kNotRaised);
  session.Choose(1);
  EXPECT_THROW(session.selector.OnFemaleVoiceToggled(4), ControlError);
  EXPECT_NO_THROW(session.selector.OnFemaleVoiceToggled(3));
}

}  // namespace
}  // namespace voice_types
