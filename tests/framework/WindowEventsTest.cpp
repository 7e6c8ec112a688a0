// How controls raise their events, how windows are built and closed, and what
// becomes of a failure inside a handler.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Buttons.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/Record.h"
#include "framework/Runtime.h"
#include "framework/Timer.h"
#include "framework/Window.h"
#include "tests/framework/EventWindow.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using framework_tests::EventWindow;
using framework_tests::Journal;

class WindowEvents : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    Journal().clear();
    window = fw::Window::Create<EventWindow>();
    Journal().clear();
  }
  void TearDown() override {
    window.reset();
    HeadlessTest::TearDown();
  }
  void Fill(fw::PopupMenu& popup, int rows) {
    for (int i = 0; i < rows; ++i) popup.AddRow("Row " + std::to_string(i));
  }
  using Log = std::vector<std::string>;
  std::shared_ptr<EventWindow> window;
};

TEST_F(WindowEvents, OpenComesOnceForEachListAfterAllControlsExist) {
  Journal().clear();
  auto fresh = fw::Window::Create<EventWindow>();
  // Popup2's record set ListIndex 0 while it had no rows: nothing was raised.
  EXPECT_EQ(Journal(), (Log{"Open Popup1 6", "Open List1 6", "Open Popup2 6"}));
  EXPECT_EQ(fresh->popups[1]->ListIndex(), -1);
}

TEST_F(WindowEvents, SelectingAnotherRowRaisesChangeAtOnce) {
  fw::PopupMenu& popup = *window->popups[0];
  Fill(popup, 3);
  EXPECT_EQ(popup.ListIndex(), -1);  // adding rows never selects one
  EXPECT_TRUE(Journal().empty());

  popup.SetListIndex(0);  // the first selection of row 0 is a change too
  EXPECT_EQ(Journal(), (Log{"Change Popup1 0"}));
  popup.SetListIndex(0);
  EXPECT_EQ(Journal().size(), 1u);
  popup.SetListIndex(2);
  EXPECT_EQ(Journal().back(), "Change Popup1 2");
  EXPECT_EQ(popup.Text(), "Row 2");
  popup.SetListIndex(-1);
  EXPECT_EQ(Journal().back(), "Change Popup1 -1");
  EXPECT_EQ(popup.Text(), "");
  popup.SetListIndex(-1);
  EXPECT_EQ(Journal().size(), 3u);
  EXPECT_THROW(popup.SetListIndex(3), fw::OutOfBoundsException);
  EXPECT_EQ(popup.ListIndex(), -1);
}

TEST_F(WindowEvents, ChangeRunsNestedInsideTheHandlerThatSetsTheRow) {
  Fill(*window->popups[0], 2);
  window->onPush = [&] {
    Journal().push_back("push begins");
    window->popups[0]->SetListIndex(1);
    Journal().push_back("push ends");
  };
  window->button->Push();
  EXPECT_EQ(Journal(), (Log{"Action Button1", "push begins", "Change Popup1 1", "push ends"}));
}

TEST_F(WindowEvents, PopupWithoutRowsStaysUnselected) {
  fw::PopupMenu& popup = *window->popups[1];
  fw::SetProperties(popup, fw::RecordBuilder().Int32("ListIndex", 0).Bytes());
  popup.SetListIndex(0);
  EXPECT_EQ(popup.ListIndex(), -1);
  EXPECT_TRUE(Journal().empty());
}

TEST_F(WindowEvents, UserPickGoesThroughTheSameSetter) {
  fw::PopupMenu& popup = *window->popups[0];
  Fill(popup, 3);
  popup.UserSelect(1);
  popup.UserSelect(1);
  EXPECT_EQ(Journal(), (Log{"Change Popup1 1"}));
  popup.SetEnabled(false);
  popup.UserSelect(2);  // a disabled control takes no user input
  EXPECT_EQ(popup.ListIndex(), 1);
  popup.SetListIndex(2);  // but takes values set by code
  EXPECT_EQ(Journal(), (Log{"Change Popup1 1", "Change Popup1 2"}));
}

