// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// voice-types in a browser: builds the page's window, hides the voice boxes and leaves the
// page to its events. Reads nothing, stores nothing and fetches nothing.
#include <emscripten.h>

#include <exception>
#include <string>

#include "window/program.h"
#include "window/web/web_control_port.h"
#include "window/web/web_form.h"
#include "window/web/web_page.h"
#include "window/web/web_wiring.h"

namespace {

using namespace voice_types;

using WebProgram = Program<web::WebForm, web::WebControlPort, web::WebWiring>;

// The page lives on after main returns, and so does the window.
WebProgram* program = nullptr;

}  // namespace

// The log exactly, CR LF included, for whoever reads the page (its tests).
extern "C" EMSCRIPTEN_KEEPALIVE const char* voice_types_log() {
  static std::string copy;
  copy = program != nullptr ? std::string(program->port.LogText().View()) : std::string();
  return copy.c_str();
}

int main() {
  // The window could not be built: say so rather than show half a page.
  try {
    // A lambda, not the function itself: a function pointer in std::function brings RTTI in.
    program = new WebProgram([](const std::string& message) { ReportFailure(message); });
    program->Start();
  } catch (const std::exception& error) {
    ReportFailure(error.what());
  }
  vt_ready();
  return 0;
}
