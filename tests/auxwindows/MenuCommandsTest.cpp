// The main window's About and instructions commands: one window of each at a
// time, a new one from the design after each way of closing it, and the
// tournament left as it was.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "app/MenuBar1.h"
#include "auxwindows/Window2.h"
#include "auxwindows/Window3.h"
#include "framework/ComboBox.h"
#include "mainwindow/Window1.h"
#include "tests/support/Driver.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using testing_support::HeadlessTest;

struct Command {
  const char* item;  // the menu bar item's Name
  const fw::ClassInfo& (*cls)();
};

const Command kAbout{"FileAboutQuandrel2012", &Window2::StaticClass};
const Command kInstructions{"instructionsinstructions", &Window3::StaticClass};

int OpenCount(const fw::ClassInfo& cls) {
  int count = 0;
  for (const auto& window : fw::Window::OpenWindows()) count += &window->Class() == &cls;
  return count;
}

bool Choose(Window1& main, const char* item) {
  auto menuItem = GetMenuBar1()->Lookup(item);
  if (!menuItem) throw std::logic_error(std::string("no menu item ") + item);
  return main.HandleMenuCommand(*menuItem);
}

// What the tournament shows: every control's state and the window's own.
std::string Snapshot(Window1& main) {
  std::ostringstream out;
  for (const auto& control : main.Controls()) {
    out << control->Name();
    if (auto placed = std::dynamic_pointer_cast<fw::RectControl>(control))
      out << " e" << placed->Enabled() << " v" << placed->Visible();
    if (auto popup = std::dynamic_pointer_cast<fw::PopupMenu>(control))
      out << " rows" << popup->ListCount() << " at" << popup->ListIndex();
    if (auto box = std::dynamic_pointer_cast<fw::CheckBox>(control)) out << " x" << box->Value();
    if (auto text = std::dynamic_pointer_cast<fw::TextEdit>(control)) out << " '" << text->Text();
    if (auto label = std::dynamic_pointer_cast<fw::Label>(control)) out << " '" << label->Text();
    out << "\n";
  }
  out << main.listit << main.one << main.two << main.eight << main.team.size() << main.TeamList;
  return out.str();
}

TEST_F(HeadlessTest, MainWindowRegistersBothCommandsOnlyWithoutRegardToCase) {
  auto main = GetWindow1();
  for (const char* item : {"FileAboutQuandrel2012", "fileaboutquandrel2012",
                           "Instructionsinstructions", "instructionsinstructions"})
    EXPECT_TRUE(main->HasMenuHandler(item)) << item;
  for (const char* item : {"FileQuit", "EditCopy", "EditUndo", "instructionsMenu"})
    EXPECT_FALSE(main->HasMenuHandler(item)) << item;
}

TEST_F(HeadlessTest, EachCommandTwiceLeavesOneWindowShown) {
  auto main = GetWindow1();
  for (const Command& command : {kAbout, kInstructions}) {
    SCOPED_TRACE(command.item);
    EXPECT_TRUE(Choose(*main, command.item));
    ASSERT_EQ(OpenCount(command.cls()), 1);
    auto first = fw::Window::GetImplicitWindow(command.cls());
    first->SetVisible(false);  // as if hidden behind the main window
    EXPECT_TRUE(Choose(*main, command.item));
    EXPECT_EQ(OpenCount(command.cls()), 1);
    EXPECT_EQ(fw::Window::GetImplicitWindow(command.cls()), first);
    EXPECT_TRUE(first->Visible());
  }
}

// Each way a window ends; the next command must build it anew.
struct Ending {
  const char* name;
  Command command;
  std::function<void(fw::Window&)> end;
};

void PressOk(fw::Window& window) {
  fw::Cast<fw::PushButton>(window.ControlByName("PushButton1"))->UserClick();
}
void CloseBox(fw::Window& window) { window.UserClose(); }
void FollowLink(fw::Window& window) {
  fw::Cast<fw::Label>(window.ControlByName("Label3"))->UserMouseDown(3, 4);
}

// The user's edits, and what the design says instead.
void Edit(fw::Window& window) {
  if (&window.Class() == &Window2::StaticClass())
    fw::CastRef<Window2>(window).ComboBox1()->UserEdited("typed");
  else
    fw::CastRef<Window3>(window).TextArea1()->UserEdited("edited\rtext");
}
void ExpectDesignTexts(fw::Window& window) {
  if (&window.Class() == &Window2::StaticClass()) {
    auto& box = fw::CastRef<Window2>(window);
    EXPECT_EQ(box.ComboBox1()->Text(), "");
    EXPECT_EQ(box.ComboBox1()->ListCount(), 0);
    EXPECT_EQ(box.Label1()->Text(), "Quandrel 2012\rversion 3.1.0");
    EXPECT_EQ(box.Label3()->Text(), "https://quandrel.example.org/");
  } else {
    EXPECT_EQ(fw::CastRef<Window3>(window).TextArea1()->Text(), InstructionsText());
  }
}

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class WindowEnding : public HeadlessTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(WindowEnding, NextCommandBuildsANewWindowFromTheDesign) {
  const Ending& ending = GetParam();
  auto main = GetWindow1();
  ASSERT_TRUE(Choose(*main, ending.command.item));
  auto first = fw::Window::GetImplicitWindow(ending.command.cls());
  ASSERT_TRUE(first);
  Edit(*first);
  // The edits stay while the window exists, also when chosen again.
  ASSERT_TRUE(Choose(*main, ending.command.item));
  ASSERT_EQ(fw::Window::GetImplicitWindow(ending.command.cls()), first);

  ending.end(*first);
  backend.ProcessPosted();
  EXPECT_TRUE(first->IsClosed());
  EXPECT_EQ(OpenCount(ending.command.cls()), 0);

  ASSERT_TRUE(Choose(*main, ending.command.item));
  auto second = fw::Window::GetImplicitWindow(ending.command.cls());
  ASSERT_TRUE(second);
  EXPECT_NE(second, first);
  EXPECT_EQ(OpenCount(ending.command.cls()), 1);
  ExpectDesignTexts(*second);
}

INSTANTIATE_TEST_SUITE_P(AuxWindows, WindowEnding,
                         ::testing::Values(Ending{"AboutOk", kAbout, PressOk},
                                           Ending{"AboutCloseBox", kAbout, CloseBox},
                                           Ending{"AboutLink", kAbout, FollowLink},
                                           Ending{"InstructionsOk", kInstructions, PressOk},
                                           Ending{"InstructionsCloseBox", kInstructions, CloseBox}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeadlessTest, NeitherWindowChangesTheTournament) {
  auto main = GetWindow1();
  testing_support::ChooseTeams(*main);
  testing_support::ClickDone1(*main);
  const std::string before = Snapshot(*main);

  for (const Command& command : {kAbout, kInstructions}) {
    ASSERT_TRUE(Choose(*main, command.item));
    auto window = fw::Window::GetImplicitWindow(command.cls());
    Edit(*window);
    EXPECT_EQ(Snapshot(*main), before) << command.item;
  }
  FollowLink(*GetWindow2());
  PressOk(*GetWindow3());
  backend.ProcessPosted();
  EXPECT_EQ(Snapshot(*main), before);
  EXPECT_FALSE(main->IsClosed());
  EXPECT_TRUE(services.messages.empty());
}

}  // namespace
