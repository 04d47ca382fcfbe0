// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>

#include "core/catalogue.h"
#include "tests/support/painted_colours.h"
#include "tests/win32/win32_window.h"
#include "window/paint.h"

namespace voice_types::win32 {
namespace {

using form::ControlKind;
using tests::Win32Window;

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  std::wstring lower(name);
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  return lower;
}

struct KindCase {
  ControlKind kind;
  const wchar_t* window_class;
  DWORD type_mask;  // the bits that hold a control's type, and the type they must hold
  DWORD type;
  DWORD required;   // style bits that must be set
  DWORD forbidden;  // style bits that must not be
};

const KindCase kKinds[] = {
    {ControlKind::TextBox, L"edit", 0, 0, ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP,
     WS_HSCROLL | ES_AUTOHSCROLL},
    {ControlKind::Label, L"static", SS_TYPEMASK, SS_LEFT, 0, WS_TABSTOP},
    {ControlKind::RadioButton, L"button", BS_TYPEMASK, BS_AUTORADIOBUTTON, 0, 0},
    {ControlKind::CheckBox, L"button", BS_TYPEMASK, BS_AUTOCHECKBOX, WS_TABSTOP, 0},
    {ControlKind::ListBox, L"listbox", 0, 0, LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
     LBS_SORT | LBS_OWNERDRAWFIXED},
};

void ExpectPlacedAt(Win32Window& window, int dpi) {
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::Twips& twips = form::kControls[slot].place;
    const RECT place = window.PlaceOf(window.form.Control(slot));
    SCOPED_TRACE(slot);
    EXPECT_EQ(place.left, form::ToPixels(twips.left, dpi));
    EXPECT_EQ(place.top, form::ToPixels(twips.top, dpi));
    EXPECT_EQ(place.right - place.left, form::ToPixels(twips.width, dpi));
    EXPECT_EQ(place.bottom - place.top, form::ToPixels(twips.height, dpi));
  }
  RECT client;
  GetClientRect(window.form.Window(), &client);
  EXPECT_EQ(client.right, form::ToPixels(form::kWindow.client_width, dpi));
  EXPECT_EQ(client.bottom, form::ToPixels(form::kWindow.client_height, dpi));
  LOGFONTW font{};
  GetObjectW(window.form.Font(), sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(12, dpi, 72));
}

TEST(Win32LayoutTest, EveryControlHasItsClassStyleTextAndVisibility) {
  Win32Window window;
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::ControlSpec& entry = form::kControls[slot];
    HWND control = window.form.Control(slot);
    SCOPED_TRACE(slot);
    EXPECT_EQ(GetParent(control), window.form.Window());
    for (const KindCase& kind : kKinds) {
      if (kind.kind != entry.kind) continue;
      const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
      EXPECT_EQ(ClassName(control), kind.window_class);
      EXPECT_EQ(style & kind.type_mask, kind.type);
      EXPECT_EQ(style & kind.required, kind.required);
      EXPECT_EQ(style & kind.forbidden, 0u);
    }
    if (entry.kind != ControlKind::ListBox) {
      EXPECT_EQ(WindowText(control), entry.text);
    }
    const bool hidden = entry.never_shown || entry.kind == ControlKind::CheckBox;
    EXPECT_EQ(IsWindowVisible(control) != FALSE, !hidden);
  }
}

TEST(Win32LayoutTest, PlacesAndSizesFollowTheTableAt96And144Dpi) {
  Win32Window window;
  ASSERT_EQ(window.form.Dpi(), 96);
  ExpectPlacedAt(window, 96);

  RECT suggested{10, 10, 800, 600};
  SendMessageW(window.form.Window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window.form.Dpi(), 144);
  ExpectPlacedAt(window, 144);
}

TEST(Win32LayoutTest, OneFontOnEveryControl) {
  Win32Window window;
  LOGFONTW font{};
  ASSERT_NE(GetObjectW(window.form.Font(), sizeof(font), &font), 0);
  EXPECT_STREQ(font.lfFaceName, L"Times New Roman");
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
  EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
  EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    HWND control = window.form.Control(slot);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), window.form.Font());
  }
}

TEST(Win32LayoutTest, WindowHasItsCaptionAndIconsAndCannotBeResized) {
  Win32Window window;
  EXPECT_EQ(WindowText(window.form.Window()), catalogue::kWindowCaption);
  // The caption's icon and the task bar's, of the window's class.
  EXPECT_NE(GetClassLongPtrW(window.form.Window(), GCLP_HICON), 0u) << "no large icon";
  EXPECT_NE(GetClassLongPtrW(window.form.Window(), GCLP_HICONSM), 0u) << "no small icon";
  const auto style = static_cast<DWORD>(GetWindowLongW(window.form.Window(), GWL_STYLE));
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
  EXPECT_NE(style & WS_CAPTION, 0u);
}

TEST(Win32LayoutTest, NoteListHoldsTheSevenItemsInOrderWithNothingSelected) {
  Win32Window window;
  HWND list = window.form.Control(13);
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 7);
  for (int row = 0; row < 7; ++row) {
    wchar_t text[32] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(Narrow(text), catalogue::kNoteItems[static_cast<std::size_t>(row)]);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0), 0);
  }
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
}

// What the window answers when a control asks for its colours before painting.
struct Painted {
  COLORREF background;
  COLORREF brush;
};

Painted PaintColours(Win32Window& window, HWND control, UINT message) {
  HDC dc = CreateCompatibleDC(nullptr);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(window.form.Window(), message,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(control)));
  const Painted painted{GetBkColor(dc), 0};
  DeleteDC(dc);
  LOGBRUSH logbrush{};
  GetObjectW(brush, sizeof(logbrush), &logbrush);
  return {painted.background, logbrush.lbColor};
}

