// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_accessible_names.h"

#include <oleacc.h>

#include "window/win32/win32_text.h"

namespace voice_types::win32 {
namespace {

// oleacc.h's identifiers, held here: the import libraries that define them also define
// IID_IAccessible twice, and a program that uses both cannot link.
constexpr CLSID kServiceClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kServiceInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr MSAAPROPID kNameProperty = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
// UI Automation's LiveSetting property, and its value Polite.
constexpr MSAAPROPID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED

}  // namespace

AccessibleNames::AccessibleNames() {
  com_started_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  CoCreateInstance(kServiceClass, nullptr, CLSCTX_INPROC_SERVER, kServiceInterface,
                   reinterpret_cast<void**>(&service_));
}

AccessibleNames::~AccessibleNames() {
  Clear();
  if (service_ != nullptr) service_->Release();
  if (com_started_) CoUninitialize();
}

HRESULT AccessibleNames::Name(HWND control, std::string_view name) {
  if (service_ == nullptr) return REGDB_E_CLASSNOTREG;
  const HRESULT result = service_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                                  CHILDID_SELF, kNameProperty, Widen(name).c_str());
  if (SUCCEEDED(result)) set_.emplace_back(control, kNameProperty);
  return result;
}

HRESULT AccessibleNames::Polite(HWND control) {
  if (service_ == nullptr) return REGDB_E_CLASSNOTREG;
  VARIANT polite{};  // as VariantInit leaves it, without linking OLEAUT32 for it
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  const HRESULT result = service_->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT),
                                               CHILDID_SELF, kLiveSettingProperty, polite);
  if (SUCCEEDED(result)) set_.emplace_back(control, kLiveSettingProperty);
  return result;
}

void AccessibleNames::Clear() {
  for (auto [control, property] : set_) {
    service_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &property, 1);
  }
  set_.clear();
}

void Announce(HWND region, std::string_view line) {
  SetWindowTextW(region, Widen(line).c_str());
  NotifyWinEvent(kLiveRegionChanged, region, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace voice_types::win32
