// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/qt/qt_form.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include "window/qt/qt_colours.h"
#include "window/qt/qt_text.h"
#include "window/qt/qt_x11_frame.h"

// The icon lives in a static library, whose resources are not registered on their own.
static void RegisterIconResource() { Q_INIT_RESOURCE(icon); }

namespace voice_types::qt {
namespace {

// The one 32 x 32 picture; the larger sizes are the desktop entry's, from the icon theme,
// and decoding them here would only slow the start.
QIcon WindowIcon() {
  RegisterIconResource();
  return QIcon(QStringLiteral(":/voice-types/icon.png"));
}

// Qt's coordinates are device-independent pixels: twips at 96 dots per inch. Qt itself
// scales them by the screen's pixel ratio.
constexpr int kDipsPerInch = 96;

QRect ToRect(form::Twips place) {
  return QRect(form::ToPixels(place.left, kDipsPerInch), form::ToPixels(place.top, kDipsPerInch),
               form::ToPixels(place.width, kDipsPerInch),
               form::ToPixels(place.height, kDipsPerInch));
}

QWidget* MakeTextBox(const form::ControlSpec& entry, QWidget& parent) {
  auto* box = new QPlainTextEdit(&parent);
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  box->setUndoRedoEnabled(false);
  box->setTabChangesFocus(true);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setPlainText(FromUtf8(entry.text));
  return box;
}

QWidget* MakeLabel(const form::ControlSpec& entry, QWidget& parent) {
  auto* label = new QLabel(FromUtf8(entry.text), &parent);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

QWidget* MakeListBox(const form::ControlSpec& entry, QWidget& parent) {
  auto* list = new QListWidget(&parent);
  for (std::string_view item : entry.items) {
    auto* row = new QListWidgetItem(FromUtf8(item), list);
    row->setData(Qt::UserRole, 0);
  }
  list->setSortingEnabled(false);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setCurrentRow(-1);
  return list;
}

QWidget* MakeControl(const form::ControlSpec& entry, QWidget& parent) {
  switch (entry.kind) {
    case form::ControlKind::TextBox:
      return MakeTextBox(entry, parent);
    case form::ControlKind::Label:
      return MakeLabel(entry, parent);
    case form::ControlKind::RadioButton:
      return new QRadioButton(FromUtf8(entry.text), &parent);
    case form::ControlKind::CheckBox:
      return new QCheckBox(FromUtf8(entry.text), &parent);
    case form::ControlKind::ListBox:
      return MakeListBox(entry, parent);
  }
  throw std::logic_error("unknown control kind");
}

}  // namespace

QtForm::QtForm() : window_(std::make_unique<QWidget>()) {
  const form::WindowSpec& window_spec = form::kWindow;
  window_->setWindowTitle(FromUtf8(window_spec.caption));
  window_->setWindowIcon(WindowIcon());
  QFont font(FromUtf8(window_spec.font_family), window_spec.font_points, QFont::Normal, false);
  font.setStyleHint(QFont::Serif);
  window_->setFont(font);
  // A fixed size: no maximise button and no resizing offered, as on Windows.
  window_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
  window_->setFixedSize(form::ToPixels(window_spec.client_width, kDipsPerInch),
                        form::ToPixels(window_spec.client_height, kDipsPerInch));
  OfferOnlyMinimiseAndClose(*window_);

  QWidget* previous = nullptr;
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    const form::ControlSpec& control = form::kControls[slot];
    QWidget* widget = MakeControl(control, *window_);
    widget->setGeometry(ToRect(control.place));
    widget->setObjectName(FromUtf8(form::IdOf(control)));
    if (!control.accessible_name.empty()) {
      widget->setAccessibleName(FromUtf8(control.accessible_name));
    }
    if (control.never_shown) widget->hide();
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
    controls_[slot] = widget;
  }
  announcer_ = new QtAnnouncer(*window_);
  Paint(form::Contrast::Default);
  contrast_ =
      std::make_unique<PortalContrast>([this](form::Contrast contrast) { Paint(contrast); });
  Log().setFocus();
}

void QtForm::Paint(form::Contrast contrast) {
  contrast_mode_ = contrast;
  PaintForm(*window_, controls_, contrast);
}

QRadioButton& QtForm::Option(ControlIndex option) {
  return static_cast<QRadioButton&>(Control(form::OptionSlot(option)));
}

QCheckBox& QtForm::Voice(VoiceGroup group, ControlIndex box) {
  return static_cast<QCheckBox&>(Control(form::VoiceSlot(group, box)));
}

QPlainTextEdit& QtForm::Log() { return static_cast<QPlainTextEdit&>(Control(form::LogSlot())); }

}  // namespace voice_types::qt
