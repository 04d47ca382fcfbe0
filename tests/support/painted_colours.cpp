// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/support/painted_colours.h"

#include "window/paint.h"

namespace voice_types::tests {

Painted PaintedColours(const std::function<form::Rgb(int x, int y)>& pixel, int width, int height,
                       form::ControlKind kind) {
  using form::ControlKind;
  const bool field = kind == ControlKind::TextBox || kind == ControlKind::ListBox;
  const bool button = kind == ControlKind::RadioButton || kind == ControlKind::CheckBox;
  Painted painted{pixel(width - (field ? 24 : 3), height - 4), {}};
  painted.text = painted.background;
  double farthest = 1;
  for (int y = 3; y < height - 3; ++y) {
    for (int x = button ? 20 : 3; x < width - 20; ++x) {
      const double ratio = form::ContrastRatio(pixel(x, y), painted.background);
      if (ratio > farthest) {
        farthest = ratio;
        painted.text = pixel(x, y);
      }
    }
  }
  return painted;
}

}  // namespace voice_types::tests
