// Restart at the awkward moments: with a timer of the automatic run pending,
// in the middle of the Shift repeat, and from inside a message box that one of
// the window's own handlers has open. Each time the old window must go quietly
// (no late timer Action on it, destroyed once nothing holds it) and the new
// one must stay in its design state until the user plays in it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "tests/scenarios/Scenario.h"
#include "tests/support/Driver.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using scenarios::kPeriod;
using scenarios::WinsCounted;
using testing_support::PlayBracket;
using testing_support::SetUpBracket;
using testing_support::TestServices;
using tournament_tests::ExpectState;
using tournament_tests::Snapshot;
using tournament_tests::State;

void PressRestart() { GetWindow1()->PushButton8()->UserClick(); }

void PlayedBracket(fw::HeadlessBackend&, TestServices&, Window1& w) {
  ASSERT_EQ(SetUpBracket().get(), &w);
  PlayBracket(w);
}

void ReplayAllClicked(fw::HeadlessBackend& backend, TestServices& services, Window1& w) {
  PlayedBracket(backend, services, w);
  w.PushButton10()->UserClick();
}

void SemifinalsPlayedByTheChain(fw::HeadlessBackend& backend, TestServices& services, Window1& w) {
  ReplayAllClicked(backend, services, w);
  backend.Advance(kPeriod);
}

void FinalByHandWithShift(fw::HeadlessBackend& backend, TestServices& services, Window1& w) {
  services.shift = true;
  PlayedBracket(backend, services, w);
}

void OneShiftRepeatRun(fw::HeadlessBackend& backend, TestServices& services, Window1& w) {
  FinalByHandWithShift(backend, services, w);
  backend.Advance(3 * kPeriod);
}

void OneTeamChosen(fw::HeadlessBackend&, TestServices&, Window1& w) {
  w.PopupMenu1()->UserSelect(1);
}

struct RestartCase {
  const char* name;
  // Brings the main window to the moment of the restart.
  void (*prepare)(fw::HeadlessBackend&, TestServices&, Window1&);
  // The timer that is waiting at that moment, if any.
  std::shared_ptr<fw::Timer> (Window1::*pending)();
  // When set, a user action that opens a message box; Restart is pressed
  // while the box is on screen. Otherwise Restart is pressed directly.
  void (*openBox)(Window1&);
  const char* boxText;
  // The clock moves on while the box is open, so the pending timer falls due
  // and its Action waits for the box.
  bool timerFallsDueUnderTheBox;
};

void ClickSaveListWithoutUserId(Window1& w) { w.PushButton11()->UserClick(); }
void ChooseTheSameTeamAgain(Window1& w) { w.PopupMenu2()->UserSelect(1); }

constexpr const char* kUserIdBox = "Please enter your UserID first";
constexpr const char* kDuplicateBox = "Your team choice can not match another choice";

const RestartCase kCases[] = {
    {"Timer1PendingAfterReplayAll", ReplayAllClicked, &Window1::Timer1, nullptr, nullptr, false},
    {"Timer2PendingAfterTheSemifinals", SemifinalsPlayedByTheChain, &Window1::Timer2, nullptr,
     nullptr, false},
    {"Timer3PendingAfterAFinalByHandWithShift", FinalByHandWithShift, &Window1::Timer3, nullptr,
     nullptr, false},
    {"Timer3PendingInTheShiftRepeat", OneShiftRepeatRun, &Window1::Timer3, nullptr, nullptr, false},
    {"UserIdBox", PlayedBracket, nullptr, ClickSaveListWithoutUserId, kUserIdBox, false},
    {"UserIdBoxWhileTimer1Pending", ReplayAllClicked, &Window1::Timer1, ClickSaveListWithoutUserId,
     kUserIdBox, false},
    {"UserIdBoxAfterTimer1FellDue", ReplayAllClicked, &Window1::Timer1, ClickSaveListWithoutUserId,
     kUserIdBox, true},
    {"UserIdBoxInTheShiftRepeat", OneShiftRepeatRun, &Window1::Timer3, ClickSaveListWithoutUserId,
     kUserIdBox, true},
    {"DuplicateTeamBox", OneTeamChosen, nullptr, ChooseTheSameTeamAgain, kDuplicateBox, false},
};

// The second parameter: whether something outside the window (here the test)
// still holds the old window after the restart.
class RestartTest : public testing_support::HeadlessTest,
                    public ::testing::WithParamInterface<std::tuple<RestartCase, bool>> {};

TEST_P(RestartTest, OldWindowGoesQuietlyAndTheNewOneStartsFromItsDesign) {
  const auto& [c, holdOld] = GetParam();
  const State design = Snapshot(*GetWindow1());
  std::weak_ptr<Window1> old = GetWindow1();
  const Window1* oldAddress = old.lock().get();

  c.prepare(backend, services, *old.lock());
  if (c.pending) {
    ASSERT_TRUE(((*old.lock()).*c.pending)()->Pending());
  }
  const double winsBefore = WinsCounted(*old.lock());

  std::shared_ptr<Window1> kept = holdOld ? old.lock() : nullptr;
  int restarts = 0;
  if (c.openBox) {
    services.onMessage = [&](const std::string&) {
      if (restarts++) return;
      if (c.timerFallsDueUnderTheBox) backend.Advance(2 * kPeriod);
      PressRestart();
    };
    c.openBox(*old.lock());
    EXPECT_EQ(services.messages, std::vector<std::string>{c.boxText});
  } else {
    PressRestart();
    EXPECT_TRUE(services.messages.empty());
  }
  EXPECT_EQ(restarts, c.openBox ? 1 : 0);

  // The handlers that ran in the old window have all returned.
  EXPECT_EQ(old.expired(), !holdOld);
  std::shared_ptr<Window1> fresh = GetWindow1();
  EXPECT_NE(fresh.get(), oldAddress);
  scenarios::ExpectDesignState(*fresh, design);
  State closed;
  if (kept) {
    EXPECT_TRUE(kept->IsClosed());
    EXPECT_EQ(WinsCounted(*kept), winsBefore);
    for (auto timer : {kept->Timer1(), kept->Timer2(), kept->Timer3()})
      EXPECT_FALSE(timer->Pending()) << timer->Name();
    closed = Snapshot(*kept);
  }

  // Well past every period the old chain could still have had.
  backend.Advance(20 * kPeriod);
  EXPECT_EQ(backend.PendingTimers(), 0u);
  scenarios::ExpectDesignState(*fresh, design);
  if (kept) {
    ExpectState(Snapshot(*kept), closed);
    kept.reset();
    EXPECT_TRUE(old.expired());
  }
  EXPECT_EQ(services.messages.size(), c.openBox ? 1u : 0u) << "no failure was reported";

  // The new window plays a bracket and runs a chain of its own.
  services.shift = false;
  services.onMessage = nullptr;
  auto w = SetUpBracket();
  ASSERT_EQ(w, fresh);
  PlayBracket(*w);
  w->PushButton10()->UserClick();
  backend.Advance(2 * kPeriod);
  EXPECT_EQ(WinsCounted(*w), 2);
  EXPECT_TRUE(w->PushButton10()->Enabled());
  EXPECT_EQ(backend.PendingTimers(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Moments, RestartTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<RestartTest::ParamType>& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_OldWindowHeld"
                                                           : "_OldWindowReleased");
                         });

}  // namespace
