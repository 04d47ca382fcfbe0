// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "tests/support/memory_port.h"
#include "tests/support/worked_sequence.h"

namespace voice_types {
namespace {

using tests::Session;
using tests::ToggleEvents;

constexpr VoiceGroup kF = VoiceGroup::Female;
constexpr VoiceGroup kM = VoiceGroup::Male;

class SelectorTest : public ::testing::TestWithParam<ToggleEvents> {
 protected:
  SelectorTest() : session_(GetParam()) { session_.selector.OnWindowLoaded(); }

  std::string Log() const { return std::string(session_.port.LogText().View()); }

  // Which boxes show, as "F0 F1 ..." so a failure reads at a glance.
  std::string Shown() const {
    std::string shown;
    for (VoiceGroup group : kVoiceGroups) {
      for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
        if (!session_.port.IsVoiceVisible(group, box)) continue;
        if (!shown.empty()) shown += ' ';
        shown += group == kF ? 'F' : 'M';
        shown += std::to_string(box);
      }
    }
    return shown;
  }

  int CheckedCount(VoiceGroup group) const {
    int count = 0;
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      count += session_.port.VoiceState(group, box) == CheckState::Checked;
    }
    return count;
  }

  Session session_;
};

INSTANTIATE_TEST_SUITE_P(BothPortKinds, SelectorTest,
                         ::testing::Values(ToggleEvents::kRaised, ToggleEvents::kNotRaised),
                         [](const auto& info) {
                           return info.param == ToggleEvents::kRaised ? "Raising" : "Silent";
                         });

TEST_P(SelectorTest, LoadingHidesEveryBoxMaleFirstAndKeepsTheExercise) {
  const std::vector<std::string> expected = {"hide Check2(0)", "hide Check2(1)", "hide Check2(2)",
                                             "hide Check2(3)", "hide Check1(0)", "hide Check1(1)",
                                             "hide Check1(2)", "hide Check1(3)"};
  EXPECT_EQ(session_.port.Calls(), expected);
  EXPECT_EQ(Log(), catalogue::kExerciseText);
  EXPECT_FALSE(session_.port.IsOptionSelected(0));
  EXPECT_FALSE(session_.port.IsOptionSelected(1));
}

TEST_P(SelectorTest, WorkedSequenceGivesTheExactLog) {
  const std::vector<std::function<void(Session&)>> actions = {
      [](Session& s) { s.Choose(0); },    [](Session& s) { s.Click(kF, 2); },
      [](Session& s) { s.Click(kF, 2); }, [](Session& s) { s.Click(kF, 0); },
      [](Session& s) { s.Choose(1); },    [](Session& s) { s.Choose(0); },
  };
  const std::vector<std::string> logs = tests::WorkedSequenceLogs();
  const std::string female = "F0 F1 F2 F3";
  const std::vector<std::string> shown = {female, female, female, female, "M0 M1 M2 M3", female};
  EXPECT_EQ(Shown(), "");
  for (std::size_t step = 0; step < actions.size(); ++step) {
    SCOPED_TRACE(step + 1);
    actions[step](session_);
    EXPECT_EQ(Log(), logs[step]);
    EXPECT_EQ(Shown(), shown[step]);
  }
  EXPECT_EQ(CheckedCount(kF), 0) << "soprano was cleared when the men were chosen";
  EXPECT_EQ(CheckedCount(kM), 0);
}

TEST_P(SelectorTest, SwitchingGroupsHidesThenClearsEachBoxInIndexOrder) {
  session_.Choose(0);
  session_.Click(kF, 1);
  session_.Click(kF, 3);
  session_.port.ForgetCalls();
  session_.Choose(1);

  const bool raised = GetParam() == ToggleEvents::kRaised;
  std::vector<std::string> expected = {"log"};
  for (int box = 0; box < 4; ++box) {
    const std::string name = "Check1(" + std::to_string(box) + ")";
    expected.push_back("hide " + name);
    expected.push_back("clear " + name);
    if (raised && (box == 1 || box == 3)) expected.push_back("event " + name);
  }
  for (int box = 0; box < 4; ++box) expected.push_back("show Check2(" + std::to_string(box) + ")");
  EXPECT_EQ(session_.port.Calls(), expected);
  EXPECT_EQ(Log(), "Избрано: Глас - мъже\r\n") << "clearing a checked box logs nothing";
  EXPECT_EQ(CheckedCount(kF), 0);
}

