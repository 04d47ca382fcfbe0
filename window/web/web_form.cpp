// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_form.h"

#include <string>

#include "window/form.h"
#include "window/paint.h"
#include "window/web/web_json.h"
#include "window/web/web_page.h"

namespace voice_types::web {
namespace {

// CSS pixels are pixels at 96 dots per inch; the browser scales them for the screen.
constexpr int kCssPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

std::string Pixels(int twips) { return std::to_string(form::ToPixels(twips, kCssPixelsPerInch)); }

std::string Colour(form::Rgb rgb) {
  return std::to_string((rgb.red << 16) | (rgb.green << 8) | rgb.blue);
}

std::string WindowRecord() {
  const form::WindowSpec& window = form::kWindow;
  return JsonRecord(
      {{"width", Pixels(window.client_width)},
       {"height", Pixels(window.client_height)},
       {"background", Colour(*form::WindowPaint(form::Contrast::Default).background)},
       {"caption", JsonText(window.caption)},
       {"font", JsonText(window.font_family)},
       {"fontPixels", std::to_string(window.font_points * kCssPixelsPerInch / kPointsPerInch)}});
}

// The page's style picks the contrast mode; the record says what each mode gives the control.
std::string ControlRecord(std::size_t slot) {
  const form::ControlSpec& control = form::kControls[slot];
  const form::Paint published = form::PaintOf(control, form::Contrast::Default);
  return JsonRecord(
      {{"slot", std::to_string(slot)},
       {"kind", JsonText(form::NameOf(control.kind))},
       {"id", JsonText(form::IdOf(control))},
       {"array", JsonText(control.array)},
       {"text", JsonText(control.text)},
       {"items", JsonTexts(control.items)},
       {"left", Pixels(control.place.left)},
       {"top", Pixels(control.place.top)},
       {"width", Pixels(control.place.width)},
       {"height", Pixels(control.place.height)},
       {"background", published.background ? Colour(*published.background) : "-1"},
       {"pair", JsonText(form::NameOf(form::PaintOf(control, form::Contrast::More).pair))},
       {"name", JsonText(control.accessible_name)},
       {"hidden", JsonFlag(control.never_shown)},
       {"title", JsonFlag(slot == form::TitleSlot())}});
}

}  // namespace

WebForm::WebForm() {
  const std::string window = WindowRecord();
  vt_make_window(window.data(), window.size());
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const std::string control = ControlRecord(slot);
    vt_make_element(control.data(), control.size());
  }
  vt_focus(form::LogSlot());
}

}  // namespace voice_types::web
