// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
//
// A control's colours as a window drew them, from a picture of the control alone.
#pragma once

#include <functional>

#include "window/form.h"

namespace voice_types::tests {

struct Painted {
  form::Rgb background;
  form::Rgb text;
};

// The background at a corner clear of text, box and scroll bar; the text, the pixel of the
// caption farthest from it in contrast (right of a button's box or circle, left of any
// scroll bar).
Painted PaintedColours(const std::function<form::Rgb(int x, int y)>& pixel, int width, int height,
                       form::ControlKind kind);

}  // namespace voice_types::tests
