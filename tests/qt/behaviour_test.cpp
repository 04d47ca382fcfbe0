#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "core/catalogue.h"
#include "tests/qt/qt_window.h"
#include "tests/support/reference_model.h"

namespace voice_types::qt {
namespace {

using testing::QtWindow;
using voice_types::testing::ReferenceModel;

constexpr VoiceGroup kF = VoiceGroup::Female;
constexpr VoiceGroup kM = VoiceGroup::Male;

// Every box's visibility and state, and the log both as the port gives it and as shown.
void ExpectMatches(QtWindow& window, const ReferenceModel& model) {
  for (VoiceGroup group : kVoiceGroups) {
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      QCheckBox& check = window.form.Voice(group, box);
      EXPECT_EQ(check.isVisible(), model.Visible(group, box)) << check.objectName().toStdString();
      EXPECT_EQ(check.isChecked(), model.Checked(group, box)) << check.objectName().toStdString();
    }
  }
  EXPECT_EQ(window.Log(), model.Log());
  EXPECT_EQ(window.ShownLog(), model.Log());
  EXPECT_TRUE(window.failures.empty());
}

struct Step {
  const char* what;
  std::function<void(QtWindow&)> act;
  std::string log;
};

TEST(QtBehaviourTest, WorkedSequenceClickedWithTheMouse) {
  const std::string women = "Избрано: Глас - жени\r\n";
  const std::string alto_on = "Новопосочен женски глас:  Алт\r\n";
  const std::string alto_off = "Демаркиран женски глас:  Алт\r\n";
  const std::string soprano_on = "Новопосочен женски глас:  Сопран\r\n";
  const auto click_option = [](ControlIndex option) {
    return [option](QtWindow& w) { w.Click(w.form.Option(option)); };
  };
  const auto click_voice = [](ControlIndex box) {
    return [box](QtWindow& w) { w.Click(w.form.Voice(kF, box)); };
  };
  const std::vector<Step> steps = {
      {"choose women", click_option(0), women},
      {"check alto", click_voice(2), women + alto_on},
      {"uncheck alto", click_voice(2), women + alto_on + alto_off},
      {"check soprano", click_voice(0), women + alto_on + alto_off + soprano_on},
      {"choose men", click_option(1), "Избрано: Глас - мъже\r\n"},
      {"choose women again", click_option(0), women},
  };
  QtWindow window;
  EXPECT_EQ(window.ShownLog(), catalogue::kExerciseText);
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.act(window);
    EXPECT_EQ(window.Log(), step.log);
    EXPECT_EQ(window.ShownLog(), step.log);
  }
  EXPECT_FALSE(window.form.Voice(kF, 0).isChecked()) << "soprano cleared on the way";
  EXPECT_TRUE(window.failures.empty());
}

TEST(QtBehaviourTest, KeyboardReachesEveryChoiceAndBox) {
  QtWindow window;
  ReferenceModel model;
  window.Key(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), &window.form.Option(0));
  window.Key(Qt::Key_Space);
  model.Choose(kF);
  ExpectMatches(window, model);

  window.Key(Qt::Key_Right);
  EXPECT_EQ(QApplication::focusWidget(), &window.form.Option(1));
  model.Choose(kM);
  ExpectMatches(window, model);

  window.Key(Qt::Key_Tab);
  window.Key(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), &window.form.Voice(kM, 1));
  window.Key(Qt::Key_Space);
  model.Toggle(kM, 1);
  ExpectMatches(window, model);

  window.Key(Qt::Key_Backtab);
  window.Key(Qt::Key_Backtab);
  window.Key(Qt::Key_Left);
  model.Choose(kF);
  ExpectMatches(window, model);
}

TEST(QtBehaviourTest, SwitchingGroupsClearsCheckedBoxesWithoutALine) {
  QtWindow window;
  ReferenceModel model;
  for (VoiceGroup group : {kM, kF, kM}) {
    window.Click(window.form.Option(OptionIndexOf(group)));
    model.Choose(group);
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      window.Click(window.form.Voice(group, box));
      model.Toggle(group, box);
    }
    ExpectMatches(window, model);
  }
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

TEST(QtBehaviourTest, TheNewestLineIsInView) {
  QtWindow window;
  window.Click(window.form.Option(0));
  for (int i = 0; i < 40; ++i) window.form.Voice(kF, 1).click();
  QScrollBar* bar = window.form.Log().verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
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
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "voice-types: Option1(5) does not exist\n");
  EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace voice_types::qt
