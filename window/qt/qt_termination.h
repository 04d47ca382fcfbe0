// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The end of a session (SIGTERM, SIGHUP) or Ctrl+C in a terminal closes the window as its
// close button would, so the program ends as it always does, with status 0.
#pragma once

class QWidget;

namespace voice_types::qt {

// Called before Qt starts any thread, so every thread leaves these signals to the window.
void HoldTerminationSignals();

// Closes the window when one of the held signals arrives.
void CloseOnTerminationSignal(QWidget& window);

}  // namespace voice_types::qt
