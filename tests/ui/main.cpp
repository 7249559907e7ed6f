#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/mainform.h"
#include "ui/recentfiles.h"

// Qt and fontconfig keep caches until the process ends; leaks in our own code are still reported.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libQt6Core.so\nleak:libQt6Gui.so\nleak:libQt6Widgets.so\n"
         "leak:libglib-2.0.so\n";
}

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ubic::NameApplication();
  // Recent files and other settings go to a folder of this run, never the user's own.
  const QTemporaryDir settings;
  ubic::KeepSettingsIn(settings.path());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
