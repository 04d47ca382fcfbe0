// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/paint.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace voice_types::form {
namespace {

Pair PairOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::ListBox:
      return Pair::Field;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      return Pair::Button;
    case ControlKind::Label:
      return Pair::Window;
  }
  return Pair::Window;
}

double Linear(std::uint8_t channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

}  // namespace

// By default the published colours, with black text whatever the platform's text colour is:
// on a dark scheme its light text would be unreadable on them. With more contrast asked
// for, no table colour at all.
Paint PaintOf(const ControlSpec& control, Contrast contrast) {
  const Pair pair = PairOf(control.kind);
  if (contrast == Contrast::More) return {pair, std::nullopt};
  return {pair, control.background};
}

std::string_view NameOf(Pair pair) {
  switch (pair) {
    case Pair::Window:
      return "window";
    case Pair::Field:
      return "field";
    case Pair::Button:
      return "button";
  }
  throw std::logic_error("unknown colour pair");
}

Paint WindowPaint(Contrast contrast) {
  if (contrast == Contrast::More) return {Pair::Window, std::nullopt};
  return {Pair::Window, kWindow.background};
}

double ContrastRatio(Rgb first, Rgb second) {
  const double a = Luminance(first);
  const double b = Luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace voice_types::form
