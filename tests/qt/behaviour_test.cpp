// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

#include "core/catalogue.h"
#include "tests/qt/qt_window.h"
#include "tests/support/window_drills.h"

namespace voice_types::qt {
namespace {

using tests::QtWindow;

constexpr VoiceGroup kF = VoiceGroup::Female;

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

TEST(QtBehaviourTest, ReportingAFailureEndsTheEventLoopWithStatusOne) {
  QTimer::singleShot(0, [] { ReportFailure("Option1(5) does not exist"); });
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

namespace voice_types::tests {
INSTANTIATE_TYPED_TEST_SUITE_P(Qt, WindowDrill, qt::tests::QtWindow);
}  // namespace voice_types::tests
