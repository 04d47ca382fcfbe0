// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/qt/qt_portal_contrast.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QStringLiteral>
#include <utility>

namespace voice_types::qt {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kContrast = QStringLiteral("contrast");
const QString kGnome = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString kHighContrast = QStringLiteral("high-contrast");

// Where there is no session bus, connecting would make the bus library start one of its
// own (autolaunch) on some systems: a bare X session stays as it is.
bool HasSessionBus() {
  if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

}  // namespace

PortalContrast::PortalContrast(Listener listener) : listener_(std::move(listener)) {
  if (!HasSessionBus()) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  // The bus checks the slot's argument types by name: the variant's must be known first.
  qRegisterMetaType<QDBusVariant>();
  bus.connect(kService, kPath, kSettings, QStringLiteral("SettingChanged"), this,
              SLOT(OnSettingChanged(QString, QString, QDBusVariant)));
  // ReadOne arrived in version 1.17 of the portal; before it only Read.
  Ask(kAppearance, kContrast, QStringLiteral("ReadOne"));
  Ask(kGnome, kHighContrast, QStringLiteral("ReadOne"));
}

form::Contrast PortalContrast::Current() const {
  return appearance_asks_ || gnome_asks_ ? form::Contrast::More : form::Contrast::Default;
}

void PortalContrast::Ask(const QString& group, const QString& key, const QString& method) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kSettings, method);
  call << group << key;
  auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [this, group, key, method](QDBusPendingCallWatcher* answered) {
            answered->deleteLater();
            const QDBusMessage reply = answered->reply();
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
              Take(group, key, reply.arguments().constFirst());
            } else if (method == QStringLiteral("ReadOne") &&
                       answered->error().type() == QDBusError::UnknownMethod) {
              Ask(group, key, QStringLiteral("Read"));
            }
          });
}

void PortalContrast::OnSettingChanged(const QString& group, const QString& key,
                                      const QDBusVariant& value) {
  Take(group, key, value.variant());
}

// Read wraps the value in one more variant than ReadOne and SettingChanged do.
void PortalContrast::Take(const QString& group, const QString& key, QVariant value) {
  while (value.userType() == qMetaTypeId<QDBusVariant>()) {
    value = value.value<QDBusVariant>().variant();
  }
  const form::Contrast before = Current();
  if (group == kAppearance && key == kContrast) {
    appearance_asks_ = value.toUInt() == 1;
  } else if (group == kGnome && key == kHighContrast) {
    gnome_asks_ = value.toBool();
  } else {
    return;
  }
  if (Current() != before) listener_(Current());
}

}  // namespace voice_types::qt
