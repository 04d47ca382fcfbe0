// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The most direct Qt program that shows the same fifteen controls with the same texts,
// font and colours: everything in one main, no form table, no port, no selector. The
// places below are the form's, written out by hand on purpose; only the texts come from
// the catalogue, which is plain constants.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "core/catalogue.h"

namespace cat = voice_types::catalogue;

static QString S(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

static void Paint(QWidget* widget, QColor colour) {
  QPalette palette = widget->palette();
  palette.setColor(widget->backgroundRole(), colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

int main(int argc, char** argv) {
  Q_INIT_RESOURCE(baseline_icon);
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(S(cat::kWindowCaption));
  window.setWindowIcon(QIcon(":/voice-types/icon.png"));
  window.setFont(QFont("Times New Roman", 12));
  window.setFixedSize(461, 345);
  Paint(&window, QColor(0xC0, 0xC0, 0xFF));

  auto* log = new QPlainTextEdit(S(cat::kExerciseText), &window);
  log->setGeometry(8, 208, 449, 121);
  log->setReadOnly(true);
  log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* aphorism = new QPlainTextEdit(S(cat::kAphorismText), &window);
  aphorism->setGeometry(40, 232, 449, 121);
  aphorism->hide();
  auto* title = new QLabel(S(cat::kTitleLabel), &window);
  title->setGeometry(64, 0, 305, 25);
  Paint(title, QColor(0xFF, 0xC0, 0x80));
  const QColor option_colours[] = {QColor(0xFF, 0xC0, 0xFF), QColor(0x80, 0x80, 0xFF)};
  const QColor voice_colours[] = {QColor(0xFF, 0x80, 0xFF), QColor(0x00, 0x00, 0xFF)};
  for (int group = 0; group < 2; ++group) {
    const auto which = static_cast<voice_types::VoiceGroup>(group);
    auto* option = new QRadioButton(S(cat::OptionCaption(which)), &window);
    option->setGeometry(32 + 144 * group, 48, 121, 33);
    Paint(option, option_colours[group]);
  }
  for (int group = 0; group < 2; ++group) {
    const auto which = static_cast<voice_types::VoiceGroup>(group);
    for (int box = 0; box < 4; ++box) {
      auto* voice = new QCheckBox(S(cat::VoiceCaption(which, static_cast<short>(box))), &window);
      voice->setGeometry(32 + 144 * group, 80 + 24 * box, 121, 25);
      Paint(voice, voice_colours[group]);
      voice->hide();
    }
  }
  auto* list = new QListWidget(&window);
  for (std::string_view item : cat::kNoteItems) list->addItem(S(item));
  list->setGeometry(312, 88, 89, 80);
  auto* notes = new QLabel(S(cat::kNotesLabel), &window);
  notes->setGeometry(312, 48, 89, 41);
  notes->setWordWrap(true);
  Paint(notes, QColor(0xFF, 0xC0, 0x80));
  log->setFocus();
  window.show();
  return app.exec();
}
