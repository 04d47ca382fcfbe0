// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
//
// Whether the desktop asks for more contrast, read from the XDG desktop portal's settings as
// Qt reads them itself from 6.10 on: the appearance "contrast" key, or GNOME's high-contrast
// switch. Asked without waiting, and followed while the program runs; no session bus or no
// portal means the default look.
#pragma once

#include <QDBusVariant>
#include <QObject>
#include <QString>
#include <functional>

#include "window/paint.h"

namespace voice_types::qt {

class PortalContrast : public QObject {
  Q_OBJECT

 public:
  using Listener = std::function<void(form::Contrast)>;
  explicit PortalContrast(Listener listener);

  form::Contrast Current() const;

 private slots:
  void OnSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

 private:
  void Ask(const QString& group, const QString& key, const QString& method);
  void Take(const QString& group, const QString& key, QVariant value);

  Listener listener_;
  bool appearance_asks_ = false;
  bool gnome_asks_ = false;
};

}  // namespace voice_types::qt
