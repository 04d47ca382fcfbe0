// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>

#include "core/catalogue.h"
#include "tests/qt/qt_window.h"
#include "window/form.h"
#include "window/qt/qt_text.h"

namespace voice_types::qt {
namespace {

using form::ControlKind;
using tests::QtWindow;

QRect Pixels(form::Twips place) {
  return QRect(place.left / 15, place.top / 15, place.width / 15, place.height / 15);
}

bool IsKind(QWidget& widget, ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
      return qobject_cast<QPlainTextEdit*>(&widget) != nullptr;
    case ControlKind::Label:
      return qobject_cast<QLabel*>(&widget) != nullptr;
    case ControlKind::RadioButton:
      return qobject_cast<QRadioButton*>(&widget) != nullptr;
    case ControlKind::CheckBox:
      return qobject_cast<QCheckBox*>(&widget) != nullptr;
    case ControlKind::ListBox:
      return qobject_cast<QListWidget*>(&widget) != nullptr;
  }
  return false;
}

QString TextOf(QWidget& widget) {
  if (auto* box = qobject_cast<QPlainTextEdit*>(&widget)) {
    return box->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  }
  if (auto* label = qobject_cast<QLabel*>(&widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) return button->text();
  return {};
}

TEST(QtLayoutTest, EveryControlHasItsKindTextPlaceAndVisibility) {
  QtWindow window;
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::ControlSpec& entry = form::kControls[slot];
    QWidget& widget = window.form.Control(slot);
    SCOPED_TRACE(widget.objectName().toStdString());
    EXPECT_TRUE(IsKind(widget, entry.kind));
    EXPECT_EQ(widget.parentWidget(), &window.form.Window());
    EXPECT_EQ(widget.geometry(), Pixels(entry.place));
    EXPECT_EQ(TextOf(widget), FromUtf8(entry.text));
    const bool hidden = entry.never_shown || entry.kind == ControlKind::CheckBox;
    EXPECT_EQ(widget.isVisible(), !hidden);
  }
}

TEST(QtLayoutTest, WindowHasItsSizeCaptionAndIcon) {
  QtWindow window;
  QWidget& w = window.form.Window();
  EXPECT_EQ(w.size(), QSize(461, 345));
  EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "fixed size";
  EXPECT_EQ(w.windowTitle(), FromUtf8(catalogue::kWindowCaption));
  EXPECT_TRUE(w.windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST(QtLayoutTest, EveryControlUsesTheWindowFont) {
  QtWindow window;
  const QFontInfo resolved(window.form.Window().font());
  EXPECT_EQ(resolved.family(), "Liberation Serif")
      << "the face fontconfig gives for Times New Roman";
  EXPECT_EQ(resolved.pointSize(), 12);
  EXPECT_EQ(resolved.weight(), QFont::Normal);
  EXPECT_FALSE(resolved.italic());
  const QFontMetrics metrics(window.form.Window().font());
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    QWidget& widget = window.form.Control(slot);
    for (const QChar c : TextOf(widget)) {
      // Every letter has a glyph in the face itself: no boxes, no fallback face.
      EXPECT_TRUE(!c.isLetter() || metrics.inFont(c)) << QString(c).toStdString();
    }
    EXPECT_FALSE(widget.testAttribute(Qt::WA_SetFont)) << widget.objectName().toStdString();
    EXPECT_EQ(widget.font(), window.form.Window().font());
  }
}

TEST(QtLayoutTest, NoteListHoldsTheSevenItemsInOrderWithNothingSelected) {
  QtWindow window;
  auto& list = static_cast<QListWidget&>(window.form.Control(13));
  ASSERT_EQ(list.count(), 7);
  for (int row = 0; row < list.count(); ++row) {
    EXPECT_EQ(list.item(row)->text(), FromUtf8(catalogue::kNoteItems[row]));
    EXPECT_EQ(list.item(row)->data(Qt::UserRole), QVariant(0));
  }
  EXPECT_FALSE(list.isSortingEnabled());
  EXPECT_TRUE(list.selectedItems().isEmpty());
}

TEST(QtLayoutTest, LogBoxWrapsScrollsVerticallyAndIsReadOnly) {
  QtWindow window;
  QPlainTextEdit& log = window.form.Log();
  EXPECT_TRUE(log.isReadOnly());
  EXPECT_EQ(log.lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(log.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(log.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QTest::keyClicks(&log, "typed");
  EXPECT_EQ(window.ShownLog(), catalogue::kExerciseText);
}

QColor Rgb(form::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// A point inside the control that no caption or indicator covers.
QPoint BlankPointOf(const QWidget& widget) {
  return widget.geometry().bottomRight() - QPoint(2, 2);
}

TEST(QtLayoutTest, RenderedBackgroundsHaveTheTableColours) {
  QtWindow window;
  const auto sample = [&window](QPoint at) {
    const QImage image = window.form.Window().grab().toImage();
    return image.pixelColor(at * image.devicePixelRatio());
  };
  EXPECT_EQ(sample(QPoint(3, 340)), Rgb(form::kWindow.background));
  for (VoiceGroup group : kVoiceGroups) {
    window.Click(window.form.Option(OptionIndexOf(group)));
    for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
      const form::ControlSpec& entry = form::kControls[slot];
      QWidget& widget = window.form.Control(slot);
      if (!widget.isVisible()) continue;
      SCOPED_TRACE(widget.objectName().toStdString());
      const QColor expected =
          entry.background ? Rgb(*entry.background) : widget.palette().base().color();
      if (entry.kind == ControlKind::TextBox || entry.kind == ControlKind::ListBox) {
        EXPECT_EQ(sample(widget.geometry().topLeft() + QPoint(40, widget.height() - 6)), expected);
      } else {
        EXPECT_EQ(sample(BlankPointOf(widget)), expected);
      }
    }
  }
}

TEST(QtLayoutTest, RendersAtTheScreensPixelRatioWithNothingClipped) {
  QtWindow window;
  const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
  const QImage image = window.form.Window().grab().toImage();
  EXPECT_EQ(image.devicePixelRatio(), ratio);
  EXPECT_EQ(image.size(), QSize(461, 345) * ratio);
  window.Click(window.form.Option(0));
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    QWidget& widget = window.form.Control(slot);
    if (!widget.isVisible() || form::kControls[slot].kind == ControlKind::TextBox) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
      EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
      EXPECT_LE(button->sizeHint().height(), button->height()) << button->text().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
      const QRect needed =
          label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text());
      EXPECT_LE(needed.height(), label->height()) << label->text().toStdString();
    }
  }
}

TEST(QtLayoutTest, ScreenReadersCanReadEveryControl) {
  QtWindow window;
  window.Click(window.form.Option(0));
  window.Click(window.form.Voice(VoiceGroup::Female, 1));
  for (ControlIndex option = 0; option < kOptionCount; ++option) {
    QAccessibleInterface* radio =
        QAccessible::queryAccessibleInterface(&window.form.Option(option));
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->role(), QAccessible::RadioButton);
    EXPECT_EQ(radio->text(QAccessible::Name), window.form.Option(option).text());
    EXPECT_EQ(radio->state().checked, option == 0);
  }
  for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
    QAccessibleInterface* check =
        QAccessible::queryAccessibleInterface(&window.form.Voice(VoiceGroup::Female, box));
    EXPECT_EQ(check->role(), QAccessible::CheckBox);
    EXPECT_EQ(check->text(QAccessible::Name),
              FromUtf8(catalogue::VoiceCaption(VoiceGroup::Female, box)));
    EXPECT_EQ(check->state().checked, box == 1);
  }
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&window.form.Control(13));
  EXPECT_EQ(list->text(QAccessible::Name), FromUtf8(catalogue::kNotesLabel));
  QAccessibleInterface* log = QAccessible::queryAccessibleInterface(&window.form.Log());
  EXPECT_EQ(log->text(QAccessible::Name), FromUtf8(catalogue::kLogAccessibleName));
  ASSERT_NE(log->textInterface(), nullptr);
  const QString text = log->textInterface()->text(0, log->textInterface()->characterCount());
  EXPECT_TRUE(text.contains(QStringLiteral("Новопосочен женски глас:  Мецосопран")));
}

}  // namespace
}  // namespace voice_types::qt
