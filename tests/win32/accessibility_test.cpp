// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <oleacc.h>

#include <cstdio>

#include "tests/win32/win32_window.h"
#include "window/win32/win32_accessible_names.h"

namespace voice_types::win32 {
namespace {

using form::ControlKind;

// IID_IAccessible as oleacc.h gives it; MinGW's import library defines the symbol as code.
constexpr IID kAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

long RoleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
      return ROLE_SYSTEM_TEXT;
    case ControlKind::Label:
      return ROLE_SYSTEM_STATICTEXT;
    case ControlKind::RadioButton:
      return ROLE_SYSTEM_RADIOBUTTON;
    case ControlKind::CheckBox:
      return ROLE_SYSTEM_CHECKBUTTON;
    case ControlKind::ListBox:
      return ROLE_SYSTEM_LIST;
  }
  return 0;
}

bool OnWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

struct Read {
  long role = 0;
  std::string name;
};

Read ReadAccessible(HWND control) {
  IAccessible* object = nullptr;
  EXPECT_EQ(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kAccessible,
                                       reinterpret_cast<void**>(&object)),
            S_OK);
  Read read;
  if (object == nullptr) return read;
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role;
  VariantInit(&role);
  if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) read.role = role.lVal;
  BSTR name = nullptr;
  if (object->get_accName(self, &name) == S_OK && name != nullptr) {
    read.name = Narrow(name);
    SysFreeString(name);
  }
  object->Release();
  return read;
}

// Every control as a screen reader sees it: its role, and its caption or given name.
// Wine's oleacc (8.0) has a proxy for edit controls only and reports the others with the
// generic client role; its annotation service answers E_NOTIMPL, so the names given to the
// log, the note list and the hidden box cannot be read back there.
TEST(Win32AccessibilityTest, EveryControlHasItsRoleAndName) {
  tests::Win32Window window;
  AccessibleNames probe;
  const bool annotations_work = probe.Name(window.form.Window(), "probe") == S_OK;
  if (!annotations_work) std::puts("note: this system cannot annotate names (Wine's oleacc)");
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::ControlSpec& entry = form::kControls[slot];
    SCOPED_TRACE(form::IdOf(entry));
    const Read read = ReadAccessible(window.form.Control(slot));
    const bool generic = OnWine() && entry.kind != ControlKind::TextBox;
    EXPECT_EQ(read.role, generic ? ROLE_SYSTEM_CLIENT : RoleOf(entry.kind));
    if (entry.accessible_name.empty()) {
      EXPECT_EQ(read.name, entry.text);
    } else if (annotations_work) {
      EXPECT_EQ(read.name, entry.accessible_name);
    } else {
      EXPECT_EQ(read.name, "") << "no name at all rather than a wrong one";
    }
  }
}

}  // namespace
}  // namespace voice_types::win32
