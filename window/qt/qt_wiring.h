// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Delivers the controls' events to the selector.
#pragma once

#include <functional>
#include <string>

#include "core/voice_selector.h"
#include "window/delivery_guard.h"
#include "window/qt/qt_form.h"

namespace voice_types::qt {

// Connects the radio buttons and check boxes to the selector, every delivery guarded.
class QtWiring {
 public:
  QtWiring(QtForm& form, VoiceSelector& selector, DeliveryGuard::FailureHandler on_failure);

  // Runs one call into the selector under the guard.
  void Deliver(const std::function<void()>& call) { guard_.Run(call); }
  bool Failed() const { return guard_.Failed(); }

 private:
  VoiceSelector& selector_;
  DeliveryGuard guard_;
};

// Prints the failure to stderr, shows it in a message box when there is a screen, and
// ends the event loop with status 1.
void ReportFailureAndQuit(const std::string& message);

}  // namespace voice_types::qt
