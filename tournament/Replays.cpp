// Replay, ReplayAll with its timer chain, and Restart. The bracket's teams,
// strengths, match-ups and results table survive a replay; only the outcome
// of the seven games is cleared, so every new champion counts in one table.
#include <array>

#include "mainwindow/Window1.h"
#include "tournament/GameProcedure.h"

namespace {

using LabelAccessor = tournament::Accessor<fw::Label>;
using FieldAccessor = tournament::Accessor<fw::TextField>;
using ButtonAccessor = tournament::Accessor<fw::PushButton>;

constexpr const char* kNoWinnerYet = "TEAM: TBA";

// What one of the later bowls shows of its two teams: their winner labels,
// their hidden strength labels and its score fields.
struct LaterBowl {
  std::array<LabelAccessor, 2> winners;
  std::array<LabelAccessor, 2> strengths;
  std::array<FieldAccessor, 2> scores;
};

// Cleared from the final back to the first round. Emptying a hidden strength
// label is what keeps the next Play button shut until both of its feeder
// games have been played again.
const std::array<LaterBowl, 3> kLaterBowlsFromTheFinal = {{
    {{&Window1::Label20, &Window1::Label21},
     {&Window1::Label22, &Window1::Label23},
     {&Window1::TextField13, &Window1::TextField14}},  // "Silver Bowl"
    {{&Window1::Label15, &Window1::Label16},
     {&Window1::Label17, &Window1::Label18},
     {&Window1::TextField11, &Window1::TextField12}},  // "Crystal Bowl"
    {{&Window1::Label10, &Window1::Label11},
     {&Window1::Label12, &Window1::Label13},
     {&Window1::TextField9, &Window1::TextField10}},  // "China Bowl"
}};

const std::array<ButtonAccessor, 4> kFirstRoundPlayButtons = {
    &Window1::PushButton1, &Window1::PushButton2, &Window1::PushButton3, &Window1::PushButton4};

// TextField1 to TextField14 in number order; the first eight belong to the
// first round.
const std::array<FieldAccessor, 14> kScoreFields = {
    &Window1::TextField1,  &Window1::TextField2,  &Window1::TextField3,  &Window1::TextField4,
    &Window1::TextField5,  &Window1::TextField6,  &Window1::TextField7,  &Window1::TextField8,
    &Window1::TextField9,  &Window1::TextField10, &Window1::TextField11, &Window1::TextField12,
    &Window1::TextField13, &Window1::TextField14};
constexpr size_t kFirstRoundScoreFields = 8;

}  // namespace

// Replay: the seven games go back to unplayed; a winner's field keeps its
// bold style and loses only its orange.
void Window1::PushButton9_Action(fw::PushButton& sender) {
  sender.SetEnabled(false);
  for (const LaterBowl& bowl : kLaterBowlsFromTheFinal) {
    for (LabelAccessor winner : bowl.winners) (this->*winner)()->SetText(kNoWinnerYet);
    for (LabelAccessor strength : bowl.strengths) (this->*strength)()->SetText("");
    for (FieldAccessor score : bowl.scores) (this->*score)()->SetText("");
  }
  for (ButtonAccessor play : kFirstRoundPlayButtons) (this->*play)()->SetEnabled(true);
  for (size_t i = 0; i < kFirstRoundScoreFields; ++i) (this->*kScoreFields[i])()->SetText("");
  for (FieldAccessor score : kScoreFields) (this->*score)()->SetBackColor(fw::kWhite);
}

// ReplayAll: the first round at once, then the timer chain plays the
// semifinals and the final one period apart.
void Window1::PushButton10_Action(fw::PushButton& sender) {
  PushButton9()->Push();
  for (ButtonAccessor play : kFirstRoundPlayButtons) (this->*play)()->Push();
  Timer1()->SetMode(fw::Timer::kModeSingle);
  sender.SetEnabled(false);
}

void Window1::Timer1_Action(fw::Timer& sender) {
  PushButton5()->Push();
  PushButton6()->Push();
  Timer2()->SetMode(fw::Timer::kModeSingle);
  sender.SetMode(fw::Timer::kModeOff);
}

void Window1::Timer2_Action(fw::Timer& sender) {
  PushButton7()->Push();
  sender.SetMode(fw::Timer::kModeOff);
}

// Started by a final that ended with Shift down: the next run of the repeat.
void Window1::Timer3_Action(fw::Timer& sender) {
  PushButton10()->Push();
  PushButton10()->SetEnabled(false);
  sender.SetMode(fw::Timer::kModeOff);
}

// Restart: a fresh window in its design state. The closed window, this one,
// lives on until this handler returns, but nothing here may touch it after
// Close: every step goes through the single-instance accessor.
void Window1::PushButton8_Action(fw::PushButton&) {
  GetWindow1()->Close();
  GetWindow1()->Show();
}