TEST_F(WindowEvents, CheckBoxActionIsTheUsersClickOnly) {
  fw::CheckBox& check = *window->check;
  check.SetValue(true);
  check.SetValue(false);
  EXPECT_TRUE(Journal().empty());
  check.UserClick(true);
  EXPECT_EQ(Journal(), (Log{"Action Check1 1"}));  // the mark is set before Action runs
  EXPECT_TRUE(check.Value());
  check.SetEnabled(false);
  check.UserClick(false);
  EXPECT_TRUE(check.Value());
  EXPECT_EQ(Journal().size(), 1u);
}

TEST_F(WindowEvents, PushRunsActionNestedUnlessDisabled) {
  window->button->Push();
  EXPECT_EQ(Journal(), (Log{"Action Button1"}));
  window->button->UserClick();
  EXPECT_EQ(Journal().size(), 2u);
  window->button->SetEnabled(false);
  window->button->Push();
  window->button->UserClick();
  EXPECT_EQ(Journal().size(), 2u);
}

TEST_F(WindowEvents, ImplicitWindowIsTheOpenOneUntilClosed) {
  EXPECT_EQ(fw::Window::GetImplicitWindow(EventWindow::StaticClass()), window);
  EXPECT_EQ(fw::Window::GetImplicitWindow(fw::Window::StaticClass()), nullptr);
  window->Close();
  EXPECT_TRUE(window->IsClosed());
  EXPECT_EQ(fw::Window::GetImplicitWindow(EventWindow::StaticClass()), nullptr);
}

TEST_F(WindowEvents, WindowClosedInItsOwnHandlerLivesUntilTheHandlerReturns) {
  std::weak_ptr<EventWindow> weak = window;
  window->onPush = [weak] {
    auto self = weak.lock();
    self->Close();
    self.reset();
    Journal().push_back(weak.expired() ? "destroyed in handler" : "alive in handler");
    Journal().push_back(fw::Window::GetImplicitWindow(EventWindow::StaticClass()) ? "still open"
                                                                                  : "closed");
  };
  fw::PushButton* button = window->button.get();
  window.reset();  // only the framework holds the window now
  ASSERT_FALSE(weak.expired());
  button->Push();
  EXPECT_EQ(Journal(), (Log{"Action Button1", "alive in handler", "closed"}));
  EXPECT_TRUE(weak.expired());
}

TEST_F(WindowEvents, BindingAndRegistrationAreChecked) {
  using fw::InvalidArgumentException;
  fw::PopupMenu& popup = *window->popups[0];
  EXPECT_THROW(
      popup.Bind(fw::PopupMenu::kChange,
                 fw::MethodDelegate(*window, &EventWindow::ButtonAction, "( PushButton )")),
      InvalidArgumentException);
  EXPECT_THROW(
      popup.Bind(99, fw::MethodDelegate(*window, &EventWindow::PopupChange, "( PopupMenu )")),
      InvalidArgumentException);
  EXPECT_THROW(window->timer->Bind(fw::Timer::kAction,
                                   fw::MethodDelegate(*window, &EventWindow::TimerAction, "")),
               InvalidArgumentException);
  // A second control of one name, or no control at all, is refused.
  EXPECT_THROW(window->AddControl(std::make_shared<fw::PushButton>(), "Popup1"),
               InvalidArgumentException);
  EXPECT_THROW(window->AddControl(nullptr, "Button2"), fw::NilObjectException);
  EXPECT_EQ(window->Controls().size(), 6u);
  // The failed binds left the old handler in place.
  Fill(popup, 1);
  popup.SetListIndex(0);
  EXPECT_EQ(Journal(), (Log{"Change Popup1 0"}));
}

TEST_F(WindowEvents, HandlerFailureIsReportedAndTheProgramGoesOn) {
  Fill(*window->popups[0], 2);
  window->onPush = [] { throw fw::OutOfBoundsException("row 9 of Popup1 does not exist"); };
  testing::internal::CaptureStderr();
  window->button->Push();
  const std::string err = testing::internal::GetCapturedStderr();
  ASSERT_EQ(services.messages.size(), 1u);
  const std::string& report = services.messages[0];
  EXPECT_NE(report.find("OutOfBoundsException"), std::string::npos) << report;
  EXPECT_NE(report.find("row 9 of Popup1 does not exist"), std::string::npos) << report;
  EXPECT_NE(err.find(report), std::string::npos) << err;
  EXPECT_FALSE(fw::HandlerRunning());

  // Nothing was cleared, and the next event runs as before.
  EXPECT_EQ(window->popups[0]->ListCount(), 2);
  EXPECT_EQ(fw::Window::GetImplicitWindow(EventWindow::StaticClass()), window);
  window->onPush = nullptr;
  window->button->Push();
  EXPECT_EQ(Journal().back(), "Action Button1");
}

