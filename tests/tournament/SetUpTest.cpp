// Setting up a tournament as a user does: team choice, strengths, the two
// DONE steps and the match-up slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "framework/PopupMenu.h"
#include "framework/Strings.h"
#include "mainwindow/Window1.h"
#include "tests/support/Driver.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using Picker = std::shared_ptr<fw::PopupMenu> (Window1::*)();
using Field = std::shared_ptr<fw::TextField> (Window1::*)();
using Button = std::shared_ptr<fw::PushButton> (Window1::*)();

const std::array<Picker, 8> kTeamPickers{&Window1::PopupMenu1, &Window1::PopupMenu2,
                                         &Window1::PopupMenu3, &Window1::PopupMenu4,
                                         &Window1::PopupMenu5, &Window1::PopupMenu6,
                                         &Window1::PopupMenu7, &Window1::PopupMenu8};
const std::array<Picker, 8> kStrengthPickers{&Window1::PopupMenu9,  &Window1::PopupMenu10,
                                             &Window1::PopupMenu11, &Window1::PopupMenu12,
                                             &Window1::PopupMenu13, &Window1::PopupMenu14,
                                             &Window1::PopupMenu15, &Window1::PopupMenu16};
const std::array<Field, 8> kScoreFields{&Window1::TextField1, &Window1::TextField2,
                                        &Window1::TextField3, &Window1::TextField4,
                                        &Window1::TextField5, &Window1::TextField6,
                                        &Window1::TextField7, &Window1::TextField8};
const std::array<Button, 4> kPlayButtons{&Window1::PushButton1, &Window1::PushButton2,
                                         &Window1::PushButton3, &Window1::PushButton4};

const std::array<std::string, 10> kTeams{
    "Notre Dame (.9978)", "Alabama (.9441)",   "Florida (.8984)",  "Oregon (.8621)",
    "Kansas State (.8226)", "Stanford (.7683)", "Georgia (.7583)",  "LSU (.7511)",
    "Texas A&M (.6756)",  "South Carolina (.6604)"};

const char* const kDuplicate = "Your team choice can not match another choice";
const char* const kIncomplete = "Please complete all selections first";

class SetUpTest : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    w = GetWindow1();
  }

  std::shared_ptr<fw::PopupMenu> TeamPicker(int place) { return ((*w).*kTeamPickers[place - 1])(); }
  std::shared_ptr<fw::PopupMenu> StrengthPicker(int place) {
    return ((*w).*kStrengthPickers[place - 1])();
  }
  void Choose(int place, int row) { TeamPicker(place)->UserSelect(row); }

  std::shared_ptr<Window1> w;
};

