#include <gtest/gtest.h>

#include <QApplication>

#include "tests/qt/qt_window.h"
#include "tests/support/soak.h"

namespace voice_types::qt {
namespace {

using testing::ExpectMatches;
using testing::FocusedSlot;
using testing::QtWindow;
using namespace voice_types::testing;

Qt::Key QtKey(SoakKey key) {
  switch (key) {
    case SoakKey::Space:
      return Qt::Key_Space;
    case SoakKey::Tab:
      return Qt::Key_Tab;
    case SoakKey::Backtab:
      return Qt::Key_Backtab;
    case SoakKey::Left:
      return Qt::Key_Left;
    case SoakKey::Right:
      return Qt::Key_Right;
    case SoakKey::Up:
      return Qt::Key_Up;
    case SoakKey::Down:
      return Qt::Key_Down;
  }
  return Qt::Key_Space;
}

TEST(QtSoakTest, RandomMouseAndKeyboardActionsKeepTheInvariants) {
  const int actions = SoakActionCount(20000);
  std::mt19937 random(20261208);
  QtWindow window;
  ReferenceModel model;
  for (int step = 0; step < actions; ++step) {
    const SoakAction action = NextSoakAction(random, model);
    const std::size_t before = FocusedSlot(window.form);
    if (action.click) {
      window.Click(static_cast<QAbstractButton&>(window.form.Control(action.slot)));
    } else {
      window.Key(QtKey(action.key));
    }
    ApplySoakAction(model, action, before, FocusedSlot(window.form), {false});
    ExpectMatches(window, model);
    if (HasFailure()) FAIL() << "at step " << step;
  }
}

}  // namespace
}  // namespace voice_types::qt
