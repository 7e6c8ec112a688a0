// Timers: one Action a Period after Mode 1, from the event loop only, never
// inside another handler and never while a message box is open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Runtime.h"
#include "framework/Timer.h"
#include "tests/framework/EventWindow.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using framework_tests::EventWindow;
using framework_tests::Journal;
using Log = std::vector<std::string>;

class Timers : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    window = fw::Window::Create<EventWindow>();
    timer = window->timer;
    Journal().clear();
  }
  void TearDown() override {
    timer.reset();
    window.reset();
    HeadlessTest::TearDown();
  }
  size_t Actions() const {
    size_t n = 0;
    for (const auto& line : Journal()) n += line == "Action Timer1";
    return n;
  }
  std::shared_ptr<EventWindow> window;
  std::shared_ptr<fw::Timer> timer;
};

TEST_F(Timers, ModeOneGivesExactlyOneActionOnePeriodLater) {
  ASSERT_EQ(timer->Period(), 500);
  timer->SetMode(fw::Timer::kModeSingle);
  backend.Advance(499);
  EXPECT_EQ(Actions(), 0u);
  backend.Advance(1);
  EXPECT_EQ(Actions(), 1u);
  EXPECT_EQ(timer->Mode(), fw::Timer::kModeOff);
  backend.Advance(10000);
  EXPECT_EQ(Actions(), 1u);
  EXPECT_EQ(backend.PendingTimers(), 0u);
}

TEST_F(Timers, ModeZeroDropsTheWaitingAction) {
  timer->SetMode(fw::Timer::kModeSingle);
  backend.Advance(300);
  timer->SetMode(fw::Timer::kModeOff);
  backend.Advance(5000);
  EXPECT_EQ(Actions(), 0u);
}

TEST_F(Timers, ModeOneAgainStartsThePeriodAgain) {
  timer->SetMode(fw::Timer::kModeSingle);
  backend.Advance(300);
  timer->SetMode(fw::Timer::kModeSingle);
  backend.Advance(300);  // 600 after the first start, 300 after the second
  EXPECT_EQ(Actions(), 0u);
  backend.Advance(200);
  EXPECT_EQ(Actions(), 1u);
  backend.Advance(5000);
  EXPECT_EQ(Actions(), 1u);
}

TEST_F(Timers, ActionModeOneInsideActionArmsAgain) {
  int rounds = 0;
  window->onTimer = [&] {
    if (++rounds < 3) timer->SetMode(fw::Timer::kModeSingle);
  };
  timer->SetMode(fw::Timer::kModeSingle);
  backend.Advance(500);
  backend.Advance(500);
  backend.Advance(500);
  backend.Advance(5000);
  EXPECT_EQ(rounds, 3);
}

TEST_F(Timers, ActionDueDuringAHandlerWaitsUntilItReturns) {
  timer->SetMode(fw::Timer::kModeSingle);
  window->onPush = [&] {
    // The clock passes the timer's due time while this handler still runs.
    backend.Advance(1000);
    Journal().push_back(fw::HandlerRunning() ? "push ends" : "push ends outside a handler");
  };
  window->button->Push();
  EXPECT_EQ(Journal(), (Log{"Action Button1", "push ends"}));
  backend.ProcessPosted();
  EXPECT_EQ(Journal(), (Log{"Action Button1", "push ends", "Action Timer1"}));
  backend.Advance(5000);
  EXPECT_EQ(Actions(), 1u);
}

TEST_F(Timers, ActionIsHeldWhileAMessageBoxIsOpen) {
  timer->SetMode(fw::Timer::kModeSingle);
  services.onMessage = [&](const std::string&) {
    backend.Advance(2000);
    Journal().push_back("box answered");
  };
  fw::MsgBox("Choose a team first.");
  EXPECT_EQ(Journal(), (Log{"box answered"}));
  backend.ProcessPosted();
  EXPECT_EQ(Journal(), (Log{"box answered", "Action Timer1"}));
}

TEST_F(Timers, ModeZeroWhileHeldDropsTheAction) {
  timer->SetMode(fw::Timer::kModeSingle);
  services.onMessage = [&](const std::string&) {
    backend.Advance(2000);
    timer->SetMode(fw::Timer::kModeOff);
  };
  fw::MsgBox("Held");
  backend.Advance(5000);
  EXPECT_EQ(Actions(), 0u);
}

TEST_F(Timers, MessageBoxInsideAHandlerHoldsTheActionUntilBoth) {
  timer->SetMode(fw::Timer::kModeSingle);
  services.onMessage = [&](const std::string&) { backend.Advance(2000); };
  window->onPush = [&] {
    fw::MsgBox("Inside");
    Journal().push_back(Actions() ? "fired inside" : "not yet");
  };
  window->button->Push();
  EXPECT_EQ(Journal(), (Log{"Action Button1", "not yet"}));
  backend.Advance(0);
  EXPECT_EQ(Actions(), 1u);
}

TEST_F(Timers, ClosingTheWindowStopsItsTimer) {
  timer->SetMode(fw::Timer::kModeSingle);
  window->Close();
  backend.Advance(5000);
  EXPECT_EQ(Actions(), 0u);
}

}  // namespace
