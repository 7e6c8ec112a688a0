// Playing the bracket: the game procedure, the order in which the later bowls
// open, the odds, the final's count and the results table.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "framework/Strings.h"
#include "mainwindow/Window1.h"
#include "tests/support/Driver.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/support/Locales.h"
#include "tournament/GameProcedure.h"

namespace {

using testing_support::MatchUpSlots;
using Button = std::shared_ptr<fw::PushButton> (Window1::*)();

// Team entries of places 1 to 8 when the pickers choose rows 1 to 8.
const std::array<std::string, 8> kEntries = {
    "Notre Dame (.9978)",   "Alabama (.9441)",  "Florida (.8984)", "Oregon (.8621)",
    "Kansas State (.8226)", "Stanford (.7683)", "Georgia (.7583)", "LSU (.7511)"};

bool Marked(const fw::TextField& field) {
  return field.Bold() && field.BackColor() == tournament::kWinnerColor;
}

std::vector<std::string> Column(fw::Listbox& table, int32_t column) {
  std::vector<std::string> cells;
  for (int32_t row = 0; row < table.ListCount(); ++row) cells.push_back(table.Cell(row, column));
  return cells;
}

double Wins(fw::Listbox& table) {
  double total = 0;
  for (const std::string& cell : Column(table, 1)) total += fw::Val(cell);
  return total;
}

std::string Champion(Window1& w) {
  return Marked(*w.TextField13()) ? w.Label20()->Text() : w.Label21()->Text();
}

class GamesTest : public testing_support::HeadlessTest {
 protected:
  // Teams of rows 1 to 8 with the given strengths; the match-up slots, made
  // up to slot `slots`, take the pool entries in place order.
  std::shared_ptr<Window1> SetUpWith(const std::array<int, 8>& strengths, size_t slots = 8) {
    auto w = GetWindow1();
    testing_support::ChooseTeams(*w);
    testing_support::ClickDone1(*w);
    const std::array<std::shared_ptr<fw::PopupMenu>, 8> pickers = {
        w->PopupMenu9(),  w->PopupMenu10(), w->PopupMenu11(), w->PopupMenu12(),
        w->PopupMenu13(), w->PopupMenu14(), w->PopupMenu15(), w->PopupMenu16()};
    for (size_t i = 0; i < pickers.size(); ++i) pickers[i]->UserSelect(strengths[i] - 1);
    testing_support::ClickDone2(*w);
    MakeMatchUps(*w, 0, slots);
    return w;
  }

  static void MakeMatchUps(Window1& w, size_t from, size_t to) {
    const auto slots = MatchUpSlots(w);
    for (size_t i = from; i < to; ++i) slots[i]->UserSelect(1);
  }

  // Scripts a game between sides of the given strengths: one ceiling, then
  // every draw of team A, then every draw of team B.
  void Script(int32_t ceiling, int strengthA, int32_t drawA, int strengthB, int32_t drawB) {
    services.scriptedDraws.push_back(ceiling);
    for (int i = 0; i < strengthA; ++i) services.scriptedDraws.push_back(drawA);
    for (int i = 0; i < strengthB; ++i) services.scriptedDraws.push_back(drawB);
  }

