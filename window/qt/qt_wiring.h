// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Delivers the controls' events to the selector.
#pragma once

#include "window/qt/qt_form.h"
#include "window/wiring.h"

namespace voice_types::qt {

// Connects the radio buttons and check boxes to the selector, every delivery guarded.
class QtWiring : public Wiring {
 public:
  QtWiring(QtForm& form, VoiceSelector& selector, Wiring::FailureHandler on_failure);
};

}  // namespace voice_types::qt
