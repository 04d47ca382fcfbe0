// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_colours.h"

namespace voice_types::win32 {
namespace {

COLORREF ToColorRef(form::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

Win32Colours::Colours ColoursOf(const form::Paint& paint) {
  COLORREF background;
  COLORREF text;
  if (paint.background) {
    background = ToColorRef(*paint.background);
    text = ToColorRef(form::kBlack);
  } else if (paint.pair == form::Pair::Button) {
    background = GetSysColor(COLOR_BTNFACE);
    text = GetSysColor(COLOR_BTNTEXT);
  } else {
    background = GetSysColor(COLOR_WINDOW);
    text = GetSysColor(COLOR_WINDOWTEXT);
  }
  return {background, text, CreateSolidBrush(background)};
}

}  // namespace

bool ReadHighContrast() {
  HIGHCONTRASTW setting{};
  setting.cbSize = sizeof(setting);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0) != FALSE &&
         (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Win32Colours::Win32Colours(HighContrastReader reader) : reader_(reader) { Refresh(); }

Win32Colours::~Win32Colours() { Release(); }

void Win32Colours::Refresh() {
  Release();
  mode_ = reader_() ? form::Contrast::More : form::Contrast::Default;
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    controls_[slot] = ColoursOf(form::PaintOf(form::kControls[slot], mode_));
  }
  window_ = ColoursOf(form::WindowPaint(mode_));
}

// A read-only edit asks as a static would, and gets an edit's colours all the same.
LRESULT Win32Colours::Answer(std::size_t slot, HDC dc) const {
  if (slot >= form::kControlCount) return 0;
  const Colours& colours = controls_[slot];
  SetTextColor(dc, colours.text);
  SetBkColor(dc, colours.background);
  return reinterpret_cast<LRESULT>(colours.brush);
}

void Win32Colours::Release() {
  for (Colours& colours : controls_) {
    if (colours.brush != nullptr) DeleteObject(colours.brush);
    colours.brush = nullptr;
  }
  if (window_.brush != nullptr) DeleteObject(window_.brush);
  window_.brush = nullptr;
}

}  // namespace voice_types::win32
