// The main of every test program: Qt runs on the offscreen platform, with a
// desktop-sized screen, unless the caller chose a platform; so the suites
// need no display. The user's settings folder, and the home folder where the
// Aspell engine keeps its own word list, are a fresh one of the run's own, so
// that a word added to the personal dictionary never reaches the user's lists.
// Then, as in the program, the spelling folders are settled before Qt starts
// a thread.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "framework/EnchantSpellChecker.h"
#include "tests/support/RunAgain.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", QUANDREL_DESKTOP_PLATFORM, 1);
  QTemporaryDir config;
  // A test run again brings the environment it is about.
  if (!testing_support::RunningAgain()) {
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    setenv("ASPELL_CONF", ("home-dir " + config.path()).toLocal8Bit().constData(), 1);
    unsetenv("ENCHANT_CONFIG_DIR");
    // Messages follow the locale a test puts in place, not the user's choice.
    unsetenv("LANGUAGE");
  }
  // The locales the build makes, for the tests that run under a user's.
  setenv("LOCPATH", QUANDREL_TEST_LOCALES, 1);
  fw::SettleSpellingFolders();
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
