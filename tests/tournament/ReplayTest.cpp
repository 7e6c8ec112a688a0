// Replay, ReplayAll with its timer chain and the Shift repeat, and Restart,
// driven as a user drives them, with the test clock standing in for time.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "auxwindows/Window2.h"
#include "framework/Strings.h"
#include "mainwindow/Window1.h"
#include "tests/support/Driver.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/tournament/WindowSnapshot.h"

namespace {

using testing_support::PlayBracket;
using testing_support::SetUpBracket;
using tournament_tests::ExpectState;
using tournament_tests::Snapshot;
using tournament_tests::State;

constexpr int64_t kPeriod = 500;

std::string Name(const char* kind, int number) { return kind + std::to_string(number); }

double WinsCounted(Window1& w) {
  double wins = 0;
  auto table = w.Listbox1();
  for (int32_t row = 0; row < table->ListCount(); ++row) wins += fw::Val(table->Cell(row, 1));
  return wins;
}

bool Played(Window1& w, int strengthLabel) {
  return !fw::Cast<fw::Label>(w.ControlByName(Name("Label", strengthLabel)))->Text().empty();
}

class ReplayTest : public testing_support::HeadlessTest {};

TEST_F(ReplayTest, ReplayClearsTheSevenGamesAndNothingElse) {
  auto w = SetUpBracket();
  w->TextField15()->UserEdited("someone");
  PlayBracket(*w);
  ASSERT_TRUE(w->PushButton9()->Enabled());
  State before = Snapshot(*w);

  State expected = before;
  expected["PushButton9"]["Enabled"] = "0";
  for (int n : {10, 11, 15, 16, 20, 21}) expected[Name("Label", n)]["Text"] = "TEAM: TBA";
  for (int n : {12, 13, 17, 18, 22, 23}) expected[Name("Label", n)]["Text"] = "";
  for (int n = 1; n <= 4; ++n) expected[Name("PushButton", n)]["Enabled"] = "1";
  for (int n = 1; n <= 14; ++n) {
    expected[Name("TextField", n)]["Text"] = "";
    expected[Name("TextField", n)]["BackColor"] = "255,255,255";
  }
  w->PushButton9()->UserClick();
  ExpectState(Snapshot(*w), expected);

  // Seven winners were marked; every mark keeps its bold, now on white.
  int bold = 0;
  for (int n = 1; n <= 14; ++n) bold += expected[Name("TextField", n)]["Bold"] == "1";
  EXPECT_EQ(bold, 7);
}

// The last slot stays open: choosing its team again replays the "Soup Bowl",
// which opens the "Crystal Bowl" and then the final anew; Replay leaves both
// buttons enabled with no teams behind them. Neither bowl is played then, and
// a game where neither side can score is never replayed without end.
TEST_F(ReplayTest, ABowlWithoutTwoTeamsThatCanScoreIsNotPlayed) {
  auto w = SetUpBracket();
  PlayBracket(*w);
  auto soupBowlAgain = [&] {
    w->PopupMenu24()->UserSelect(0);
    w->PopupMenu24()->UserSelect(1);
    w->PushButton4()->UserClick();
  };
  soupBowlAgain();
  w->PushButton6()->UserClick();
  soupBowlAgain();
  w->PushButton9()->UserClick();
  ASSERT_TRUE(w->PushButton6()->Enabled() && w->PushButton7()->Enabled());

  auto playUnplayable = [&](int button, int scoreA) {
    State expected = Snapshot(*w);
    for (int n : {scoreA, scoreA + 1}) expected[Name("TextField", n)]["Text"] = "0";
    fw::Cast<fw::PushButton>(w->ControlByName(Name("PushButton", button)))->UserClick();
    ExpectState(Snapshot(*w), expected);
  };
  playUnplayable(6, 11);
  playUnplayable(7, 13);
  // One known team is no game either.
  w->Label22()->SetText("9");
  playUnplayable(7, 13);
  w->Label22()->SetText("0");
  w->Label23()->SetText("0");
  playUnplayable(7, 13);
}

TEST_F(ReplayTest, ABracketPlayedAgainAfterReplayAddsOneWinAndNoRows) {
  auto w = SetUpBracket();
  PlayBracket(*w);
  auto rows = w->Listbox1()->Rows();
  ASSERT_EQ(rows.size(), 8u);
  ASSERT_EQ(WinsCounted(*w), 1);

  for (int run = 2; run <= 3; ++run) {
    w->PushButton9()->UserClick();
    PlayBracket(*w);
    EXPECT_EQ(WinsCounted(*w), run);
    ASSERT_EQ(w->Listbox1()->ListCount(), 8);
    for (size_t i = 0; i < rows.size(); ++i)
      EXPECT_EQ(w->Listbox1()->Cell(int32_t(i), 0), rows[i][0]);
  }
}

TEST_F(ReplayTest, ReplayAllPlaysTheFirstRoundAtOnceAndTheRestOnePeriodApart) {
  auto w = SetUpBracket();
  PlayBracket(*w);
  w->PushButton10()->UserClick();

  for (int n : {12, 13, 17, 18}) EXPECT_TRUE(Played(*w, n)) << n;
  for (int n = 1; n <= 4; ++n)
    EXPECT_FALSE(fw::Cast<fw::PushButton>(w->ControlByName(Name("PushButton", n)))->Enabled());
  EXPECT_TRUE(w->PushButton5()->Enabled());
  EXPECT_TRUE(w->PushButton6()->Enabled());
  EXPECT_FALSE(w->PushButton9()->Enabled());
  EXPECT_FALSE(w->PushButton10()->Enabled());
  EXPECT_FALSE(Played(*w, 22));

  backend.Advance(kPeriod - 1);
  EXPECT_FALSE(Played(*w, 22));
  backend.Advance(1);
  EXPECT_TRUE(Played(*w, 22));
  EXPECT_TRUE(Played(*w, 23));
  EXPECT_TRUE(w->PushButton7()->Enabled());
  EXPECT_EQ(WinsCounted(*w), 1);

  backend.Advance(kPeriod);
  EXPECT_FALSE(w->PushButton7()->Enabled());
  EXPECT_EQ(WinsCounted(*w), 2);
  for (auto button : {w->PushButton9(), w->PushButton10(), w->PushButton11()})
    EXPECT_TRUE(button->Enabled()) << button->Name();
  for (auto timer : {w->Timer1(), w->Timer2(), w->Timer3()})
    EXPECT_FALSE(timer->Pending()) << timer->Name();

  // The chain is over: time alone plays nothing more.
  backend.Advance(10 * kPeriod);
  EXPECT_EQ(WinsCounted(*w), 2);
}

TEST_F(ReplayTest, ShiftHeldAtTheFinalRunsTheBracketAgainUntilShiftIsReleased) {
  auto w = SetUpBracket();
  services.shift = true;
  PlayBracket(*w);  // the window's first final finds ReplayAll disabled, so it reads Shift
  ASSERT_EQ(WinsCounted(*w), 1);
  ASSERT_TRUE(w->Timer3()->Pending());

  constexpr int kRuns = 3;
  for (int run = 1; run <= kRuns; ++run) {
    backend.Advance(kPeriod);  // Timer3: the next ReplayAll
    EXPECT_FALSE(w->PushButton10()->Enabled()) << run;
    EXPECT_TRUE(w->Timer1()->Pending()) << run;
    EXPECT_FALSE(w->Timer3()->Pending()) << run;
    backend.Advance(kPeriod);  // semifinals
    if (run == kRuns) services.shift = false;
    backend.Advance(kPeriod);  // final
    EXPECT_EQ(WinsCounted(*w), 1 + run);
    EXPECT_TRUE(w->PushButton10()->Enabled()) << run;
    EXPECT_EQ(w->Timer3()->Pending(), run < kRuns) << run;
  }

  backend.Advance(10 * kPeriod);
  EXPECT_EQ(WinsCounted(*w), 1 + kRuns);
  EXPECT_TRUE(w->PushButton10()->Enabled());
}

TEST_F(ReplayTest, RestartReplacesTheWindowByOneInItsDesignState) {
  State design = Snapshot(*GetWindow1());
  auto about = GetWindow2();
  std::weak_ptr<Window1> old = SetUpBracket();
  Window1* oldWindow = old.lock().get();
  PlayBracket(*old.lock());
  old.lock()->TextField15()->UserEdited("someone");

  // Only the framework holds the old window while its handler runs.
  auto restart = old.lock()->PushButton8();
  restart->UserClick();
  restart.reset();
  EXPECT_TRUE(old.expired());

  auto fresh = GetWindow1();
  EXPECT_NE(fresh.get(), oldWindow);
  EXPECT_FALSE(fresh->IsClosed());
  EXPECT_TRUE(fresh->Visible());
  ExpectState(Snapshot(*fresh), design);
  EXPECT_EQ(fw::Window::GetImplicitWindow(Window2::StaticClass()), about);
  EXPECT_FALSE(about->IsClosed());
}

TEST_F(ReplayTest, RestartDuringReplayAllEndsTheOldWindowsChain) {
  State design = Snapshot(*GetWindow1());
  auto w = SetUpBracket();
  PlayBracket(*w);
  services.shift = true;
  w->PushButton10()->UserClick();
  w->PushButton8()->UserClick();
  EXPECT_TRUE(w->IsClosed());
  for (auto timer : {w->Timer1(), w->Timer2(), w->Timer3()})
    EXPECT_FALSE(timer->Pending()) << timer->Name();
  EXPECT_EQ(WinsCounted(*w), 1);

  backend.Advance(10 * kPeriod);
  EXPECT_EQ(WinsCounted(*w), 1);
  ExpectState(Snapshot(*GetWindow1()), design);
}

}  // namespace
