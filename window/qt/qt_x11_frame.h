// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// On X11, tells the window manager that the window's frame offers moving, minimising and
// closing only. Qt's own hints always offer resizing as well, even for a fixed size.
#pragma once

class QWidget;

namespace voice_types::qt {

// Does nothing elsewhere (Wayland, offscreen), where the toolkit tells the compositor.
void OfferOnlyMinimiseAndClose(QWidget& window);

}  // namespace voice_types::qt
