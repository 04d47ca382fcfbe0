// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
//
// What each control is painted with, in each contrast mode: the table's colours with black
// text, or one of the platform's own colour pairs. Every front end turns this into its own
// colours; none decides them itself.
#pragma once

#include <optional>
#include <string_view>

#include "window/form.h"

namespace voice_types::form {

// Whether the user asked the platform for more contrast (a high-contrast theme).
enum class Contrast { Default, More };

// The platform's pairs of background and text colour: a window's, an input field's (text
// boxes and lists), and a button's.
enum class Pair { Window, Field, Button };

// The pair's name where a control is described as text: "window", "field", "button".
std::string_view NameOf(Pair pair);

struct Paint {
  Pair pair;                      // the platform's pair, where no table colour is given
  std::optional<Rgb> background;  // the table's colour, always under black text
};

inline constexpr Rgb kBlack{0x00, 0x00, 0x00};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

Paint PaintOf(const ControlSpec& control, Contrast contrast);
Paint WindowPaint(Contrast contrast);

// The WCAG contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(Rgb first, Rgb second);
// What WCAG asks of text in a high-contrast mode.
inline constexpr double kEnhancedContrast = 7.0;

}  // namespace voice_types::form
