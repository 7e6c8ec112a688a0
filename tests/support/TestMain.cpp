// The main of every test program: Qt runs on the offscreen platform, with a
// desktop-sized screen, unless the caller chose a platform; so the suites
// need no display. The user's settings folder, and the home folder where the
// Aspell engine keeps its own word list, are a fresh one of the run's own, so
// that a word added to the personal dictionary never reaches the user's lists.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", QUANDREL_DESKTOP_PLATFORM, 1);
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  setenv("ASPELL_CONF", ("home-dir " + config.path()).toLocal8Bit().constData(), 1);
  unsetenv("ENCHANT_CONFIG_DIR");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
