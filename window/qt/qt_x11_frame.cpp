// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/qt/qt_x11_frame.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace voice_types::qt {
namespace {

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
constexpr std::uint32_t kHasFunctions = 1;
constexpr std::uint32_t kHasDecorations = 2;
constexpr std::uint32_t kMove = 4;
constexpr std::uint32_t kMinimise = 8;
constexpr std::uint32_t kClose = 32;
constexpr std::uint32_t kBorder = 2;
constexpr std::uint32_t kTitle = 8;
constexpr std::uint32_t kMenu = 16;
constexpr std::uint32_t kMinimiseButton = 32;

}  // namespace

void OfferOnlyMinimiseAndClose(QWidget& window) {
  // The offscreen platform answers as X11 too, without a connection of its own.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return;
  constexpr std::string_view kName = "_MOTIF_WM_HINTS";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, kName.size(), kName.data()), nullptr);
  if (atom == nullptr) return;
  const std::uint32_t hints[5] = {kHasFunctions | kHasDecorations, kMove | kMinimise | kClose,
                                  kBorder | kTitle | kMenu | kMinimiseButton, 0, 0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                      atom->atom, atom->atom, 32, 5, hints);
  std::free(atom);
  xcb_flush(connection);
}

}  // namespace voice_types::qt
