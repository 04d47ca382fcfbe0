// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Runs the Qt tests offscreen, with a home and XDG folders of their own that must still be
// empty at the end: the program writes no settings, caches or files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <memory>

#ifndef VOICE_TYPES_TEST_SCALE
#define VOICE_TYPES_TEST_SCALE "1"
#endif

namespace {

class EmptyHomeEnvironment : public ::testing::Environment {
 public:
  explicit EmptyHomeEnvironment(const QString& home) : home_(home) {}

  void TearDown() override {
    QStringList written;
    QDirIterator it(home_, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      if (!QFileInfo(path).isDir()) written << path;
    }
    EXPECT_TRUE(written.isEmpty()) << "files written: " << written.join(", ").toStdString();
  }

 private:
  QString home_;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", VOICE_TYPES_TEST_SCALE);
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "1");
  QTemporaryDir home;
  for (const char* sub : {"config", "cache", "data", "state", "runtime"}) {
    QDir(home.path()).mkpath(QLatin1String(sub));
  }
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
  qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toUtf8());
  qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
  qputenv("XDG_STATE_HOME", (home.path() + "/state").toUtf8());
  qputenv("XDG_RUNTIME_DIR", (home.path() + "/runtime").toUtf8());
  QFile::setPermissions(home.path() + "/runtime",
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new EmptyHomeEnvironment(home.path()));
  return RUN_ALL_TESTS();
}
