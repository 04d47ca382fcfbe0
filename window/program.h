// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The program as every front end assembles it, and as the tests assemble it: the window,
// the port on its controls, the selector, and the wiring from the controls to the selector.
#pragma once

#include <utility>

#include "core/voice_selector.h"
#include "window/wiring.h"

namespace voice_types {

template <class Form, class Port, class FrontWiring>
struct Program {
  template <class... FormArguments>
  explicit Program(Wiring::FailureHandler on_failure, FormArguments&&... form_arguments)
      : form(std::forward<FormArguments>(form_arguments)...),
        wiring(form, selector, std::move(on_failure)) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Hides the voice boxes and shows the exercise; false when that failed, already reported.
  bool Start() {
    wiring.Deliver([this] { selector.OnWindowLoaded(); });
    return !wiring.Failed();
  }

  Form form;
  Port port{form};
  VoiceSelector selector{port};
  FrontWiring wiring;
};

}  // namespace voice_types
