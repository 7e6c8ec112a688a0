// The menu bar on screen: the three menus with their items and shortcuts,
// Quit ending the event loop, and commands reaching the window's handlers.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>

#include "auxwindows/Window2.h"
#include "auxwindows/Window3.h"
#include "framework/Runtime.h"
#include "framework/qt/QtControlViews.h"
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

namespace {

// Shows a menu the way a click does, so its items' enabled states are worked
// out, then closes it again.
void Refresh(QMenuBar* bar, const char* menuName) {
  auto* menu = bar->findChild<QMenu*>(menuName);
  ASSERT_NE(menu, nullptr);
  Q_EMIT menu->aboutToShow();
}

TEST_F(QtTest, EditItemsWorkOnTheFocusedTextFieldAndOnlyWhenTheyApply) {
  auto window = GetWindow1();
  QMenuBar* bar = MenuBarOf(*window);
  ASSERT_TRUE(testing_support::Activate(*window));
  auto* field = qobject_cast<QLineEdit*>(fw::qt::WidgetOf(*window->TextField15()));
  ASSERT_NE(field, nullptr);
  auto action = [&](const char* name) { return bar->findChild<QAction*>(name); };

  // Nothing focused that takes text: the Edit items have nothing to act on.
  fw::qt::WidgetOf(*window->PushButton8())->setFocus();
  Refresh(bar, "EditMenu");
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditClear", "EditSelectAll"})
    EXPECT_FALSE(action(name)->isEnabled()) << name;

  field->setFocus();
  QTest::keyClicks(field, "team one");
  EXPECT_EQ(window->TextField15()->Text(), "team one");
  Refresh(bar, "EditMenu");
  EXPECT_TRUE(action("EditSelectAll")->isEnabled());
  EXPECT_FALSE(action("EditCopy")->isEnabled());  // nothing selected yet
  action("EditSelectAll")->trigger();
  Refresh(bar, "EditMenu");
  EXPECT_TRUE(action("EditCopy")->isEnabled());
  action("EditCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "team one");
  action("EditClear")->trigger();
  // The control follows an edit made from the menu as it follows typing.
  EXPECT_EQ(window->TextField15()->Text(), "");
  Refresh(bar, "EditMenu");
  EXPECT_TRUE(action("EditPaste")->isEnabled());
  action("EditPaste")->trigger();
  EXPECT_EQ(window->TextField15()->Text(), "team one");
}

// A clipboard that holds styled text alone still gives the Instructions
// window's text area something to paste.
TEST_F(QtTest, EditPasteTakesStyledTextAloneIntoTheInstructions) {
  auto window = GetWindow1();
  QMenuBar* bar = MenuBarOf(*window);
  bar->findChild<QAction*>("instructionsinstructions")->trigger();
  auto instructions = fw::Cast<Window3>(fw::Window::GetImplicitWindow(Window3::StaticClass()));
  ASSERT_TRUE(instructions);
  QWidget* area = fw::qt::WidgetOf(*instructions->TextArea1());
  ASSERT_TRUE(QTest::qWaitForWindowActive(area->window()));
  area->setFocus();
  auto* copied = new QMimeData;
  copied->setHtml("<b>Go</b> team");
  QApplication::clipboard()->setMimeData(copied);
  Refresh(bar, "EditMenu");
  auto* paste = bar->findChild<QAction*>("EditPaste");
  ASSERT_TRUE(paste->isEnabled());
  paste->trigger();
  EXPECT_EQ(instructions->TextArea1()->Text().substr(0, 8), "Go team ");
}

TEST_F(QtTest, AnAddressNothingCanOpenIsNamedToTheUser) {
  services.urlOpens = false;
  fw::ShowURL("mailto:quandrel@example.org");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_NE(services.messages[0].find("mailto:quandrel@example.org"), std::string::npos);
  services.urlOpens = true;
  fw::ShowURL("https://quandrel.example.org/");
  EXPECT_EQ(services.messages.size(), 1u);
}

}  // namespace
