// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/qt/qt_announcer.h"

#include <QAccessibleWidget>

#include "window/qt/qt_text.h"

namespace voice_types::qt {
namespace {

// A plain widget is a "client" to screen readers; this one is a notification.
class NotificationAccessible : public QAccessibleWidget {
 public:
  explicit NotificationAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Notification) {}
};

QAccessibleInterface* MakeAccessible(const QString&, QObject* object) {
  auto* announcer = qobject_cast<QtAnnouncer*>(object);
  return announcer != nullptr ? new NotificationAccessible(announcer) : nullptr;
}

}  // namespace

QtAnnouncer::QtAnnouncer(QWidget& window) : QWidget(&window) {
  // Qt asks its factories for every widget's interface: ours, once for the program.
  static const bool factory_installed = [] {
    QAccessible::installFactory(MakeAccessible);
    return true;
  }();
  (void)factory_installed;
  setObjectName(QStringLiteral("Announcer"));
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 1, 1);
  hide();
}

// Hidden and shown again, so that the same line twice (the women's choice after the men's
// and back) is heard twice.
void QtAnnouncer::Announce(std::string_view line) {
  hide();
  setAccessibleName(FromUtf8(line));
  show();
}

}  // namespace voice_types::qt
