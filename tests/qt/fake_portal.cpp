// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
//
// A desktop portal's Settings on the session bus, with the two keys that ask for more
// contrast, for the tests and the start-up bench. Each line on standard input changes one
// and says so with SettingChanged, as a desktop does when the user flips the switch:
//
//     fake_portal [--no-read-one] [contrast=N] [high-contrast=true|false]
//     stdin: "contrast N" | "high-contrast true|false"
//
// Without ReadOne it is a portal before version 1.17, which has only Read and wraps the
// value in one more variant. It prints "ready" once it has the portal's name.
#include <unistd.h>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QSocketNotifier>
#include <QTextStream>
#include <cstdio>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");

class Portal : public QDBusVirtualObject {
 public:
  explicit Portal(bool read_one) : read_one_(read_one) {}

  // "contrast N" or "high-contrast true|false".
  void Set(const QString& line) {
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != 2) return;
    const bool appearance = words[0] == QStringLiteral("contrast");
    const QVariant value =
        appearance ? QVariant(words[1].toUInt()) : QVariant(words[1] == QStringLiteral("true"));
    (appearance ? contrast_ : high_contrast_) = value;
    QDBusMessage changed = QDBusMessage::createSignal(kPath, kSettings, "SettingChanged");
    changed << GroupOf(words[0]) << words[0] << QVariant::fromValue(QDBusVariant(value));
    QDBusConnection::sessionBus().send(changed);
  }

  // Nothing asks: the program calls the portal's methods by name.
  QString introspect(const QString&) const override { return {}; }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
    if (message.interface() != kSettings) return false;
    const bool read = message.member() == QStringLiteral("Read");
    const bool read_one = read_one_ && message.member() == QStringLiteral("ReadOne");
    const QList<QVariant> in = message.arguments();
    if (!(read || read_one) || in.size() != 2) {
      bus.send(message.createErrorReply(QDBusError::UnknownMethod, message.member()));
      return true;
    }
    const QVariant value = ValueOf(in[0].toString(), in[1].toString());
    if (!value.isValid()) {
      bus.send(message.createErrorReply("org.freedesktop.portal.Error.NotFound", "no such key"));
      return true;
    }
    const QDBusVariant once(value);
    bus.send(message.createReply(read ? QVariant::fromValue(QDBusVariant(QVariant::fromValue(once)))
                                      : QVariant::fromValue(once)));
    return true;
  }

  QVariant contrast_ = 0u;
  QVariant high_contrast_ = false;

 private:
  static QString GroupOf(const QString& key) {
    return key == QStringLiteral("contrast") ? QStringLiteral("org.freedesktop.appearance")
                                             : QStringLiteral("org.gnome.desktop.a11y.interface");
  }

  QVariant ValueOf(const QString& group, const QString& key) const {
    if (group == GroupOf(key) && key == QStringLiteral("contrast")) return contrast_;
    if (group == GroupOf(key) && key == QStringLiteral("high-contrast")) return high_contrast_;
    return {};
  }

  bool read_one_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList arguments = app.arguments().mid(1);
  Portal portal(!arguments.removeAll(QStringLiteral("--no-read-one")));
  for (const QString& setting : arguments) {
    const QString key = setting.section(QLatin1Char('='), 0, 0);
    const QString value = setting.section(QLatin1Char('='), 1);
    if (key == QStringLiteral("contrast")) portal.contrast_ = value.toUInt();
    if (key == QStringLiteral("high-contrast")) portal.high_contrast_ = value == "true";
  }
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerVirtualObject(kPath, &portal) ||
      !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
    std::fprintf(stderr, "fake_portal: no session bus, or the portal's name is taken\n");
    return 1;
  }
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&portal, &app, &input] {
    char line[256];
    if (std::fgets(line, sizeof line, stdin) == nullptr) {
      input.setEnabled(false);
      app.quit();
      return;
    }
    portal.Set(QString::fromUtf8(line).trimmed());
    std::puts("changed");
    std::fflush(stdout);
  });
  std::puts("ready");
  std::fflush(stdout);
  return app.exec();
}
