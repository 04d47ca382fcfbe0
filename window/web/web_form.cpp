// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_form.h"

#include <string>

#include "window/paint.h"
#include "window/web/web_page.h"

namespace voice_types::web {
namespace {

// CSS pixels are pixels at 96 dots per inch; the browser scales them for the screen.
constexpr int kCssPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

int Pixels(int twips) { return form::ToPixels(twips, kCssPixelsPerInch); }

int ToRgb(form::Rgb rgb) { return (rgb.red << 16) | (rgb.green << 8) | rgb.blue; }

std::string IdOf(const form::ControlSpec& control) {
  std::string id(control.array);
  if (control.index != form::kNoIndex) id += "(" + std::to_string(control.index) + ")";
  return id;
}

}  // namespace

WebForm::WebForm() {
  const form::WindowSpec& window = form::kWindow;
  MakeWindowArea(Pixels(window.client_width), Pixels(window.client_height),
                 ToRgb(*form::WindowPaint(form::Contrast::Default).background), window.caption,
                 window.font_family, window.font_points * kCssPixelsPerInch / kPointsPerInch);
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::ControlSpec& control = form::kControls[slot];
    const std::string id = IdOf(control);
    // The page's style picks the mode; the form says what each mode gives each control.
    const form::Paint published = form::PaintOf(control, form::Contrast::Default);
    MakeElement({Slot(slot), static_cast<int>(control.kind), id, control.text,
                 Pixels(control.place.left), Pixels(control.place.top), Pixels(control.place.width),
                 Pixels(control.place.height),
                 published.background ? ToRgb(*published.background) : -1,
                 static_cast<int>(form::PaintOf(control, form::Contrast::More).pair),
                 control.accessible_name, control.never_shown, slot == form::TitleSlot()});
    for (std::string_view item : control.items) AddListItem(Slot(slot), item, 0);
  }
  Focus(Slot(form::LogSlot()));
}

}  // namespace voice_types::web
