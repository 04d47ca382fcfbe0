// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The real Linux program, assembled and shown as main.cpp does, for tests to drive.
#pragma once

#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

#include "tests/support/soak.h"
#include "window/program.h"
#include "window/qt/qt_control_port.h"
#include "window/qt/qt_form.h"
#include "window/qt/qt_wiring.h"

namespace voice_types::qt::tests {

using QtProgram = Program<QtForm, QtControlPort, QtWiring>;

struct QtWindow : QtProgram {
  QtWindow();
  ~QtWindow();

  // Clicks a radio button or check box inside its indicator, where a user would.
  void Click(QAbstractButton& button);
  void ClickSlot(std::size_t slot) { Click(static_cast<QAbstractButton&>(form.Control(slot))); }
  void Key(Qt::Key key);
  void Press(voice_types::tests::SoakKey key);
  bool Shown(std::size_t slot) const { return form.Control(slot).isVisible(); }
  bool HasFocus(std::size_t slot) const {
    return &form.Control(slot) == QApplication::focusWidget();
  }
  std::string Log() const { return std::string(port.LogText().View()); }
  // What the log box shows, line breaks as CR LF.
  std::string ShownLog();
  // What screen readers were told since the last call, from the first call on: the name of
  // each notification shown. The log's inserts must carry the same lines.
  std::vector<std::string> Heard();

  // Selecting the radio button that is already selected reports nothing in Qt, and an arrow
  // chooses only when it leaves the selected radio button.
  static constexpr int kSoakActions = 20000;
  static constexpr voice_types::tests::SoakRules kSoakRules{
      voice_types::tests::ArrowOntoRadio::kFromSelectedRadio};

  std::vector<std::string> failures;
};

}  // namespace voice_types::qt::tests
