// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/qt/qt_window.h"

#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <map>
#include <utility>

#include "tests/support/soak.h"

namespace voice_types::qt::tests {
namespace {

// What Qt hands its AT-SPI bridge, which sends it on the bus unchanged: the log's inserts
// (object:text-changed:insert), and each notification shown (object:state-changed:showing),
// which Orca speaks by its name.
QObject* listened = nullptr;
std::string inserted;
std::vector<std::string> notified;

void Record(QAccessibleEvent* event) {
  if (event->type() == QAccessible::TextInserted && event->object() == listened) {
    inserted += static_cast<QAccessibleTextInsertEvent*>(event)->textInserted().toStdString();
  }
  if (event->type() != QAccessible::ObjectShow) return;
  QAccessibleInterface* shown = event->accessibleInterface();
  if (shown != nullptr && shown->role() == QAccessible::Notification) {
    notified.push_back(shown->text(QAccessible::Name).toStdString());
  }
}

// Qt sends those events only while a screen reader listens; its bridge says so through this.
void Listen(QObject* log) {
  listened = log;
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(log != nullptr);
  QAccessible::installUpdateHandler(log != nullptr ? &Record : nullptr);
  inserted.clear();
  notified.clear();
}

}  // namespace

QtWindow::QtWindow()
    : QtProgram([this](const std::string& message) { failures.push_back(message); }) {
  Start();
  form.Window().show();
  form.Window().activateWindow();
  if (!QTest::qWaitForWindowExposed(&form.Window())) failures.push_back("window not exposed");
  QApplication::processEvents();
}

QtWindow::~QtWindow() {
  if (listened == &form.Log()) Listen(nullptr);
}

std::vector<std::string> QtWindow::Heard() {
  if (listened != &form.Log()) Listen(&form.Log());
  // The log sends its lines too, for a reader in the log: the same, joined.
  std::string lines;
  for (const std::string& line : notified) lines += line + "\u2029";  // Qt's CR LF
  EXPECT_EQ(std::exchange(inserted, {}), lines);
  return std::exchange(notified, {});
}

void QtWindow::Click(QAbstractButton& button) {
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
}

void QtWindow::Key(Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target != nullptr ? target : &form.Window(), key);
}

void QtWindow::Press(voice_types::tests::SoakKey key) {
  using voice_types::tests::SoakKey;
  static const std::map<SoakKey, Qt::Key> kKeys = {
      {SoakKey::Space, Qt::Key_Space},     {SoakKey::Tab, Qt::Key_Tab},
      {SoakKey::Backtab, Qt::Key_Backtab}, {SoakKey::Left, Qt::Key_Left},
      {SoakKey::Right, Qt::Key_Right},     {SoakKey::Up, Qt::Key_Up},
      {SoakKey::Down, Qt::Key_Down}};
  Key(kKeys.at(key));
}

std::string QtWindow::ShownLog() {
  return form.Log().toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

}  // namespace voice_types::qt::tests
