#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

// Printing needs a QApplication for fonts and the preview. Listing the tests (CTest's discovery,
// which runs without the tests' environment) needs none, so it starts no platform and leaks
// nothing.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
