// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_form.h"

#include <initializer_list>
#include <span>
#include <string>
#include <utility>

#include "window/paint.h"
#include "window/web/web_page.h"

namespace voice_types::web {
namespace {

// CSS pixels are pixels at 96 dots per inch; the browser scales them for the screen.
constexpr int kCssPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

int Pixels(int twips) { return form::ToPixels(twips, kCssPixelsPerInch); }

int ToRgb(form::Rgb rgb) { return (rgb.red << 16) | (rgb.green << 8) | rgb.blue; }

// A text as a JSON string.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      quoted += "\\u00";
      quoted += "0123456789abcdef"[c >> 4];
      quoted += "0123456789abcdef"[c & 0xF];
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

// A JSON object of named fields, each value written as JSON already.
std::string Record(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
  std::string record;
  for (const auto& [name, value] : fields) {
    record += (record.empty() ? "{" : ",") + Quoted(name) + ":" + value;
  }
  return record + "}";
}

std::string List(std::span<const std::string_view> items) {
  std::string list = "[";
  for (std::string_view item : items) list += (list.size() > 1 ? "," : "") + Quoted(item);
  return list + "]";
}

std::string Flag(bool flag) { return flag ? "true" : "false"; }

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
    MakeElement(Record({{"slot", std::to_string(slot)},
                        {"kind", Quoted(form::NameOf(control.kind))},
                        {"id", Quoted(IdOf(control))},
                        {"array", Quoted(control.array)},
                        {"text", Quoted(control.text)},
                        {"items", List(control.items)},
                        {"left", std::to_string(Pixels(control.place.left))},
                        {"top", std::to_string(Pixels(control.place.top))},
                        {"width", std::to_string(Pixels(control.place.width))},
                        {"height", std::to_string(Pixels(control.place.height))},
                        {"background", std::to_string(background)},
                        {"pair", Quoted(form::NameOf(pair))},
                        {"name", Quoted(control.accessible_name)},
                        {"hidden", Flag(control.never_shown)},
                        {"title", Flag(slot == form::TitleSlot())}}));
  }
  Focus(Slot(form::LogSlot()));
}

}  // namespace voice_types::web