TEST_F(WindowEvents, ForeignFailureFromUserInputIsReportedToo) {
  window->onPush = [] { throw std::logic_error("the bracket is empty"); };
  testing::internal::CaptureStderr();
  window->button->UserClick();
  testing::internal::GetCapturedStderr();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_NE(services.messages[0].find("the bracket is empty"), std::string::npos);
  EXPECT_FALSE(fw::HandlerRunning());
  // From code, a failure that is no RuntimeException goes to the caller.
  EXPECT_THROW(window->button->Push(), std::logic_error);
  EXPECT_FALSE(fw::HandlerRunning());
}

TEST(CallWrapper, GivesNilTheRuntimeExceptionOrLetsOthersThrough) {
  auto normal = [](void* argument) { ++*static_cast<int*>(argument); };
  auto runtime = [](void*) { throw fw::IllegalCastException("Label is not a PushButton"); };
  auto other = [](void*) { throw std::logic_error("not ours"); };
  int calls = 0;
  EXPECT_EQ(fw::DefaultExceptionHelper(normal, &calls), nullptr);
  EXPECT_EQ(calls, 1);

  std::exception_ptr raised = fw::DefaultExceptionHelper(runtime, nullptr);
  ASSERT_NE(raised, nullptr);
  try {
    std::rethrow_exception(raised);
  } catch (const fw::RuntimeException& e) {
    EXPECT_STREQ(e.ClassName(), "IllegalCastException");
    EXPECT_STREQ(e.what(), "Label is not a PushButton");
  }
  EXPECT_THROW(fw::DefaultExceptionHelper(other, nullptr), std::logic_error);
}

TEST_F(WindowEvents, CheckedCastTestsTheClass) {
  std::shared_ptr<fw::Control> control = window->popups[0];
  EXPECT_EQ(fw::Cast<fw::PopupMenu>(control), window->popups[0]);
  EXPECT_EQ(fw::Cast<fw::RectControl>(control).get(), control.get());
  EXPECT_THROW(fw::Cast<fw::PushButton>(control), fw::IllegalCastException);
  EXPECT_THROW(fw::Cast<fw::Timer>(control), fw::IllegalCastException);
  EXPECT_EQ(fw::Cast<fw::PopupMenu>(std::shared_ptr<fw::Control>()), nullptr);
  EXPECT_THROW(fw::CastRef<fw::Listbox>(*control), fw::IllegalCastException);
  EXPECT_EQ(&fw::CastRef<fw::Control>(*control), control.get());
  EXPECT_EQ(fw::Cast<fw::PopupMenu>(window->ControlByName("Popup2")), window->popups[1]);
  EXPECT_EQ(window->ControlByName("NoSuchControl"), nullptr);
}

TEST(ClassTables, BuiltOnceAndRegisteredByName) {
  const fw::ClassInfo* tables[] = {&fw::PopupMenu::StaticClass(), &fw::PushButton::StaticClass(),
                                   &fw::Timer::StaticClass(), &fw::Window::StaticClass(),
                                   &EventWindow::StaticClass()};
  const fw::ClassInfo* again[] = {&fw::PopupMenu::StaticClass(), &fw::PushButton::StaticClass(),
                                  &fw::Timer::StaticClass(), &fw::Window::StaticClass(),
                                  &EventWindow::StaticClass()};
  for (size_t i = 0; i < std::size(tables); ++i) {
    EXPECT_EQ(tables[i], again[i]);
    EXPECT_EQ(fw::ClassRegistry::Lookup(tables[i]->Name()), tables[i]) << tables[i]->Name();
  }
  EXPECT_EQ(fw::ClassRegistry::Lookup("NoSuchClass"), nullptr);
  EXPECT_TRUE(fw::PopupMenu::StaticClass().IsSubclassOf(fw::Control::StaticClass()));
  EXPECT_FALSE(fw::Control::StaticClass().IsSubclassOf(fw::PopupMenu::StaticClass()));
}

}  // namespace
