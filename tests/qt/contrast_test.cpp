// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
//
// The window's colours under the desktop's contrast setting, read from a fake portal on a
// private session bus (the test runs under dbus-run-session), and under light, dark and
// low-contrast application palettes. Read from a grab of the window, as drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <optional>

#include "tests/qt/qt_window.h"
#include "tests/support/painted_colours.h"
#include "tests/support/window_checks.h"
#include "window/paint.h"
#include "window/qt/qt_colours.h"

namespace voice_types::qt {
namespace {

using form::Contrast;
using form::ControlKind;
using tests::QtWindow;

class FakePortal {
 public:
  explicit FakePortal(const QStringList& arguments) {
    process_.start(QStringLiteral(VOICE_TYPES_FAKE_PORTAL), arguments);
    EXPECT_TRUE(Said("ready"));
  }
  ~FakePortal() {
    process_.closeWriteChannel();
    process_.waitForFinished();
  }
  void Set(const char* line) {
    process_.write(QByteArray(line) + '\n');
    EXPECT_TRUE(Said("changed")) << line;
  }

 private:
  bool Said(const char* word) {
    while (!process_.canReadLine()) {
      if (!process_.waitForReadyRead(5000)) return false;
    }
    return process_.readLine().trimmed() == word;
  }
  QProcess process_;
};

QPalette Palette(const std::array<QRgb, 6>& colours) {
  QPalette palette = QApplication::palette();
  for (std::size_t i = 0; i < 6; ++i)
    palette.setColor(kPalettePairs[i / 2][i % 2], QColor(colours[i]));
  return palette;
}

// What a control must show: the table's colours under black text by default (text boxes
// and the list in the palette's field pair); with more contrast the palette's own pairs
// (window, field, button), or black on white where one of them falls short of 7:1.
voice_types::tests::Painted Expected(const form::ControlSpec& control, Contrast contrast,
                                     const QPalette& palette) {
  if (contrast == Contrast::Default && control.background) {
    return {*control.background, form::kBlack};
  }
  const int pair = control.kind == ControlKind::TextBox || control.kind == ControlKind::ListBox ? 1
                   : contrast == Contrast::More && (control.kind == ControlKind::RadioButton ||
                                                    control.kind == ControlKind::CheckBox)
                       ? 2
                       : 0;
  for (const auto& each : kPalettePairs) {
    if (contrast == Contrast::More &&
        form::ContrastRatio(ToRgb(palette.color(each[0])), ToRgb(palette.color(each[1]))) < 7) {
      return {form::kWhite, form::kBlack};
    }
  }
  return {ToRgb(palette.color(kPalettePairs[pair][0])),
          ToRgb(palette.color(kPalettePairs[pair][1]))};
}

// The lowest contrast drawn; every shown control checked against what it must show.
double ExpectPainted(QtWindow& window, Contrast contrast, const QPalette& palette) {
  double lowest = 21;
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    QWidget& widget = window.form.Control(slot);
    if (!widget.isVisible()) continue;
    SCOPED_TRACE(widget.objectName().toStdString());
    const QImage shot = widget.grab().toImage();
    const auto painted = voice_types::tests::PaintedColours(
        [&shot](int x, int y) { return ToRgb(shot.pixelColor(x, y)); }, shot.width(), shot.height(),
        form::kControls[slot].kind);
    const auto wanted = Expected(form::kControls[slot], contrast, palette);
    EXPECT_EQ(painted.background, wanted.background);
    // Antialiased glyphs: the darkest or lightest of their pixels is near the text colour.
    const auto grey = [](form::Rgb c) { return qGray(c.red, c.green, c.blue); };
    EXPECT_LT(std::abs(grey(painted.text) - grey(wanted.text)), 48);
    lowest = std::min(lowest, form::ContrastRatio(painted.background, painted.text));
  }
  return lowest;
}

struct Row {
  const char* name;
  QStringList portal;  // nothing: no portal on the bus
  std::optional<QPalette> palette;
};

TEST(QtContrastTest, FollowsThePortalUnderLightDarkAndLowContrastPalettes) {
  const QPalette light = QApplication::palette();
  // qt6ct's "darker" scheme, and one whose pairs are readable but short of 7:1.
  const QPalette darker = Palette({0x222020, 0xFFFFFF, 0x3D3D3D, 0xFFFFFF, 0x424245, 0xFFFFFF});
  const QPalette grey = Palette({0x808080, 0x000000, 0x909090, 0x000000, 0x808080, 0x000000});
  const Row rows[] = {
      {"ReadOne, light", {"contrast=1"}, std::nullopt},
      {"Read only, darker", {"--no-read-one", "contrast=1"}, darker},
      {"ReadOne, grey", {"high-contrast=true"}, grey},
      {"Read only, darker, GNOME's switch", {"--no-read-one", "high-contrast=true"}, darker},
      {"no portal, darker", {}, darker}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QPalette palette = row.palette.value_or(light);
    QApplication::setPalette(palette);
    std::optional<FakePortal> portal;
    if (!row.portal.isEmpty()) portal.emplace(row.portal);
    QtWindow window;
    window.ClickSlot(form::OptionSlot(0));
    window.ClickSlot(form::VoiceSlot(VoiceGroup::Female, 2));
    const std::string log = window.Log();
    const std::size_t focused = voice_types::tests::FocusedSlot(window);
    // What the portal says at start, then the user's switches, one key at a time: either key
    // asks for more contrast.
    bool appearance = row.portal.contains("contrast=1");
    bool gnome = row.portal.contains("high-contrast=true");
    for (const char* change : {"", "contrast 0", "high-contrast true", "contrast 1",
                               "high-contrast false", "contrast 0"}) {
      if (*change != '\0' && !portal) break;
      SCOPED_TRACE(*change != '\0' ? change : "at start");
      if (*change != '\0') portal->Set(change);
      if (std::string_view(change).starts_with("contrast")) appearance = change[9] == '1';
      if (std::string_view(change).starts_with("high")) gnome = change[14] == 't';
      const Contrast contrast = appearance || gnome ? Contrast::More : Contrast::Default;
      EXPECT_TRUE(QTest::qWaitFor([&] { return window.form.ContrastMode() == contrast; }, 5000));
      const double lowest = ExpectPainted(window, contrast, palette);
      if (contrast == Contrast::More) {
        EXPECT_GE(lowest, form::kEnhancedContrast);
      }
      std::printf("%s, %s: lowest contrast %.2f:1\n", row.name, *change ? change : "at start",
                  lowest);
      EXPECT_EQ(window.Log(), log);
      EXPECT_EQ(voice_types::tests::FocusedSlot(window), focused);
    }
  }
  QApplication::setPalette(light);
}

}  // namespace
}  // namespace voice_types::qt
