// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The window as a web page, built from the form table with the page's own controls.
#pragma once

namespace voice_types::web {

class WebForm {
 public:
  WebForm();
};

}  // namespace voice_types::web
