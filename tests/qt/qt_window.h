// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The real Linux window, wired and shown as the program shows it, for tests to drive.
#pragma once

#include <QTest>
#include <string>
#include <vector>

#include "core/voice_selector.h"
#include "tests/support/reference_model.h"
#include "tests/support/soak.h"
#include "window/qt/qt_control_port.h"
#include "window/qt/qt_form.h"
#include "window/qt/qt_wiring.h"

namespace voice_types::qt::testing {

struct QtWindow {
  QtWindow();
  ~QtWindow();

  // Clicks a radio button or check box inside its indicator, where a user would.
  void Click(QAbstractButton& button);
  void ClickSlot(std::size_t slot) { Click(static_cast<QAbstractButton&>(form.Control(slot))); }
  void Key(Qt::Key key);
  void Press(voice_types::testing::SoakKey key);
  // The form slot of the control that has the keyboard focus.
  std::size_t FocusedSlot() const;
  std::string Log() const { return std::string(port.LogText().View()); }
  // What the log box shows, line breaks as CR LF.
  std::string ShownLog();
  // What screen readers were sent since the last call, from the first call on: the log's
  // inserts, joined, as one line (the selector writes a toggle's line in two steps, so the
  // bus carries it in two pieces, the prefix and then the voice).
  std::vector<std::string> Heard();

  QtForm form;
  QtControlPort port{form};
  VoiceSelector selector{port};
  std::vector<std::string> failures;
  QtWiring wiring{form, selector,
                  [this](const std::string& message) { failures.push_back(message); }};
};

// Every box's visibility and state, and the log both as the port gives it and as shown.
void ExpectMatches(QtWindow& window, const voice_types::testing::ReferenceModel& model);

}  // namespace voice_types::qt::testing
