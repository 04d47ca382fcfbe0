// Delivers the controls' events to the selector.
#pragma once

#include <functional>
#include <string>

#include "core/voice_selector.h"
#include "window/qt/qt_form.h"

namespace voice_types::qt {

// Told once, with a message naming what went wrong, when a handler fails.
using FailureHandler = std::function<void(const std::string& message)>;

// Exceptions must not cross Qt's event loop: each delivery runs guarded, and after the
// first failure nothing more is delivered.
class QtWiring {
 public:
  QtWiring(QtForm& form, VoiceSelector& selector, FailureHandler on_failure);

  // Runs one call into the selector under the guard.
  void Deliver(const std::function<void()>& call);
  bool Failed() const { return failed_; }

 private:
  VoiceSelector& selector_;
  FailureHandler on_failure_;
  bool failed_ = false;
};

// Prints the failure to stderr, shows it in a message box when there is a screen, and
// ends the event loop with status 1.
void ReportFailureAndQuit(const std::string& message);

}  // namespace voice_types::qt
