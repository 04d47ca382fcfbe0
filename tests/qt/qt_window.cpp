#include "tests/qt/qt_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <map>

#include "tests/support/soak.h"

namespace voice_types::qt::testing {

QtWindow::QtWindow() {
  wiring.Deliver([this] { selector.OnWindowLoaded(); });
  form.Window().show();
  form.Window().activateWindow();
  if (!QTest::qWaitForWindowExposed(&form.Window())) failures.push_back("window not exposed");
  QApplication::processEvents();
}

void QtWindow::Click(QAbstractButton& button) {
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
}

void QtWindow::Key(Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target != nullptr ? target : &form.Window(), key);
}

void QtWindow::Press(voice_types::testing::SoakKey key) {
  using voice_types::testing::SoakKey;
  static const std::map<SoakKey, Qt::Key> kKeys = {
      {SoakKey::Space, Qt::Key_Space},     {SoakKey::Tab, Qt::Key_Tab},
      {SoakKey::Backtab, Qt::Key_Backtab}, {SoakKey::Left, Qt::Key_Left},
      {SoakKey::Right, Qt::Key_Right},     {SoakKey::Up, Qt::Key_Up},
      {SoakKey::Down, Qt::Key_Down}};
  Key(kKeys.at(key));
}

std::string QtWindow::ShownLog() {
  std::string shown = form.Log().toPlainText().toStdString();
  std::string crlf;
  for (char c : shown) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

void ExpectMatches(QtWindow& window, const voice_types::testing::ReferenceModel& model) {
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

std::size_t QtWindow::FocusedSlot() const {
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    if (&form.Control(slot) == QApplication::focusWidget()) return slot;
  }
  return voice_types::testing::kNoSlot;
}

}  // namespace voice_types::qt::testing
