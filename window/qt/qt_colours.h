// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
//
// The palettes of the window and of each control in each contrast mode: the table's colours
// under black text, or with more contrast asked for only the platform's own pairs.
#pragma once

#include <QPalette>
#include <QWidget>
#include <array>
#include <optional>

#include "window/form.h"
#include "window/paint.h"

namespace voice_types::qt {

// The palette's pairs of background and text: a window's, a field's, a button's.
inline constexpr QPalette::ColorRole kPalettePairs[][2] = {
    {QPalette::Window, QPalette::WindowText},
    {QPalette::Base, QPalette::Text},
    {QPalette::Button, QPalette::ButtonText}};

form::Rgb ToRgb(const QColor& colour);

// Black on white where one of the platform's text and background pairs falls short of 7:1;
// nothing where the platform's palette serves as it is.
std::optional<QPalette> ContrastPalette(const QPalette& platform);

void PaintForm(QWidget& window, const std::array<QWidget*, form::kControlCount>& controls,
               form::Contrast contrast);

}  // namespace voice_types::qt