TEST_F(SetUpTest, WindowCreationFillsThePickersSilently) {
  EXPECT_TRUE(services.messages.empty());
  std::vector<std::string> teamRows{"Choose"};
  teamRows.insert(teamRows.end(), kTeams.begin(), kTeams.end());
  const std::vector<std::string> strengthRows{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
  for (int place = 1; place <= 8; ++place) {
    SCOPED_TRACE(place);
    EXPECT_EQ(TeamPicker(place)->Rows(), teamRows);
    EXPECT_EQ(TeamPicker(place)->ListIndex(), 0);
    EXPECT_EQ(StrengthPicker(place)->Rows(), strengthRows);
    EXPECT_EQ(StrengthPicker(place)->Text(), "6");
  }
  EXPECT_EQ(std::vector<int32_t>({w->one, w->two, w->three, w->four, w->five, w->six, w->seven,
                                  w->eight}),
            std::vector<int32_t>(8, 1));
}

struct Suggestion {
  int row;
  const char* strength;
};

class SetUpSuggestedStrengthTest : public SetUpTest,
                              public ::testing::WithParamInterface<Suggestion> {};

// Each team is tried in a different place; the other places keep "6".
TEST_P(SetUpSuggestedStrengthTest, AcceptedChoiceSelectsTheSuggestedStrength) {
  const Suggestion s = GetParam();
  const int place = (s.row - 1) % 8 + 1;
  Choose(place, s.row);
  EXPECT_EQ(TeamPicker(place)->Text(), kTeams[static_cast<size_t>(s.row - 1)]);
  EXPECT_EQ(StrengthPicker(place)->Text(), s.strength);
  for (int other = 1; other <= 8; ++other)
    if (other != place) {
      EXPECT_EQ(StrengthPicker(other)->Text(), "6") << "place " << other;
    }
  EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(TenTeams, SetUpSuggestedStrengthTest,
                         ::testing::Values(Suggestion{1, "10"}, Suggestion{2, "9"},
                                           Suggestion{3, "9"}, Suggestion{4, "9"},
                                           Suggestion{5, "8"}, Suggestion{6, "8"},
                                           Suggestion{7, "8"}, Suggestion{8, "8"},
                                           Suggestion{9, "7"}, Suggestion{10, "7"}));

TEST_F(SetUpTest, LaterChoiceInAPlaceOverwritesItsStrength) {
  Choose(3, 2);
  EXPECT_EQ(StrengthPicker(3)->Text(), "9");
  Choose(3, 1);
  EXPECT_EQ(StrengthPicker(3)->Text(), "10");
  Choose(3, 10);
  EXPECT_EQ(StrengthPicker(3)->Text(), "7");
  EXPECT_TRUE(services.messages.empty());
}

// Ratings outside the built-in list: above 1 asks for a strength past "10",
// which settles on the strongest row; one that rounds to 0 selects none.
TEST_F(SetUpTest, RatingsOutsideTheStrengthRowsStayInRange) {
  TeamPicker(2)->AddRow("Overrated (1.34)");
  TeamPicker(2)->AddRow("Hopeless (.04)");
  Choose(2, 11);
  EXPECT_EQ(StrengthPicker(2)->Text(), "10");
  Choose(2, 12);
  EXPECT_EQ(StrengthPicker(2)->ListIndex(), -1);
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(SetUpTest, DuplicateIsShownThenRefused) {
  Choose(5, 4);
  Choose(3, 2);
  std::string shownInPlace3;
  services.onMessage = [&](const std::string&) { shownInPlace3 = TeamPicker(3)->Text(); };
  Choose(3, 4);
  EXPECT_EQ(services.messages, std::vector<std::string>{kDuplicate});
  EXPECT_EQ(shownInPlace3, "Oregon (.8621)");
  EXPECT_EQ(TeamPicker(3)->Text(), "Choose");
  // The previous team is not restored, but its strength stays.
  EXPECT_EQ(StrengthPicker(3)->Text(), "9");
  EXPECT_EQ(TeamPicker(5)->Text(), "Oregon (.8621)");
  EXPECT_EQ(StrengthPicker(5)->Text(), "9");
}

TEST_F(SetUpTest, DuplicateInTheLastOpenPlaceLeavesNoStrength) {
  for (int place = 1; place <= 7; ++place) Choose(place, place);
  Choose(8, 3);
  EXPECT_EQ(services.messages, std::vector<std::string>{kDuplicate});
  EXPECT_EQ(TeamPicker(8)->ListIndex(), 0);
  EXPECT_EQ(StrengthPicker(8)->ListIndex(), -1);
  EXPECT_EQ(TeamPicker(3)->ListIndex(), 3);
}

TEST_F(SetUpTest, ChoosingChooseByHandIsSilent) {
  Choose(1, 1);
  Choose(1, 0);
  EXPECT_EQ(StrengthPicker(1)->Text(), "10");
  for (int place = 1; place <= 8; ++place) Choose(place, place);
  Choose(8, 0);
  EXPECT_EQ(StrengthPicker(8)->ListIndex(), -1);
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(SetUpTest, FirstDoneNeedsAllEightPlaces) {
  for (int place = 1; place <= 7; ++place) Choose(place, place);
  bool checkedDuringMessage = true;
  services.onMessage = [&](const std::string&) { checkedDuringMessage = w->CheckBox1()->Value(); };
  testing_support::ClickDone1(*w);
  EXPECT_EQ(services.messages, std::vector<std::string>{kIncomplete});
  EXPECT_FALSE(checkedDuringMessage);
  EXPECT_TRUE(w->CheckBox1()->Enabled());
  EXPECT_FALSE(w->CheckBox2()->Enabled());
  for (int place = 1; place <= 8; ++place) {
    EXPECT_TRUE(TeamPicker(place)->Enabled());
    EXPECT_FALSE(StrengthPicker(place)->Enabled());
  }

  Choose(8, 8);
  testing_support::ClickDone1(*w);
  EXPECT_EQ(services.messages.size(), 1u);
  for (int place = 1; place <= 8; ++place) {
    SCOPED_TRACE(place);
    EXPECT_FALSE(TeamPicker(place)->Enabled());
    EXPECT_EQ(TeamPicker(place)->ListIndex(), place);
    EXPECT_TRUE(StrengthPicker(place)->Enabled());
  }
  EXPECT_FALSE(w->CheckBox1()->Enabled());
  EXPECT_TRUE(w->CheckBox1()->Value());
  EXPECT_TRUE(w->CheckBox2()->Enabled());
  EXPECT_FALSE(w->CheckBox2()->Value());
}

TEST_F(SetUpTest, SecondDoneBuildsThePoolInPlaceOrder) {
  for (int place : {8, 1, 5, 2, 7, 3, 6, 4}) Choose(place, place);
  testing_support::ClickDone1(*w);
  StrengthPicker(6)->UserSelect(2);
  testing_support::ClickDone2(*w);

  const std::vector<std::string> pool{
      "Notre Dame (.9978)_10", "Alabama (.9441)_9",      "Florida (.8984)_9",
      "Oregon (.8621)_9",      "Kansas State (.8226)_8", "Stanford (.7683)_3",
      "Georgia (.7583)_8",     "LSU (.7511)_8"};
  EXPECT_EQ(w->team, pool);
  std::vector<std::string> rows{"Choose"};
  rows.insert(rows.end(), pool.begin(), pool.end());
  auto first = w->PopupMenu17();
  EXPECT_EQ(first->Rows(), rows);
  EXPECT_EQ(first->ListIndex(), 0);
  EXPECT_TRUE(first->Enabled());
  for (const auto& slot : testing_support::MatchUpSlots(*w))
    if (slot != first) {
      EXPECT_FALSE(slot->Enabled() || slot->ListCount() > 0) << slot->Name();
    }
  for (int place = 1; place <= 8; ++place) EXPECT_FALSE(StrengthPicker(place)->Enabled());
  EXPECT_EQ(StrengthPicker(6)->Text(), "3");
  EXPECT_FALSE(w->CheckBox2()->Enabled());
  EXPECT_TRUE(w->CheckBox2()->Value());
  for (Button play : kPlayButtons) EXPECT_FALSE(((*w).*play)()->Enabled());
  EXPECT_TRUE(services.messages.empty());
}

// The whole state of the match-ups, as text, to show that a step changed
// nothing.
std::string MatchUpState(Window1& w) {
  std::string state = fw::Join(w.team, ",") + "\n";
  for (const auto& slot : testing_support::MatchUpSlots(w))
    state += slot->Name() + (slot->Enabled() ? " on " : " off ") +
             std::to_string(slot->ListIndex()) + " " + fw::Join(slot->Rows(), "|") + "\n";
  for (Field field : kScoreFields) state += (w.*field)()->Text() + ";";
  for (Button play : kPlayButtons) state += (w.*play)()->Enabled() ? "1" : "0";
  return state;
}

struct MatchUpStep {
  int row;        // the row chosen in slot `step`
  int openSlot;   // index of the slot open afterwards
  int playables;  // Play buttons 1..playables enabled
};

TEST_F(SetUpTest, WholeSetUpFollowsTheSlotChain) {
  const std::array<MatchUpStep, 8> steps{{{2, 1, 0},
                                          {7, 2, 1},
                                          {1, 3, 1},
                                          {5, 4, 2},
                                          {3, 5, 2},
                                          {1, 6, 3},
                                          {2, 7, 3},
                                          {1, 7, 4}}};
  testing_support::ChooseTeams(*w, {3, 10, 1, 6, 2, 9, 4, 8});
  testing_support::ClickDone1(*w);
  testing_support::ClickDone2(*w);
  const auto slots = testing_support::MatchUpSlots(*w);
  const std::string untouchedScore = w->TextField1()->Text();
  std::vector<std::string> pool = w->team;
  const std::vector<std::string> fullPool = pool;
  std::vector<std::string> placed;

  for (size_t step = 0; step < steps.size(); ++step) {
    SCOPED_TRACE("slot " + slots[step]->Name());
    // "Choose" in an open team-A slot does nothing, should Change come for it.
    if (step % 2 == 0 && step < 7) {
      const std::string before = MatchUpState(*w);
      slots[step]->RaiseEvent(fw::PopupMenu::kChange);
      EXPECT_EQ(MatchUpState(*w), before);
    }
    const MatchUpStep& s = steps[step];
    const std::string entry = pool[static_cast<size_t>(s.row - 1)];
    slots[step]->UserSelect(s.row);
    placed.push_back(slots[step]->Text());
    EXPECT_EQ(placed.back(), entry);
    if (step < 7) pool.erase(pool.begin() + (s.row - 1));
    EXPECT_EQ(w->team, pool);

    const auto& open = slots[static_cast<size_t>(s.openSlot)];
    std::vector<std::string> rows{"Choose"};
    rows.insert(rows.end(), pool.begin(), pool.end());
    EXPECT_EQ(open->Rows(), rows);
    EXPECT_TRUE(open->Enabled());
    for (size_t other = 0; other < slots.size(); ++other) {
      if (slots[other] == open) continue;
      EXPECT_FALSE(slots[other]->Enabled()) << slots[other]->Name();
      if (other > static_cast<size_t>(s.openSlot)) {
        EXPECT_EQ(slots[other]->ListCount(), 0);
      }
    }
    if (step < 7) {
      EXPECT_EQ(open->ListIndex(), 0);
    }

    for (int b = 0; b < 4; ++b)
      EXPECT_EQ(((*w).*kPlayButtons[static_cast<size_t>(b)])()->Enabled(), b < s.playables)
          << "PushButton" << b + 1;
    // Every bowl with a team A chosen shows 0 to 0.
    const size_t bowlsStarted = step / 2 + 1;
    for (size_t f = 0; f < kScoreFields.size(); ++f)
      EXPECT_EQ(((*w).*kScoreFields[f])()->Text(), f / 2 < bowlsStarted ? "0" : untouchedScore)
          << "TextField" << f + 1;
  }

  EXPECT_EQ(pool, std::vector<std::string>{placed.back()});
  // Each pool entry sits in exactly one slot.
  EXPECT_TRUE(std::is_permutation(placed.begin(), placed.end(), fullPool.begin(), fullPool.end()));
  EXPECT_TRUE(services.messages.empty());

  // The last slot stays open: going back to "Choose" readies the bowl again.
  w->TextField7()->SetText("31");
  w->PushButton4()->SetEnabled(false);
  slots[7]->UserSelect(0);
  EXPECT_EQ(w->TextField7()->Text(), "0");
  EXPECT_EQ(w->TextField8()->Text(), "0");
  EXPECT_TRUE(w->PushButton4()->Enabled());
  EXPECT_TRUE(slots[7]->Enabled());
  EXPECT_EQ(w->team, pool);
}

}  // namespace
