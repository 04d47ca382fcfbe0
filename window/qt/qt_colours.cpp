// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/qt/qt_colours.h"

#include <QApplication>

namespace voice_types::qt {
namespace {

QColor ToColor(form::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// A widget's own palette holds only the roles given here, or all of them where the
// platform's will not do; the rest it takes from the platform as the platform changes.
QPalette PaletteFor(const QWidget& widget, const form::Paint& paint,
                    const std::optional<QPalette>& own, bool has_text) {
  QPalette palette = own.value_or(QPalette());
  const QPalette colours = own.value_or(QApplication::palette());
  if (paint.background) {
    palette.setColor(widget.backgroundRole(), ToColor(*paint.background));
    // The caption only: a box's indicator keeps the platform's field colours.
    if (has_text) palette.setColor(widget.foregroundRole(), ToColor(form::kBlack));
  } else if (paint.pair == form::Pair::Button) {
    palette.setColor(widget.backgroundRole(), colours.color(QPalette::Button));
    palette.setColor(widget.foregroundRole(), colours.color(QPalette::ButtonText));
  }
  return palette;
}

}  // namespace

form::Rgb ToRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

std::optional<QPalette> ContrastPalette(const QPalette& platform) {
  for (const auto& pair : kPalettePairs) {
    if (form::ContrastRatio(ToRgb(platform.color(pair[0])), ToRgb(platform.color(pair[1]))) <
        form::kEnhancedContrast) {
      QPalette palette(ToColor(form::kBlack), ToColor(form::kWhite));
      for (const auto& each : kPalettePairs) {
        palette.setColor(each[0], ToColor(form::kWhite));
        palette.setColor(each[1], ToColor(form::kBlack));
      }
      return palette;
    }
  }
  return std::nullopt;
}

// The window has no text of its own: black set there would reach the text boxes too.
void PaintForm(QWidget& window, const std::array<QWidget*, form::kControlCount>& controls,
               form::Contrast contrast) {
  const std::optional<QPalette> own =
      contrast == form::Contrast::More ? ContrastPalette(QApplication::palette()) : std::nullopt;
  window.setPalette(PaletteFor(window, form::WindowPaint(contrast), own, false));
  window.setAutoFillBackground(true);
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::Paint paint = form::PaintOf(form::kControls[slot], contrast);
    controls[slot]->setPalette(PaletteFor(*controls[slot], paint, own, true));
    // Text boxes and the list fill their own field; the rest show the colour given them.
    controls[slot]->setAutoFillBackground(paint.pair != form::Pair::Field);
  }
}

}  // namespace voice_types::qt
