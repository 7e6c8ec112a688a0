// Start-up: the order in which the program brings up its first objects, the
// menu bar it builds, and the call wrapper it hands the framework.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

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

// A launcher may start the program with its standard streams closed, or with
// standard error a pipe nobody reads. In a child process made that way, the
// start-up gives the streams /dev/null, survives a write to a broken pipe,
// and leaves its own children the default signal actions.
TEST(ProcessProtection, ClosedStreamsAndBrokenPipesNeitherMisdirectNorKill) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(STDOUT_FILENO);
    ::close(STDERR_FILENO);
    fw::RuntimeProtectProcess();
    int failures = 0;
    struct stat null {}, stream {};
    ::stat("/dev/null", &null);
    for (int fd : {STDOUT_FILENO, STDERR_FILENO})
      if (::fstat(fd, &stream) != 0 || stream.st_rdev != null.st_rdev) failures |= 1;
    int unread[2];
    if (::pipe(unread) != 0) ::_exit(99);
    ::close(unread[0]);
    if (::write(unread[1], "x", 1) != -1 || errno != EPIPE) failures |= 2;
    for (int signal : {SIGPIPE, SIGXFSZ}) {
      const pid_t grandchild = ::fork();
      if (grandchild == 0) {
        ::execl("/bin/sh", "sh", "-c", "kill -s \"$0\" $$; exit 0",
                signal == SIGPIPE ? "PIPE" : "XFSZ", static_cast<char*>(nullptr));
        ::_exit(98);
      }
      int status = 0;
      ::waitpid(grandchild, &status, 0);
      if (!WIFSIGNALED(status) || WTERMSIG(status) != signal) failures |= 4;
    }
    ::_exit(failures);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
  const int failures = WEXITSTATUS(status);
  EXPECT_FALSE(failures & 1) << "a closed standard stream was left closed";
  EXPECT_FALSE(failures & 2) << "a write to a broken pipe did not fail with EPIPE";
  EXPECT_FALSE(failures & 4) << "a started program did not get the default signal actions";
}

}  // namespace
