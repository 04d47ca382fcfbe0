#include "tests/qt/qt_window.h"

#include <QApplication>

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

std::string QtWindow::ShownLog() {
  std::string shown = form.Log().toPlainText().toStdString();
  std::string crlf;
  for (char c : shown) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

}  // namespace voice_types::qt::testing
