// Making controls from design rows: the record applied before any handler is
// bound, the row's class checked, and a plain control made where none is
// given.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Buttons.h"
#include "framework/DesignRecords.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/Timer.h"
#include "tests/framework/EventWindow.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using framework_tests::EventWindow;
using framework_tests::Journal;
using K = fw::DesignClass;

class DesignedControls : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    window = fw::Window::Create<EventWindow>();
    Journal().clear();
  }
  void TearDown() override {
    window.reset();
    HeadlessTest::TearDown();
  }
  std::shared_ptr<EventWindow> window;
};

TEST_F(DesignedControls, RecordSelectsTheRowBeforeChangeIsBound) {
  // A menu that already has rows: the record's ListIndex 0 selects one.
  auto popup = std::make_shared<fw::PopupMenu>();
  popup->AddRow("A");
  popup->AddRow("B");
  const fw::ControlDesign row{.name = "Popup9", .cls = K::PopupMenu, .left = 5, .top = 6,
                              .width = 80, .height = 20, .textSize = 9};
  fw::CreateDesignedControl(*window, row, fw::DesignRecord(row), popup, [&] {
    return std::vector<fw::DesignHandler>{
        {fw::PopupMenu::kChange,
         fw::MethodDelegate(*window, &EventWindow::PopupChange, "( PopupMenu )")}};
  });
  EXPECT_TRUE(Journal().empty());
  EXPECT_EQ(popup->ListIndex(), 0);
  EXPECT_EQ(popup->Left(), 5);
  EXPECT_EQ(popup->TextSize(), 9);
  popup->SetListIndex(1);
  EXPECT_EQ(Journal(), std::vector<std::string>{"Change Popup9 1"});
}

TEST_F(DesignedControls, PlainControlsOfEachClassAndTheClassChecked) {
  const fw::ControlDesign label{.name = "Label9", .cls = K::Label, .left = 1, .top = 2,
                                .width = 3, .height = 4, .text = "Hi"};
  fw::CreateDesignedControl(*window, label, fw::DesignRecord(label), nullptr, {});
  EXPECT_EQ(fw::Cast<fw::Label>(window->ControlByName("Label9"))->Text(), "Hi");

  const fw::ControlDesign timer{.name = "Timer9", .cls = K::Timer, .left = 0, .top = 0,
                                .width = 0, .height = 0};
  fw::CreateDesignedControl(*window, timer, fw::TimerDesignRecord(0, 250), nullptr, {});
  EXPECT_EQ(fw::Cast<fw::Timer>(window->ControlByName("Timer9"))->Period(), 250);
  EXPECT_THROW(fw::DesignRecord(timer), fw::InvalidArgumentException);

  // A button handed in for a label row is refused before its record applies.
  const fw::ControlDesign wrong{.name = "Label10", .cls = K::Label, .left = 1, .top = 2,
                                .width = 3, .height = 4};
  auto button = std::make_shared<fw::PushButton>();
  EXPECT_THROW(
      fw::CreateDesignedControl(*window, wrong, fw::DesignRecord(wrong), button, {}),
      fw::IllegalCastException);
  EXPECT_EQ(button->Left(), 0);
}

}  // namespace
