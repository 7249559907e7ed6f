#include <gtest/gtest.h>

#include <QGuiApplication>

// Charts need a QGuiApplication for fonts and the clipboard.
int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
