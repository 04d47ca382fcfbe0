// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <functional>

#include "core/catalogue.h"
#include "tests/qt/qt_window.h"
#include "tests/support/reference_model.h"
#include "tests/support/window_drills.h"

namespace voice_types::qt {
namespace {

using testing::ExpectMatches;
using testing::QtWindow;
using voice_types::testing::ReferenceModel;

constexpr VoiceGroup kF = VoiceGroup::Female;
constexpr VoiceGroup kM = VoiceGroup::Male;

using Action = std::function<void(QtWindow&)>;

TEST(QtBehaviourTest, WorkedSequenceClickedWithTheMouse) {
  const auto option = [](ControlIndex index) -> Action {
    return [index](QtWindow& w) { w.Click(w.form.Option(index)); };
  };
  const auto voice = [](ControlIndex box) -> Action {
    return [box](QtWindow& w) { w.Click(w.form.Voice(kF, box)); };
  };
  voice_types::testing::RunWorkedSequence<QtWindow>(
      {option(0), voice(2), voice(2), voice(0), option(1), option(0)});
}

TEST(QtBehaviourTest, WorkedSequenceThroughTheKeyboard) {
  const auto keys = [](std::vector<Qt::Key> presses) -> Action {
    return [presses](QtWindow& w) {
      for (Qt::Key key : presses) w.Key(key);
    };
  };
  using enum Qt::Key;
  voice_types::testing::RunWorkedSequence<QtWindow>({
      keys({Key_Tab, Key_Space}),                    // from the log to women, select
      keys({Key_Tab, Key_Tab, Key_Tab, Key_Space}),  // to alto, check
      keys({Key_Space}),                             // uncheck
      keys({Key_Backtab, Key_Backtab, Key_Space}),   // back to soprano, check
      keys({Key_Backtab, Key_Right}),                // to the radio group, arrow to men
      keys({Key_Left}),                              // arrow back to women
  });
}

TEST(QtBehaviourTest, SwitchingGroupsClearsCheckedBoxesWithoutALine) {
  voice_types::testing::SwitchGroupsCheckingEveryBox<QtWindow>();
}

TEST(QtBehaviourTest, ALongLogStaysIntactAndStillAppends) {
  QtWindow window;
  ReferenceModel model;
  window.Click(window.form.Option(1));
  model.Choose(kM);
  for (int i = 0; i < 20000; ++i) {
    const auto box = static_cast<ControlIndex>(i % kVoicesPerGroup);
    window.form.Voice(kM, box).click();
    model.Toggle(kM, box);
  }
  ExpectMatches(window, model);
  window.Click(window.form.Voice(kM, 3));
  model.Toggle(kM, 3);
  ExpectMatches(window, model);
  EXPECT_EQ(window.form.Log().document()->blockCount(), 20002 + 1);
}

TEST(QtBehaviourTest, TheNewestLineIsInViewWithTheCaretAfterIt) {
  QtWindow window;
  window.Click(window.form.Option(0));
  for (int i = 0; i < 40; ++i) window.form.Voice(kF, 1).click();
  QPlainTextEdit& log = window.form.Log();
  QScrollBar* bar = log.verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(log.textCursor().position(), log.document()->characterCount() - 1);
  // A caret the user moved away follows the next append, not only a whole replace.
  QTextCursor start = log.textCursor();
  start.movePosition(QTextCursor::Start);
  log.setTextCursor(start);
  window.form.Voice(kF, 1).click();
  EXPECT_EQ(log.textCursor().position(), log.document()->characterCount() - 1);
  // A keyboard user who tabs into the log and presses Down stays at the newest line.
  log.setFocus();
  window.Key(Qt::Key_Down);
  EXPECT_EQ(log.textCursor().blockNumber(), log.document()->blockCount() - 1);
  EXPECT_EQ(bar->value(), bar->maximum());
}

TEST(QtBehaviourTest, OneClickOnARadioButtonResetsTheLogOnce) {
  QtWindow window;
  int replaced = 0;
  QObject::connect(&window.form.Log(), &QPlainTextEdit::textChanged, [&replaced] { ++replaced; });
  // From no choice, to the other group, and back: the old button's report is no choice.
  // A box checked before each switch makes a second reset show in the log box.
  for (ControlIndex option : {0, 1, 0}) {
    replaced = 0;
    window.Click(window.form.Option(option));
    EXPECT_EQ(replaced, 1) << "Option1(" << option << ")";
    window.Click(window.form.Voice(static_cast<VoiceGroup>(option), 0));
  }
}

TEST(QtBehaviourTest, AFailingHandlerIsReportedOnceAndStopsDelivery) {
  QtWindow window;
  window.wiring.Deliver([] { throw ControlError("Check1(9) does not exist"); });
  window.Click(window.form.Option(0));
  const std::vector<std::string> expected = {"Check1(9) does not exist"};
  EXPECT_EQ(window.failures, expected);
  EXPECT_EQ(window.Log(), catalogue::kExerciseText) << "nothing delivered after the failure";
}

TEST(QtBehaviourTest, ReportingAFailureEndsTheEventLoopWithStatusOne) {
  QTimer::singleShot(0, [] { ReportFailureAndQuit("Option1(5) does not exist"); });
  ::testing::internal::CaptureStderr();
  const int status = QApplication::exec();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Програмата спря поради грешка. Стартирайте я отново.\n"
            "The program stopped after an error. Start it again.\n"
            "Подробности (details): Option1(5) does not exist\n");
  EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace voice_types::qt
