// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_form.h"

#include <string>

#include "window/paint.h"
#include "window/web/web_json.h"
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
    // The page's style picks the mode; the form says what each mode gives each control.
    const form::Paint published = form::PaintOf(control, form::Contrast::Default);
    const int background = published.background ? ToRgb(*published.background) : -1;
    const form::Pair pair = form::PaintOf(control, form::Contrast::More).pair;
    MakeElement(JsonRecord({{"slot", std::to_string(slot)},
                            {"kind", JsonText(form::NameOf(control.kind))},
                            {"id", JsonText(IdOf(control))},
                            {"array", JsonText(control.array)},
                            {"text", JsonText(control.text)},
                            {"items", JsonTexts(control.items)},
                            {"left", std::to_string(Pixels(control.place.left))},
                            {"top", std::to_string(Pixels(control.place.top))},
                            {"width", std::to_string(Pixels(control.place.width))},
                            {"height", std::to_string(Pixels(control.place.height))},
                            {"background", std::to_string(background)},
                            {"pair", JsonText(form::NameOf(pair))},
                            {"name", JsonText(control.accessible_name)},
                            {"hidden", JsonFlag(control.never_shown)},
                            {"title", JsonFlag(slot == form::TitleSlot())}}));
  }
  Focus(Slot(form::LogSlot()));
}

}  // namespace voice_types::web
