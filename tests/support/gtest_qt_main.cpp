// main() for GoogleTest suites that need a Qt application (offscreen).
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/qt_test_environment.h"

int main(int argc, char** argv) {
  kestalon::testing::PinQtTestEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