TEST_P(SelectorTest, ChoosingWomenShowsThemFirstThenHidesAndClearsTheMen) {
  session_.Choose(1);
  for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) session_.Click(kM, box);
  session_.port.ForgetCalls();
  session_.Choose(0);

  const bool raised = GetParam() == ToggleEvents::kRaised;
  std::vector<std::string> expected = {"log"};
  for (int box = 0; box < 4; ++box) expected.push_back("show Check1(" + std::to_string(box) + ")");
  for (int box = 0; box < 4; ++box) {
    const std::string name = "Check2(" + std::to_string(box) + ")";
    expected.push_back("hide " + name);
    expected.push_back("clear " + name);
    if (raised) expected.push_back("event " + name);
  }
  EXPECT_EQ(session_.port.Calls(), expected);
  EXPECT_EQ(Log(), "Избрано: Глас - жени\r\n");
  EXPECT_EQ(CheckedCount(kM), 0);
}

TEST_P(SelectorTest, ToggleWithNoGroupChosenChangesNothing) {
  session_.port.ForgetCalls();
  session_.port.PutVoiceState(kF, 0, CheckState::Checked);
  session_.Deliver(kF, 0);
  session_.port.PutVoiceState(kM, 3, CheckState::Checked);
  session_.Deliver(kM, 3);
  EXPECT_TRUE(session_.port.Calls().empty());
  EXPECT_EQ(Log(), catalogue::kExerciseText);
}

TEST_P(SelectorTest, ToggleOfTheGroupNotOnViewIsIgnored) {
  session_.Choose(1);
  session_.port.PutVoiceState(kF, 2, CheckState::Checked);
  session_.Deliver(kF, 2);
  EXPECT_EQ(Log(), "Избрано: Глас - мъже\r\n");
}

TEST_P(SelectorTest, AnyStateButCheckedLogsTheUnmarkedPrefix) {
  struct Case {
    VoiceGroup group;
    CheckState state;
    std::string line;
  };
  const Case cases[] = {
      {kF, CheckState::Checked, "Новопосочен женски глас:  Мецосопран\r\n"},
      {kF, CheckState::Unchecked, "Демаркиран женски глас:  Мецосопран\r\n"},
      {kF, CheckState::Greyed, "Демаркиран женски глас:  Мецосопран\r\n"},
      {kM, CheckState::Checked, "Новопосочен мъжки глас:  Контратенор\r\n"},
      {kM, CheckState::Unchecked, "Демаркиран мъжки глас:  Контратенор\r\n"},
      {kM, CheckState::Greyed, "Демаркиран мъжки глас:  Контратенор\r\n"},
  };
  for (const auto& c : cases) {
    session_.Choose(OptionIndexOf(c.group));
    const std::string before = Log();
    session_.port.PutVoiceState(c.group, 1, c.state);
    session_.Deliver(c.group, 1);
    EXPECT_EQ(Log(), before + c.line);
  }
}

TEST_P(SelectorTest, ChoosingTheSelectedGroupAgainResetsTheLogAndKeepsItsBoxes) {
  session_.Choose(1);
  session_.Click(kM, 0);
  session_.Click(kM, 2);
  session_.Choose(1);
  EXPECT_EQ(Log(), "Избрано: Глас - мъже\r\n");
  EXPECT_EQ(session_.port.VoiceState(kM, 0), CheckState::Checked);
  EXPECT_EQ(session_.port.VoiceState(kM, 2), CheckState::Checked);
  EXPECT_EQ(Shown(), "M0 M1 M2 M3");
}

TEST_P(SelectorTest, TheExerciseTextNeverComesBack) {
  const std::string first_line(
      catalogue::kExerciseText.substr(0, catalogue::kExerciseText.find('\r')));
  const std::vector<std::function<void(Session&)>> actions = {
      [](Session& s) { s.Choose(0); }, [](Session& s) { s.Click(kF, 0); },
      [](Session& s) { s.Choose(1); }, [](Session& s) { s.Click(kM, 1); },
      [](Session& s) { s.Choose(1); }, [](Session& s) { s.Choose(0); },
  };
  for (const auto& act : actions) {
    act(session_);
    EXPECT_EQ(Log().find(first_line), std::string::npos);
  }
}

TEST_P(SelectorTest, EachToggleAddsExactlyOneLineAtTheEnd) {
  session_.Choose(0);
  for (int i = 0; i < 500; ++i) session_.Click(kF, static_cast<ControlIndex>(i % 4));
  const std::string log = Log();
  std::size_t lines = 0;
  for (std::size_t at = log.find("\r\n"); at != std::string::npos; at = log.find("\r\n", at + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 501u);
  // Box 3 was flipped 125 times, so it ends checked.
  EXPECT_TRUE(log.ends_with("Новопосочен женски глас:  Контраалт\r\n"));
}

}  // namespace
}  // namespace voice_types