TEST(Win32LayoutTest, EveryControlPaintsItsTableColour) {
  Win32Window window;
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::ControlSpec& entry = form::kControls[slot];
    SCOPED_TRACE(slot);
    const COLORREF expected = entry.background ? RGB(entry.background->red, entry.background->green,
                                                     entry.background->blue)
                                               : GetSysColor(COLOR_WINDOW);
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX}) {
      const Painted painted = PaintColours(window, window.form.Control(slot), message);
      EXPECT_EQ(painted.background, expected);
      EXPECT_EQ(painted.brush, expected);
    }
  }
}

form::Rgb ToRgb(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// A control's colours as it draws its client area into a bitmap (Wine's PrintWindow draws
// no children into a window's).
voice_types::tests::Painted PaintedColoursOf(HWND control, ControlKind kind) {
  RECT client;
  GetClientRect(control, &client);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PrintWindow(control, dc, PW_CLIENTONLY);
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  const auto painted = voice_types::tests::PaintedColours(
      [&](int x, int y) {
        const std::uint32_t pixel = pixels[y * client.right + x];
        return form::Rgb{static_cast<std::uint8_t>(pixel >> 16),
                         static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel)};
      },
      client.right, client.bottom, kind);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return painted;
}

bool high_contrast_on = false;
bool FakeHighContrast() { return high_contrast_on; }

// Each contrast mode under Windows' own scheme and a dark one, switched while the window
// runs, with only the message Windows sends for each change: by default the table's colours under
// black text and the system's window colours on the log and the list; with high contrast, the
// system's window pair everywhere but on radio buttons and check boxes, which take its button pair.
TEST(Win32LayoutTest, PaintedColoursFollowTheContrastModeUnderLightAndDarkSchemes) {
  const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
  COLORREF light[4];
  for (int i = 0; i < 4; ++i) light[i] = GetSysColor(elements[i]);
  const COLORREF dark[4] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(32, 32, 32), RGB(255, 255, 0)};
  // A new scheme alone comes as WM_SYSCOLORCHANGE; high contrast switched, as WM_SETTINGCHANGE.
  const struct {
    const char* name;
    const COLORREF* scheme;
    bool high_contrast;
    UINT message;
  } modes[] = {{"light", light, false, WM_SETTINGCHANGE},
               {"dark", dark, false, WM_SYSCOLORCHANGE},
               {"dark, high contrast", dark, true, WM_SETTINGCHANGE},
               {"light, high contrast", light, true, WM_SETTINGCHANGE},
               {"light again", light, false, WM_SETTINGCHANGE}};
  Win32Window window(FakeHighContrast);
  HWND alto = window.form.Voice(VoiceGroup::Female, 2);
  window.Click(window.form.Option(0));
  window.Click(alto);
  SetFocus(alto);
  const std::string log = window.Log();
  for (const auto& mode : modes) {
    SCOPED_TRACE(mode.name);
    SetSysColors(4, elements, mode.scheme);
    high_contrast_on = mode.high_contrast;
    SendMessageW(window.form.Window(), mode.message,
                 mode.message == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0);
    window.Pump();
    double lowest = 21;
    for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
      const form::ControlSpec& entry = form::kControls[slot];
      if (!IsWindowVisible(window.form.Control(slot))) continue;
      SCOPED_TRACE(slot);
      const int pair = mode.high_contrast && (entry.kind == ControlKind::RadioButton ||
                                              entry.kind == ControlKind::CheckBox)
                           ? 2
                           : 0;
      const bool table = entry.background && !mode.high_contrast;
      const auto painted = PaintedColoursOf(window.form.Control(slot), entry.kind);
      EXPECT_EQ(painted.background, table ? *entry.background : ToRgb(mode.scheme[pair]));
      EXPECT_EQ(painted.text, table ? form::kBlack : ToRgb(mode.scheme[pair + 1]));
      lowest = std::min(lowest, form::ContrastRatio(painted.background, painted.text));
    }
    const auto window_colours = PaintedColoursOf(window.form.Window(), ControlKind::Label);
    EXPECT_EQ(window_colours.background,
              mode.high_contrast ? ToRgb(mode.scheme[0]) : form::kWindow.background);
    if (mode.high_contrast) {
      EXPECT_GE(lowest, form::kEnhancedContrast);
    }
    std::printf("%s: lowest contrast %.2f:1\n", mode.name, lowest);
    EXPECT_EQ(window.Log(), log);
    EXPECT_EQ(GetFocus(), alto);
    EXPECT_TRUE(tests::IsChecked(alto));
  }
}

// The tab chain itself is a drill shared with Linux (window_drills.h).
TEST(Win32LayoutTest, TheFocusGoesToTheLogOnlyOnceShownAndTheLiveRegionTakesNoRoom) {
  {
    // Focus given before the window is shown is lost: Wine falls back to the first tab stop.
    const Win32Form unshown(GetModuleHandleW(nullptr));
    EXPECT_EQ(GetFocus(), nullptr) << "a form not yet shown has given nobody the focus";
  }
  Win32Window window;
  EXPECT_EQ(GetFocus(), window.form.Log());
  RECT announcer;
  GetWindowRect(window.form.Announcer(), &announcer);
  EXPECT_TRUE(IsRectEmpty(&announcer)) << "the live region takes no room";
}

}  // namespace
}  // namespace voice_types::win32
