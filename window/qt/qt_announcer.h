// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// What screen readers hear of the log: a widget of one pixel, drawn as nothing and out of the
// tab order, that they know as a notification. Each new line becomes its name, and it is
// shown anew, which Orca speaks without moving the user's focus or caret.
#pragma once

#include <QWidget>
#include <string_view>

namespace voice_types::qt {

class QtAnnouncer : public QWidget {
  Q_OBJECT

 public:
  explicit QtAnnouncer(QWidget& window);

  void Announce(std::string_view line);
};

}  // namespace voice_types::qt
