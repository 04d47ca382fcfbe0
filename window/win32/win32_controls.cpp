// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_controls.h"

#include <algorithm>
#include <stdexcept>

#include "window/win32/win32_text.h"

namespace voice_types::win32 {
namespace {

using form::ControlKind;

constexpr int kFirstControlId = 100;

struct ControlClass {
  ControlKind kind;
  const wchar_t* name;
  DWORD style;
  DWORD extended_style;
};

constexpr ControlClass kClasses[] = {
    {ControlKind::TextBox, L"EDIT",
     WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_LEFT,
     WS_EX_CLIENTEDGE},
    {ControlKind::Label, L"STATIC", SS_LEFT, 0},
    {ControlKind::RadioButton, L"BUTTON", BS_AUTORADIOBUTTON, 0},
    {ControlKind::CheckBox, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {ControlKind::ListBox, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
     WS_EX_CLIENTEDGE},
};

const ControlClass& ClassOf(ControlKind kind) {
  const auto* found =
      std::find_if(std::begin(kClasses), std::end(kClasses),
                   [kind](const ControlClass& entry) { return entry.kind == kind; });
  if (found == std::end(kClasses)) throw std::logic_error("unknown control kind");
  return *found;
}

// A control whose array differs from the one before starts a group: the arrow keys move
// within it, and the radio buttons of one group exclude each other.
DWORD GroupStyleOf(std::size_t slot) {
  const bool first = slot == 0 || form::kControls[slot - 1].array != form::kControls[slot].array;
  if (!first) return 0;
  // The first radio button is the group's tab stop until one is selected.
  return form::kControls[slot].kind == ControlKind::RadioButton ? WS_GROUP | WS_TABSTOP : WS_GROUP;
}

HMENU IdOf(std::size_t slot) {
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + slot));
}

}  // namespace

Controls CreateControls(HWND window, HINSTANCE instance) {
  Controls controls{};
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::ControlSpec& entry = form::kControls[slot];
    const ControlClass& kind = ClassOf(entry.kind);
    const DWORD visible = entry.never_shown ? 0 : WS_VISIBLE;
    HWND control = CreateWindowExW(kind.extended_style, kind.name, Widen(entry.text).c_str(),
                                   WS_CHILD | visible | kind.style | GroupStyleOf(slot), 0, 0, 0, 0,
                                   window, IdOf(slot), instance, nullptr);
    if (control == nullptr) throw std::runtime_error("a control could not be created");
    for (std::string_view item : entry.items) {
      const LRESULT row =
          SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
      SendMessageW(control, LB_SETITEMDATA, static_cast<WPARAM>(row), 0);
    }
    controls[slot] = control;
  }
  return controls;
}

HWND CreateAnnouncer(HWND window, HINSTANCE instance) {
  HWND announcer = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0,
                                   window, IdOf(form::kControlCount), instance, nullptr);
  if (announcer == nullptr) throw std::runtime_error("the announcer could not be created");
  return announcer;
}

std::size_t SlotOf(HWND control) {
  return static_cast<std::size_t>(GetDlgCtrlID(control) - kFirstControlId);
}

}  // namespace voice_types::win32
