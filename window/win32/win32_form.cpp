// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_form.h"

#include <stdexcept>

#include "window/win32/resource_ids.h"
#include "window/win32/win32_text.h"

namespace voice_types::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"VoiceTypesWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The window's class: its procedure, its icon at both sizes and the arrow cursor.
void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hIcon = static_cast<HICON>(LoadImageW(
      instance, MAKEINTRESOURCEW(VOICE_TYPES_ICON_ID), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  window_class.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(VOICE_TYPES_ICON_ID), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  window_class.lpszClassName = kWindowClass;
  RegisterClassExW(&window_class);
}

}  // namespace

Win32Form::Win32Form(HINSTANCE instance, HighContrastReader high_contrast)
    : colours_(high_contrast) {
  RegisterWindowClass(instance, WindowProc);
  window_ = CreateWindowExW(0, kWindowClass, Widen(form::kWindow.caption).c_str(), kWindowStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, instance, this);
  if (window_ == nullptr) throw std::runtime_error("the main window could not be created");
  controls_ = CreateControls(window_, instance);
  announcer_ = CreateAnnouncer(window_, instance);
  ApplyDpi(DpiOf(window_));
  SendMessageW(Log(), EM_SETLIMITTEXT, 0, 0);  // the default holds only about 30,000 characters
  NameControls();
  focused_ = Log();
}

Win32Form::~Win32Form() {
  destroying_ = true;
  if (window_ != nullptr) DestroyWindow(window_);
}

// Boxes and lists have no caption of their own for a screen reader to read.
void Win32Form::NameControls() {
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const std::string_view name = form::kControls[slot].accessible_name;
    if (!name.empty()) names_.Name(controls_[slot], name);
  }
  names_.Polite(announcer_);
}

// Places every control and sizes the window for a dots-per-inch, with a font made for it.
void Win32Form::ApplyDpi(int dpi) {
  dpi_ = dpi;
  Win32Font font = MakeFont(dpi);
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::Twips& place = form::kControls[slot].place;
    SetWindowPos(controls_[slot], nullptr, form::ToPixels(place.left, dpi),
                 form::ToPixels(place.top, dpi), form::ToPixels(place.width, dpi),
                 form::ToPixels(place.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(controls_[slot], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  // The old font goes only now that no control draws with it.
  font_ = std::move(font);
  ResizeClientArea(form::ToPixels(form::kWindow.client_width, dpi),
                   form::ToPixels(form::kWindow.client_height, dpi));
}

// Sizes the window so that its client area has the given size, whatever its frame measures.
void Win32Form::ResizeClientArea(int width, int height) {
  RECT outer;
  RECT client;
  GetWindowRect(window_, &outer);
  GetClientRect(window_, &client);
  const int frame_width = (outer.right - outer.left) - client.right;
  const int frame_height = (outer.bottom - outer.top) - client.bottom;
  SetWindowPos(window_, nullptr, 0, 0, width + frame_width, height + frame_height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::Dispatch(MSG& message) {
  // A multi-line edit closes its dialog on Esc; here Esc has nothing to do.
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) return;
  if (IsDialogMessageW(window_, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->window_ == nullptr) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

LRESULT Win32Form::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam != 0 && on_command_) {
        on_command_(SlotOf(reinterpret_cast<HWND>(lparam)), HIWORD(wparam));
      }
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return colours_.Answer(SlotOf(reinterpret_cast<HWND>(lparam)), reinterpret_cast<HDC>(wparam));
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, colours_.Window().brush);
      return 1;
    }
    // High contrast switched, or the scheme's colours changed: every control at once.
    case WM_SYSCOLORCHANGE:
      RepaintInNewColours();
      return 0;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETHIGHCONTRAST) RepaintInNewColours();
      return DefWindowProcW(window_, message, wparam, lparam);
    case WM_NEXTDLGCTL:
      MoveFocus(wparam, lparam);
      return 0;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyDpi(LOWORD(wparam));
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) focused_ = focus;
      }
      return DefWindowProcW(window_, message, wparam, lparam);
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_DESTROY:
      names_.Clear();
      if (!destroying_) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wparam, lparam);
  }
}

// A plain window gets Tab from the dialog manager as WM_NEXTDLGCTL and must move the
// focus itself.
void Win32Form::MoveFocus(WPARAM wparam, LPARAM lparam) {
  HWND next = lparam != 0 ? reinterpret_cast<HWND>(wparam)
                          : GetNextDlgTabItem(window_, GetFocus(), wparam != 0);
  if (next != nullptr) SetFocus(next);
}

// The window itself takes no keys: the focus goes back to the control that had it, or to
// the first tab stop when that one is hidden now.
void Win32Form::RestoreFocus() {
  HWND target = focused_;
  if (target == nullptr || !IsWindowVisible(target)) {
    target = GetNextDlgTabItem(window_, nullptr, FALSE);
  }
  if (target != nullptr) SetFocus(target);
}

// The controls keep their texts, states and the focus; only their colours change.
void Win32Form::RepaintInNewColours() {
  colours_.Refresh();
  for (HWND control : controls_) SendMessageW(control, WM_SYSCOLORCHANGE, 0, 0);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace voice_types::win32
