// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// voice-types on Linux: builds the window, hides the voice boxes, shows it and runs until
// it is closed. Reads no settings and writes nothing.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "core/catalogue.h"
#include "window/program.h"
#include "window/qt/qt_control_port.h"
#include "window/qt/qt_form.h"
#include "window/qt/qt_termination.h"
#include "window/qt/qt_wiring.h"

namespace {

// Without this Qt aborts with a long message about its platform plugins.
bool HasGraphicalSession() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

int Run(QApplication& app) {
  using namespace voice_types;
  Program<qt::QtForm, qt::QtControlPort, qt::QtWiring> program(ReportFailure);
  if (!program.Start()) return 1;
  qt::CloseOnTerminationSignal(program.form.Window());
  program.form.Window().show();
  return app.exec();
}

}  // namespace

int main(int, char** argv) {
  if (!HasGraphicalSession()) {
    std::fwrite(voice_types::catalogue::kNeedsGraphicalSession.data(), 1,
                voice_types::catalogue::kNeedsGraphicalSession.size(), stderr);
    return 2;
  }
  voice_types::qt::HoldTerminationSignals();
  // The program reads no command line: Qt gets only its name, so that no option of Qt's
  // (-reverse, -stylesheet, -qwindowtitle ...) changes the window.
  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  QApplication app(qt_argc, qt_argv);
  // Desktops match the window to its entry by this name: the dock, the task switcher, pinning.
  QGuiApplication::setDesktopFileName(QStringLiteral(VOICE_TYPES_APP_ID));
  // The window could not be built: say so rather than vanish.
  try {
    return Run(app);
  } catch (const std::exception& error) {
    voice_types::ReportFailure(error.what());
    return 1;
  }
}
