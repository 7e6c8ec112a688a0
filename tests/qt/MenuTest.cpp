// The menu bar on screen: the three menus with their items and shortcuts,
// Quit ending the event loop, and commands reaching the window's handlers.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "auxwindows/Window2.h"
#include "auxwindows/Window3.h"
#include "framework/Runtime.h"
#include "framework/qt/QtWindowView.h"
#include "mainwindow/Window1.h"
#include "tests/support/QtFixture.h"

namespace {

using testing_support::QtTest;

QMenuBar* MenuBarOf(Window1& window) {
  auto* view = dynamic_cast<fw::qt::QtWindowView*>(window.View());
  return view ? view->MenuBarWidget() : nullptr;
}

TEST_F(QtTest, TheMainWindowShowsTheThreeMenusAboveItsContent) {
  auto window = GetWindow1();
  QMenuBar* bar = MenuBarOf(*window);
  ASSERT_NE(bar, nullptr);
  QStringList titles;
  for (QAction* action : bar->actions()) titles << action->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "Instructions"}));
  auto* quit = bar->findChild<QAction*>("FileQuit");
  ASSERT_NE(quit, nullptr);
  EXPECT_EQ(quit->text(), "&Quit");
  EXPECT_EQ(quit->shortcut(), QKeySequence("Ctrl+Q"));
  EXPECT_EQ(bar->findChild<QAction*>("EditSelectAll")->shortcut(), QKeySequence("Ctrl+A"));
  EXPECT_EQ(bar->findChild<QAction*>("EditClear")->shortcut(), QKeySequence());
  auto* view = dynamic_cast<fw::qt::QtWindowView*>(window->View());
  EXPECT_EQ(view->Content()->size(), QSize(850, 650));
  EXPECT_GE(view->Content()->mapTo(view->TopLevel(), QPoint(0, 0)).y(), bar->height());
}

TEST_F(QtTest, QuitEndsTheEventLoop) {
  auto window = GetWindow1();
  auto* quit = MenuBarOf(*window)->findChild<QAction*>("FileQuit");
  ASSERT_NE(quit, nullptr);
  QTimer::singleShot(0, quit, [quit] { quit->trigger(); });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(7); });
  guard.start(3000);
  EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(QtTest, MenuCommandsOpenOneAboutBoxAndOneInstructionsWindow) {
  auto window = GetWindow1();
  QMenuBar* bar = MenuBarOf(*window);
  for (int i = 0; i < 2; ++i) {
    bar->findChild<QAction*>("FileAboutQuandrel2012")->trigger();
    bar->findChild<QAction*>("instructionsinstructions")->trigger();
  }
  int about = 0, instructions = 0;
  for (const auto& open : fw::Window::OpenWindows()) {
    about += &open->Class() == &Window2::StaticClass();
    instructions += &open->Class() == &Window3::StaticClass();
  }
  EXPECT_EQ(about, 1);
  EXPECT_EQ(instructions, 1);
}

}  // namespace
