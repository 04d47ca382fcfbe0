// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The window on Qt Widgets, built from the form table.
#pragma once

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <memory>

#include "window/form.h"
#include "window/qt/qt_announcer.h"
#include "window/qt/qt_portal_contrast.h"

namespace voice_types::qt {

class QtForm {
 public:
  QtForm();

  QWidget& Window() { return *window_; }
  // The control at a place in the form table.
  QWidget& Control(std::size_t slot) { return *controls_.at(slot); }
  const QWidget& Control(std::size_t slot) const { return *controls_.at(slot); }

  QRadioButton& Option(ControlIndex option);
  QCheckBox& Voice(VoiceGroup group, ControlIndex box);
  QPlainTextEdit& Log();
  // After the fifteen controls, out of the tab order: screen readers hear the newest log
  // line from it.
  QtAnnouncer& Announcer() { return *announcer_; }
  form::Contrast ContrastMode() const { return contrast_mode_; }

 private:
  void Paint(form::Contrast contrast);

  std::unique_ptr<QWidget> window_;
  std::array<QWidget*, form::kControlCount> controls_{};
  QtAnnouncer* announcer_ = nullptr;
  // Follows the desktop's contrast setting; the window is painted for it.
  std::unique_ptr<PortalContrast> contrast_;
  form::Contrast contrast_mode_ = form::Contrast::Default;
};

}  // namespace voice_types::qt
