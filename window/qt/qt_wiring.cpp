// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/qt/qt_wiring.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "core/catalogue.h"
#include "window/qt/qt_text.h"

namespace voice_types::qt {

QtWiring::QtWiring(QtForm& form, VoiceSelector& selector, DeliveryGuard::FailureHandler on_failure)
    : selector_(selector), guard_(std::move(on_failure)) {
  // A radio button reports the change after the selection has moved, and the button
  // that lost it reports too; only the newly selected one is a choice.
  for (ControlIndex option = 0; option < kOptionCount; ++option) {
    QObject::connect(&form.Option(option), &QAbstractButton::toggled, &form.Window(),
                     [this, option](bool selected) {
                       if (selected)
                         Deliver([this, option] { selector_.OnVoiceGroupChosen(option); });
                     });
  }
  // Any change of a box's state, the program's own included, is delivered at once.
  for (VoiceGroup group : kVoiceGroups) {
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      const auto toggled = [this, group, box] {
        Deliver([this, group, box] { DeliverVoiceToggled(selector_, group, box); });
      };
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
      QObject::connect(&form.Voice(group, box), &QCheckBox::checkStateChanged, &form.Window(),
                       toggled);
#else
      QObject::connect(&form.Voice(group, box), &QCheckBox::stateChanged, &form.Window(), toggled);
#endif
    }
  }
}

void ReportFailureAndQuit(const std::string& message) {
  const std::string said = std::string(catalogue::kStoppedAfterError) + message;
  std::fprintf(stderr, "%s\n", said.c_str());
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
    QMessageBox::critical(nullptr, FromUtf8(catalogue::kProgramName), FromUtf8(said));
  }
  QCoreApplication::exit(1);
}

}  // namespace voice_types::qt
