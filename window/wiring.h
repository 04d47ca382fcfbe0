// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Delivers the controls' events to the selector, by form table slot. Each front end's wiring
// turns its toolkit's events into these calls.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "core/voice_selector.h"

namespace voice_types {

class Wiring {
 public:
  // Told once, with a message naming what went wrong.
  using FailureHandler = std::function<void(const std::string& message)>;

  Wiring(VoiceSelector& selector, FailureHandler on_failure);

  // Runs one call into the selector under the delivery guard: no exception crosses the
  // toolkit's event loop, the first failure is handed on once, and nothing is delivered
  // after it.
  void Deliver(const std::function<void()>& call);
  bool Failed() const { return failed_; }

  // The control at a slot changed: a radio button became selected, or a voice box toggled.
  void OnChange(std::size_t slot);

 private:
  VoiceSelector& selector_;
  FailureHandler on_failure_;
  bool failed_ = false;
};

// The failure's words as the program says them, after the line that it stopped.
std::string FailureText(const std::string& message);

// Says that the program stopped after a failure, and ends it with status 1. Each front end
// says it in its own way.
void ReportFailure(const std::string& message);

}  // namespace voice_types
