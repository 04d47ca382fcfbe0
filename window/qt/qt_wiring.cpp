// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/qt/qt_wiring.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "core/catalogue.h"
#include "window/qt/qt_text.h"

namespace voice_types::qt {

QtWiring::QtWiring(QtForm& form, VoiceSelector& selector, Wiring::FailureHandler on_failure)
    : Wiring(selector, std::move(on_failure)) {
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::ControlKind kind = form::kControls[slot].kind;
    QWidget* control = &form.Control(slot);
    const auto changed = [this, slot] { OnChange(slot); };
    if (kind == form::ControlKind::RadioButton) {
      // A radio button reports the change after the selection has moved, and the button
      // that lost it reports too; only the newly selected one is a choice.
      QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::toggled,
                       &form.Window(), [changed](bool selected) {
                         if (selected) changed();
                       });
    } else if (kind == form::ControlKind::CheckBox) {
      // Any change of a box's state, the program's own included, is delivered at once.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
      QObject::connect(static_cast<QCheckBox*>(control), &QCheckBox::checkStateChanged,
                       &form.Window(), changed);
#else
      QObject::connect(static_cast<QCheckBox*>(control), &QCheckBox::stateChanged, &form.Window(),
                       changed);
#endif
    }
  }
}

}  // namespace voice_types::qt

namespace voice_types {

// Prints the failure to stderr, shows it in a message box when there is a screen, and ends
// the event loop with status 1.
void ReportFailure(const std::string& message) {
  const std::string said = FailureText(message);
  std::fprintf(stderr, "%s\n", said.c_str());
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
    QMessageBox::critical(nullptr, qt::FromUtf8(catalogue::kProgramName), qt::FromUtf8(said));
  }
  QCoreApplication::exit(1);
}

}  // namespace voice_types