  static void Play(Window1& w, Button button) { (w.*button)()->UserClick(); }
  static void PlayFirstRound(Window1& w) {
    for (Button b : {&Window1::PushButton1, &Window1::PushButton2, &Window1::PushButton3,
                     &Window1::PushButton4})
      Play(w, b);
  }
  static std::vector<std::string> SlotTexts(Window1& w) {
    std::vector<std::string> texts;
    for (const auto& slot : MatchUpSlots(w)) texts.push_back(slot->Text());
    return texts;
  }
};

const std::array<int, 8> kStrengths = {3, 1, 7, 4, 9, 2, 6, 5};

TEST_F(GamesTest, WorkedExampleMarksTheWinnerAndCarriesItForward) {
  auto w = SetUpWith(kStrengths);
  services.scriptedDraws = {40, 12, 35, 7, 20};
  const int sourcesBefore = services.randomSourcesMade;
  Play(*w, &Window1::PushButton1);

  EXPECT_TRUE(services.scriptedDraws.empty());
  EXPECT_EQ(services.randomSourcesMade - sourcesBefore, 3);
  EXPECT_EQ(w->TextField1()->Text(), "35");
  EXPECT_TRUE(Marked(*w->TextField1()));
  EXPECT_EQ(w->TextField2()->Text(), "20");
  EXPECT_FALSE(w->TextField2()->Bold());
  EXPECT_EQ(w->TextField2()->BackColor(), fw::kWhite);
  EXPECT_EQ(w->Label10()->Text(), kEntries[0]);
  EXPECT_EQ(w->Label12()->Text(), "3");
  EXPECT_FALSE(w->PushButton1()->Enabled());
  EXPECT_FALSE(w->PushButton5()->Enabled());

  // Played again and lost, the old winner's field keeps its mark.
  w->PushButton1()->SetEnabled(true);
  Script(30, 3, 4, 1, 29);
  Play(*w, &Window1::PushButton1);
  EXPECT_EQ(w->TextField1()->Text(), "4");
  EXPECT_EQ(w->TextField2()->Text(), "29");
  EXPECT_TRUE(Marked(*w->TextField1()));
  EXPECT_TRUE(Marked(*w->TextField2()));
  EXPECT_EQ(w->Label10()->Text(), kEntries[1]);
  EXPECT_EQ(w->Label12()->Text(), "1");
}

TEST_F(GamesTest, TiedGameShowsOnlyTheDecidingReplay) {
  auto w = SetUpWith(kStrengths);
  Script(40, 3, 35, 1, 35);  // tied
  Script(30, 3, 9, 1, 28);   // team B wins
  const int sourcesBefore = services.randomSourcesMade;
  Play(*w, &Window1::PushButton1);

  EXPECT_TRUE(services.scriptedDraws.empty());
  EXPECT_EQ(services.randomSourcesMade - sourcesBefore, 6);
  EXPECT_EQ(w->TextField1()->Text(), "9");
  EXPECT_EQ(w->TextField2()->Text(), "28");
  EXPECT_FALSE(w->TextField1()->Bold());
  EXPECT_TRUE(Marked(*w->TextField2()));
  EXPECT_EQ(w->Label10()->Text(), kEntries[1]);
  EXPECT_EQ(w->Label12()->Text(), "1");
  EXPECT_FALSE(w->PushButton1()->Enabled());
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(GamesTest, TeamBSlotBackOnChooseStopsAfterTheScoreFields) {
  auto w = SetUpWith(kStrengths);
  w->PopupMenu24()->UserSelect(0);
  w->TextField7()->SetText("12");
  Play(*w, &Window1::PushButton4);

  EXPECT_EQ(w->TextField7()->Text(), "0");
  EXPECT_EQ(w->TextField8()->Text(), "0");
  EXPECT_FALSE(w->TextField7()->Bold() || w->TextField8()->Bold());
  EXPECT_TRUE(w->PushButton4()->Enabled());
  EXPECT_EQ(w->Label16()->Text(), "TEAM: TBA");
  EXPECT_EQ(w->Label18()->Text(), "");
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(GamesTest, TiedSemifinalFillsTheTableOnceAndTiedFinalCountsOnce) {
  auto w = SetUpWith(kStrengths);
  PlayFirstRound(*w);
  const int a = static_cast<int>(fw::Val(w->Label12()->Text()));
  const int b = static_cast<int>(fw::Val(w->Label13()->Text()));
  Script(30, a, 10, b, 10);
  Script(30, a, 20, b, 5);
  Play(*w, &Window1::PushButton5);

  EXPECT_TRUE(services.scriptedDraws.empty());
  EXPECT_EQ(w->TextField9()->Text(), "20");
  EXPECT_EQ(w->TextField10()->Text(), "5");
  EXPECT_EQ(w->Label20()->Text(), w->Label10()->Text());
  EXPECT_EQ(w->Label22()->Text(), w->Label12()->Text());
  EXPECT_EQ(w->listit, 1);
  EXPECT_EQ(Column(*w->Listbox1(), 0), SlotTexts(*w));
  EXPECT_EQ(Column(*w->Listbox1(), 1), std::vector<std::string>(8, "0"));

  Play(*w, &Window1::PushButton6);
  const int fa = static_cast<int>(fw::Val(w->Label22()->Text()));
  const int fb = static_cast<int>(fw::Val(w->Label23()->Text()));
  Script(50, fa, 44, fb, 44);
  Script(50, fa, 3, fb, 41);
  services.shift = true;
  Play(*w, &Window1::PushButton7);

  EXPECT_TRUE(services.scriptedDraws.empty());
  EXPECT_EQ(w->TextField13()->Text(), "3");
  EXPECT_EQ(w->TextField14()->Text(), "41");
  EXPECT_EQ(Wins(*w->Listbox1()), 1.0);
  EXPECT_EQ(services.shiftReads, 1);
  EXPECT_TRUE(w->Timer3()->Pending());
}

// Each later bowl and its two feeder games.
struct Opening {
  const char* bowl;
  Button first, second, next;
  bool afterFirstRound;
};

void PrintTo(const Opening& opening, std::ostream* out) { *out << opening.bowl; }

class OpeningTest : public GamesTest,
                    public ::testing::WithParamInterface<std::tuple<Opening, bool>> {};

TEST_P(OpeningTest, NextPlayButtonOpensAfterTheSecondFeederGameOnly) {
  const auto& [row, reversed] = GetParam();
  auto w = SetUpWith(kStrengths);
  if (row.afterFirstRound) PlayFirstRound(*w);
  const Button first = reversed ? row.second : row.first;
  const Button second = reversed ? row.first : row.second;

  ASSERT_TRUE((w.get()->*first)()->Enabled());
  EXPECT_FALSE((w.get()->*row.next)()->Enabled());
  Play(*w, first);
  EXPECT_FALSE((w.get()->*row.next)()->Enabled());
  Play(*w, second);
  EXPECT_TRUE((w.get()->*row.next)()->Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    LaterBowls, OpeningTest,
    ::testing::Combine(
        ::testing::Values(Opening{"China", &Window1::PushButton1, &Window1::PushButton2,
                                  &Window1::PushButton5, false},
                          Opening{"Crystal", &Window1::PushButton3, &Window1::PushButton4,
                                  &Window1::PushButton6, false},
                          Opening{"Silver", &Window1::PushButton5, &Window1::PushButton6,
                                  &Window1::PushButton7, true}),
        ::testing::Bool()),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).bowl) +
             (std::get<1>(info.param) ? "_SecondFirst" : "_FirstFirst");
    });

// Real random draws, remembering the ceiling of the latest run and whether
// every score draw used it.
class CeilingWatch : public testing_support::TestServices {
 public:
  int32_t lastCeiling = 0;
  int64_t drawsAboveOrBelow = 0;

