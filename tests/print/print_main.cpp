#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

// Printing needs a QGuiApplication for fonts. Listing the tests (CTest's discovery,
// which runs without the tests' environment) needs none, so it starts no platform and leaks
// nothing.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
