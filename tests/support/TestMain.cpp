// The main of every test program: Qt runs on the offscreen platform, with a
// desktop-sized screen, unless the caller chose a platform; so the suites
// need no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", QUANDREL_DESKTOP_PLATFORM, 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
