// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_wiring.h"

#include <emscripten.h>

#include "window/web/web_page.h"

namespace voice_types::web {
namespace {

WebWiring* current = nullptr;

}  // namespace

WebWiring::WebWiring(WebForm&, VoiceSelector& selector, Wiring::FailureHandler on_failure)
    : Wiring(selector, std::move(on_failure)) {
  current = this;
}

WebWiring::~WebWiring() {
  if (current == this) current = nullptr;
}

}  // namespace voice_types::web

namespace voice_types {

// The page shows the failure, in words a teacher can pass on, and takes no more input.
void ReportFailure(const std::string& message) { vt_show_failure(message.data(), message.size()); }

}  // namespace voice_types

extern "C" EMSCRIPTEN_KEEPALIVE void voice_types_event(int slot) {
  if (voice_types::web::current != nullptr && slot >= 0) {
    voice_types::web::current->OnChange(static_cast<std::size_t>(slot));
  }
}
