// Start-up: the order in which the program brings up its first objects, the
// menu bar it builds, and the call wrapper it hands the framework.
#include "app/App.h"
#include "app/MenuBar1.h"
#include "framework/ClassInfo.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "mainwindow/Window1.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using testing_support::HeadlessTest;

TEST_F(HeadlessTest, StartupInstallsTheMenuBarThenOpensOneMainWindow) {
  BuildClassTables();
  for (const char* name : {"App", "Window1", "Window1.Timer1", "Window1.Timer2", "Window1.Timer3",
                           "MenuBar1", "Window2", "Window3"})
    EXPECT_NE(fw::ClassRegistry::Lookup(name), nullptr) << name;

  Startup();
  ASSERT_NE(fw::TheApplication(), nullptr);
  EXPECT_EQ(&fw::TheApplication()->Class(), &App::StaticClass());
  auto bar = GetMenuBar1();
  EXPECT_EQ(fw::TheApplication()->MenuBar(), bar);

  auto open = fw::Window::OpenWindows();
  ASSERT_EQ(open.size(), 1u);
  auto window = fw::Cast<Window1>(open.front());
  EXPECT_EQ(window->MenuBar(), bar);
  EXPECT_EQ(window->Width(), 850);
  EXPECT_EQ(window->Height(), 650);
  EXPECT_EQ(window->Title(), "So You Want A Quandrel?");
  EXPECT_FALSE(window->CloseButton());
  EXPECT_FALSE(window->Resizeable());
  EXPECT_FALSE(window->MaximizeButton());
  EXPECT_TRUE(window->MinimizeButton());
  EXPECT_TRUE(window->team.empty());
  EXPECT_EQ(window->listit, 0);
  // The start-up code keeps no reference of its own: the open list and this
  // test hold the window.
  EXPECT_EQ(window.use_count(), 3);
  EXPECT_EQ(GetWindow1(), window);
}

TEST_F(HeadlessTest, TheMenuBarIsBuiltOnceWithItsThreeMenus) {
  auto bar = GetMenuBar1();
  EXPECT_EQ(GetMenuBar1(), bar);
  ASSERT_EQ(bar->Count(), 3);
  struct Menu {
    const char* name;
    const char* text;
    std::vector<std::tuple<const char*, const char*, const char*, const fw::ClassInfo*>> items;
  };
  const Menu expected[] = {
      {"FileMenu",
       "&File",
       {{"FileQuit", "&Quit", "Cmd+Q", &fw::QuitMenuItem::StaticClass()},
        {"FileAboutQuandrel2012", "About Quandrel2012", "", &fw::AppleMenuItem::StaticClass()}}},
      {"EditMenu",
       "&Edit",
       {{"EditUndo", "&Undo", "Cmd+Z", &fw::MenuItem::StaticClass()},
        {"UntitledMenu1", "-", "", &fw::MenuItem::StaticClass()},
        {"EditCut", "Cu&t", "Cmd+X", &fw::MenuItem::StaticClass()},
        {"EditCopy", "&Copy", "Cmd+C", &fw::MenuItem::StaticClass()},
        {"EditPaste", "&Paste", "Cmd+V", &fw::MenuItem::StaticClass()},
        {"EditClear", "&Delete", "", &fw::MenuItem::StaticClass()},
        {"UntitledMenu0", "-", "", &fw::MenuItem::StaticClass()},
        {"EditSelectAll", "Select &All", "Cmd+A", &fw::MenuItem::StaticClass()}}},
      {"instructionsMenu",
       "Instructions",
       {{"instructionsinstructions", "instructions", "", &fw::MenuItem::StaticClass()}}},
  };
  for (int m = 0; m < 3; ++m) {
    auto menu = bar->Item(m);
    EXPECT_EQ(menu->Name, expected[m].name);
    EXPECT_EQ(menu->Text, expected[m].text);
    ASSERT_EQ(menu->Count(), static_cast<int32_t>(expected[m].items.size()));
    for (int i = 0; i < menu->Count(); ++i) {
      auto item = menu->Item(i);
      const auto& [name, text, shortcut, cls] = expected[m].items[static_cast<size_t>(i)];
      EXPECT_EQ(item->Name, name);
      EXPECT_EQ(item->Text, text);
      EXPECT_EQ(item->KeyboardShortcut, shortcut);
      EXPECT_EQ(&item->Class(), cls) << name;
      EXPECT_TRUE(item->AutoEnable);
    }
  }
  // Every restarted main window is given the very same bar.
  auto first = GetWindow1();
  first->Close();
  EXPECT_EQ(GetWindow1()->MenuBar(), bar);
}

}  // namespace
