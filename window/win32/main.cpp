// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// voice-types on Windows: builds the window, hides the voice boxes, shows it and runs until
// it is closed. Reads no settings and writes nothing.
#include <windows.h>

#include <exception>

#include "window/program.h"
#include "window/win32/win32_control_port.h"
#include "window/win32/win32_form.h"
#include "window/win32/win32_wiring.h"

namespace {

int Run(HINSTANCE instance, int show) {
  using namespace voice_types;
  Program<win32::Win32Form, win32::Win32ControlPort, win32::Win32Wiring> program(ReportFailure,
                                                                                 instance);
  if (!program.Start()) return 1;
  win32::Win32Form& form = program.form;
  ShowWindow(form.Window(), show);
  UpdateWindow(form.Window());

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) form.Dispatch(message);
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  // The window could not be built: say so rather than vanish.
  try {
    return Run(instance, show);
  } catch (const std::exception& error) {
    voice_types::ReportFailure(error.what());
    return 1;
  }
}
