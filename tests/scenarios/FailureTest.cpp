// A failure that escapes a game reaches the default report and the program
// goes on: the window keeps what it shows, the user can finish the bracket by
// hand, and the timers still come, so no handler is left counted as running.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/scenarios/Scenario.h"
#include "tests/support/Driver.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using scenarios::kPeriod;
using scenarios::WinsCounted;
using testing_support::PlayBracket;
using testing_support::SetUpBracket;
using tournament_tests::ExpectState;
using tournament_tests::Snapshot;
using tournament_tests::State;

// No score ceiling can be drawn as this: the random source fails the game
// at its first draw, before the game has written anything.
constexpr int32_t kImpossibleCeiling = 99;

void BracketSetUp(fw::HeadlessBackend&, Window1&) {}
void ReplayAllClicked(fw::HeadlessBackend&, Window1& w) {
  PlayBracket(w);
  w.PushButton10()->UserClick();
}
void SemifinalsPlayedByTheChain(fw::HeadlessBackend& backend, Window1& w) {
  ReplayAllClicked(backend, w);
  backend.Advance(kPeriod);
}

void ClickPastaBowl(fw::HeadlessBackend&, Window1& w) { w.PushButton1()->UserClick(); }
void NextPeriod(fw::HeadlessBackend& backend, Window1&) { backend.Advance(kPeriod); }

struct FailureCase {
  const char* name;
  void (*prepare)(fw::HeadlessBackend&, Window1&);
  // The event whose game fails.
  void (*strike)(fw::HeadlessBackend&, Window1&);
  // The timer whose Action that is; it has gone off with it.
  std::shared_ptr<fw::Timer> (Window1::*timer)();
};

const FailureCase kCases[] = {
    {"FirstRoundGameClickedByHand", BracketSetUp, ClickPastaBowl, nullptr},
    {"SemifinalPushedByTimer1", ReplayAllClicked, NextPeriod, &Window1::Timer1},
    {"FinalPushedByTimer2", SemifinalsPlayedByTheChain, NextPeriod, &Window1::Timer2},
};

class FailureTest : public testing_support::HeadlessTest,
                    public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, IsReportedAndThePlayGoesOn) {
  const FailureCase& c = GetParam();
  auto w = SetUpBracket();
  c.prepare(backend, *w);
  const double winsBefore = WinsCounted(*w);
  State expected = Snapshot(*w);
  if (c.timer) {
    auto& timer = expected[((*w).*c.timer)()->Name()];
    timer["Mode"] = "0";
    timer["Pending"] = "0";
  }

  services.scriptedDraws = {kImpossibleCeiling};
  c.strike(backend, *w);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_THAT(services.messages[0], ::testing::StartsWith("An exception was not handled: "));
  EXPECT_THAT(services.messages[0], ::testing::HasSubstr(std::to_string(kImpossibleCeiling)));
  ExpectState(Snapshot(*w), expected);
  EXPECT_EQ(backend.PendingTimers(), 0u);

  // The game that failed can be played again; the user finishes the bracket.
  for (auto play : {w->PushButton1(), w->PushButton2(), w->PushButton3(), w->PushButton4(),
                    w->PushButton5(), w->PushButton6(), w->PushButton7()})
    if (play->Enabled()) play->UserClick();
  EXPECT_EQ(WinsCounted(*w), winsBefore + 1);

  // Timer Actions are still delivered.
  ASSERT_TRUE(w->PushButton10()->Enabled());
  w->PushButton10()->UserClick();
  backend.Advance(2 * kPeriod);
  EXPECT_EQ(WinsCounted(*w), winsBefore + 2);
  EXPECT_EQ(services.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Games, FailureTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
