// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The window as a web page, built from the form table with the page's own controls.
#pragma once

#include <cstddef>

#include "window/form.h"

namespace voice_types::web {

class WebForm {
 public:
  WebForm();

  // A control is known to the page by its form table slot.
  static int Slot(std::size_t slot) { return static_cast<int>(slot); }
};

}  // namespace voice_types::web
