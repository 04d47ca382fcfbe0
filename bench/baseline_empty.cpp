// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Start-up floor of the toolkit: an empty Qt window of the program's size and colour.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(461, 345);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xFF));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  window.show();
  return app.exec();
}