  std::unique_ptr<fw::RandomSource> NewRandomSource() override {
    return std::make_unique<Source>(*this);
  }

 private:
  class Source : public fw::RandomSource {
   public:
    explicit Source(CeilingWatch& watch)
        : watch_(watch), real_(fw::MakeRandomSource(fw::NextRandomSeed())) {}
    int32_t InRange(int32_t low, int32_t high) override {
      const int32_t value = real_->InRange(low, high);
      if (low == 25 && high == 55)
        watch_.lastCeiling = value;
      else if (low != 2 || high != watch_.lastCeiling)
        ++watch_.drawsAboveOrBelow;
      return value;
    }

   private:
    CeilingWatch& watch_;
    std::unique_ptr<fw::RandomSource> real_;
  };
};

// The chance that team A wins a bowl, from the draw rules: a tie replays
// under a new ceiling, so A wins with S(A) / (S(A) + S(B)), S summing over
// the 31 ceilings the chance that the side's best draw is the higher.
double ExactOdds(int strengthA, int strengthB) {
  double sA = 0, sB = 0;
  for (int c = 25; c <= 55; ++c) {
    const double n = c - 1;
    auto below = [n](int v, int s) { return std::pow(v / n, s); };  // P(best <= v-th value)
    for (int v = 1; v <= c - 1; ++v) {
      sA += (below(v, strengthA) - below(v - 1, strengthA)) * below(v - 1, strengthB);
      sB += (below(v, strengthB) - below(v - 1, strengthB)) * below(v - 1, strengthA);
    }
  }
  return sA / (sA + sB);
}

struct Odds {
  int strengthA, strengthB;
  double shareA;
};

class OddsTest : public GamesTest, public ::testing::WithParamInterface<Odds> {
 protected:
  void SetUp() override {
    GamesTest::SetUp();
    fw::SetServices(&watch);
  }
  CeilingWatch watch;
};

// Played through the "Crystal Bowl", whose teams are two labels each.
TEST_P(OddsTest, ShareOfWinsMatchesTheOdds) {
  const Odds odds = GetParam();
  const double exact = ExactOdds(odds.strengthA, odds.strengthB);
  EXPECT_NEAR(exact, odds.shareA, 0.0005);

  auto w = GetWindow1();
  w->Label15()->SetText("A");
  w->Label17()->SetText(fw::Str(int32_t{odds.strengthA}));
  w->Label16()->SetText("B");
  w->Label18()->SetText(fw::Str(int32_t{odds.strengthB}));
  constexpr int kGames = 60000;
  int winsA = 0, scoresOutside = 0;
  for (int game = 0; game < kGames; ++game) {
    w->PushButton6()->SetEnabled(true);
    w->PushButton6()->Push();
    winsA += w->Label21()->Text() == "A";
    for (const auto& field : {w->TextField11(), w->TextField12()}) {
      const double score = fw::Val(field->Text());
      scoresOutside += score < 2 || score > watch.lastCeiling;
    }
    scoresOutside += watch.lastCeiling < 25 || watch.lastCeiling > 55;
  }
  const double share = double(winsA) / kGames;
  const double standardError = std::sqrt(exact * (1 - exact) / kGames);
  EXPECT_NEAR(share, exact, 4 * standardError);
  EXPECT_EQ(scoresOutside, 0);
  EXPECT_EQ(watch.drawsAboveOrBelow, 0);
  EXPECT_TRUE(watch.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Strengths, OddsTest,
                         ::testing::Values(Odds{8, 2, 0.814}, Odds{10, 1, 0.920}, Odds{2, 1, 0.671},
                                           Odds{6, 5, 0.549}, Odds{10, 9, 0.530}, Odds{5, 5, 0.5}),
                         [](const auto& info) {
                           return std::to_string(info.param.strengthA) + "v" +
                                  std::to_string(info.param.strengthB);
                         });

class WholeBracketTest : public GamesTest, public ::testing::WithParamInterface<bool> {};

TEST_P(WholeBracketTest, OneChampionOneWinAndTheAfterFinalButtons) {
  services.shift = GetParam();
  auto w = testing_support::SetUpBracket();
  testing_support::PlayBracket(*w);

  const std::string champion = Champion(*w);
  EXPECT_EQ(w->Listbox1()->ListCount(), 8);
  int championRows = 0;
  for (int32_t row = 0; row < 8; ++row) {
    const bool isChampion = fw::Split(w->Listbox1()->Cell(row, 0), "_").front() == champion;
    championRows += isChampion;
    EXPECT_EQ(w->Listbox1()->Cell(row, 1), isChampion ? "1" : "0") << row;
  }
  EXPECT_EQ(championRows, 1);
  EXPECT_TRUE(w->PushButton9()->Enabled());
  EXPECT_TRUE(w->PushButton10()->Enabled());
  EXPECT_TRUE(w->PushButton11()->Enabled());
  EXPECT_EQ(services.shiftReads, 1);
  EXPECT_EQ(w->Timer3()->Pending(), GetParam());

  // Once ReplayAll is enabled a final neither reads Shift nor starts a run;
  // a second title adds to the first.
  w->Timer3()->SetMode(0);
  w->PushButton7()->SetEnabled(true);
  Play(*w, &Window1::PushButton7);
  EXPECT_EQ(services.shiftReads, 1);
  EXPECT_FALSE(w->Timer3()->Pending());
  EXPECT_EQ(Wins(*w->Listbox1()), 2.0);
  EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Shift, WholeBracketTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Held" : "Up"; });

// A China Bowl played while the other half of the bracket is still being
// matched up must not fix "Choose" rows into the table: whichever comes first
// once every slot is chosen, a later China Bowl or the final, fills it.
class EarlyChinaBowlTest : public GamesTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EarlyChinaBowlTest, EveryChampionIsCounted) {
  const bool chinaBowlAgain = GetParam();
  auto w = SetUpWith(kStrengths, 4);
  Play(*w, &Window1::PushButton1);
  Play(*w, &Window1::PushButton2);
  Play(*w, &Window1::PushButton5);
  EXPECT_EQ(w->Listbox1()->ListCount(), 0);
  EXPECT_EQ(w->listit, 0);

  MakeMatchUps(*w, 4, 8);
  if (chinaBowlAgain) {
    w->PushButton5()->SetEnabled(true);
    Play(*w, &Window1::PushButton5);
    EXPECT_EQ(w->listit, 1);
    EXPECT_EQ(Wins(*w->Listbox1()), 0.0);
  }
  Play(*w, &Window1::PushButton3);
  Play(*w, &Window1::PushButton4);
  Play(*w, &Window1::PushButton6);
  // The champion comes from the half matched up after the first China Bowl.
  const int fa = static_cast<int>(fw::Val(w->Label22()->Text()));
  const int fb = static_cast<int>(fw::Val(w->Label23()->Text()));
  Script(50, fa, 2, fb, 50);
  Play(*w, &Window1::PushButton7);

  const std::vector<std::string> entries = SlotTexts(*w);
  EXPECT_EQ(Column(*w->Listbox1(), 0), entries);
  for (size_t i = 0; i < entries.size(); ++i)
    EXPECT_EQ(fw::Split(entries[i], "_").front(), kEntries[i]);
  EXPECT_EQ(w->listit, 1);
  EXPECT_EQ(Wins(*w->Listbox1()), 1.0);
  const std::string champion = w->Label21()->Text();
  ASSERT_EQ(Champion(*w), champion);
  for (int32_t row = 0; row < 8; ++row)
    if (fw::Split(w->Listbox1()->Cell(row, 0), "_").front() == champion) {
      EXPECT_EQ(w->Listbox1()->Cell(row, 1), "1");
    }
}

INSTANTIATE_TEST_SUITE_P(FilledBy, EarlyChinaBowlTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "ChinaBowl" : "Final"; });

// The last slot stays open and can go back to "Choose" after its bowl was
// played; a table the final fills must still name that slot's team.
TEST_F(GamesTest, ATableFilledByTheFinalNamesTheLastSlotsTeam) {
  auto w = testing_support::SetUpBracket();
  for (auto button : {&Window1::PushButton1, &Window1::PushButton2, &Window1::PushButton3,
                      &Window1::PushButton4})
    Play(*w, button);
  w->PopupMenu24()->UserSelect(0);
  for (auto button : {&Window1::PushButton5, &Window1::PushButton6, &Window1::PushButton7})
    Play(*w, button);
  ASSERT_EQ(w->Listbox1()->ListCount(), 8);
  EXPECT_EQ(w->Listbox1()->Cell(7, 0), w->PopupMenu24()->List(1));
  EXPECT_EQ(Wins(*w->Listbox1()), 1.0);
}

// Most of Europe writes a decimal comma; the ratings, strengths and wins are
// written with a point all the same, and read back as such.
TEST_F(GamesTest, UnderADecimalCommaLocaleTheBracketPlaysAsAnywhere) {
  testing_support::ScopedLocale german("de_DE.UTF-8");
  ASSERT_TRUE(german.InPlace());
  auto w = testing_support::SetUpBracket();
  const std::vector<std::string> suggested = {"10", "9", "9", "9", "8", "8", "8", "8"};
  for (size_t i = 0; i < kEntries.size(); ++i)
    EXPECT_EQ(SlotTexts(*w)[i], kEntries[i] + "_" + suggested[i]);
  testing_support::PlayBracket(*w);
  EXPECT_EQ(Wins(*w->Listbox1()), 1.0);
  EXPECT_TRUE(w->PushButton11()->Enabled());
  EXPECT_EQ(fw::Str(0.5), "0.5");
  EXPECT_EQ(fw::Val("2.5e1"), 25.0);
}

}  // namespace
