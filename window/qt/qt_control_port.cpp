// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/qt/qt_control_port.h"

#include <QScrollBar>
#include <QTextCursor>

#include "window/qt/qt_text.h"

namespace voice_types::qt {
namespace {

// Qt numbers a partly checked box 1 and a checked one 2; indexed by the program's number.
constexpr Qt::CheckState kQtStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};

CheckState FromQt(Qt::CheckState state) {
  for (int value = 0; value < 3; ++value) {
    if (kQtStates[value] == state) return static_cast<CheckState>(value);
  }
  return CheckState::Unchecked;
}

Qt::CheckState ToQt(CheckState state) { return kQtStates[static_cast<int>(state)]; }

// The caret follows the newest line, so a keyboard user who tabs in reads on from there.
void FollowEnd(QPlainTextEdit& log) {
  log.moveCursor(QTextCursor::End);
  QScrollBar& bar = *log.verticalScrollBar();
  bar.setValue(bar.maximum());
}

}  // namespace

QtControlPort::QtControlPort(QtForm& form) : form_(form) {}

bool QtControlPort::ReadOptionSelected(ControlIndex option) const {
  return form_.Option(option).isChecked();
}

std::string QtControlPort::ReadOptionCaption(ControlIndex option) const {
  return form_.Option(option).text().toStdString();
}

void QtControlPort::WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) {
  form_.Voice(group, box).setVisible(visible);
}

CheckState QtControlPort::ReadVoiceState(VoiceGroup group, ControlIndex box) const {
  return FromQt(form_.Voice(group, box).checkState());
}

void QtControlPort::WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) {
  form_.Voice(group, box).setCheckState(ToQt(state));
}

std::string QtControlPort::ReadVoiceCaption(VoiceGroup group, ControlIndex box) const {
  return form_.Voice(group, box).text().toStdString();
}

void QtControlPort::AppendToLog(std::string_view tail) {
  QPlainTextEdit& log = form_.Log();
  QTextCursor end(log.document());
  end.movePosition(QTextCursor::End);
  end.insertText(FromUtf8(tail));
  FollowEnd(log);
}

void QtControlPort::ReplaceLog(std::string_view text) {
  form_.Log().setPlainText(FromUtf8(text));
  FollowEnd(form_.Log());
}

void QtControlPort::Announce(std::string_view line) { form_.Announcer().Announce(line); }

}  // namespace voice_types::qt
