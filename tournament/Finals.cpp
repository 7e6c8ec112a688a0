// The semifinals, the final and the results table.
#include <algorithm>
#include <array>
#include <string>

#include "framework/Runtime.h"
#include "framework/Strings.h"
#include "mainwindow/Window1.h"
#include "tournament/GameProcedure.h"

namespace {

using tournament::Accessor;
using tournament::Bowl;
using tournament::FromFeeder;
using W = Window1;

enum LaterBowlRow { kChinaBowl, kCrystalBowl, kSilverBowl };

// Each side is the winner label and hidden strength label its feeder game wrote.
constexpr std::array<Bowl, 3> kLaterBowls = {{
    // team A, team B, score fields A and B,
    // winner label, hidden strength label, partner strength label, next Play button
    {FromFeeder(&W::Label10, &W::Label12), FromFeeder(&W::Label11, &W::Label13), &W::TextField9,
     &W::TextField10, &W::Label20, &W::Label22, &W::Label23, &W::PushButton7},
    {FromFeeder(&W::Label15, &W::Label17), FromFeeder(&W::Label16, &W::Label18), &W::TextField11,
     &W::TextField12, &W::Label21, &W::Label23, &W::Label22, &W::PushButton7},
    // The final: its winner is the champion.
    {FromFeeder(&W::Label20, &W::Label22), FromFeeder(&W::Label21, &W::Label23), &W::TextField13,
     &W::TextField14},
}};

// The results table has one row per match-up slot, in bowl order.
constexpr std::array<Accessor<fw::PopupMenu>, 8> kMatchUpSlots = {
    &W::PopupMenu17, &W::PopupMenu18, &W::PopupMenu19, &W::PopupMenu20,
    &W::PopupMenu21, &W::PopupMenu22, &W::PopupMenu23, &W::PopupMenu24};

// Every slot on a pool entry: row 0 is "Choose", and a slot not yet filled
// has no row selected at all.
bool AllMatchUpsMade(Window1& window) {
  return std::all_of(kMatchUpSlots.begin(), kMatchUpSlots.end(),
                     [&](auto slot) { return (window.*slot)()->ListIndex() > 0; });
}

// The pool entry a slot stands for. Only the last slot stays open after its
// choice, and it can be set back to "Choose"; it only ever offers one entry,
// so that entry is still the team its bowl was played with.
std::string SlotEntry(Window1& window, Accessor<fw::PopupMenu> slot) {
  std::shared_ptr<fw::PopupMenu> menu = (window.*slot)();
  if (menu->ListIndex() <= 0 && menu->ListCount() == 2) return menu->List(1);
  return menu->Text();
}

// Once per window: rows are never replaced or added to afterwards.
void FillResultsTable(Window1& window) {
  for (auto slot : kMatchUpSlots) {
    window.Listbox1()->AddRow(SlotEntry(window, slot));
    window.Listbox1()->SetCell(window.Listbox1()->LastIndex(), 1, "0");
  }
  window.listit = 1;
}

// A row belongs to the team entry before the first "_" of its pool entry.
void CountWin(Window1& window, const std::string& champion) {
  for (int32_t row = 0; row < window.Listbox1()->ListCount(); ++row) {
    if (fw::Split(window.Listbox1()->Cell(row, 0), "_").front() != champion) continue;
    const double wins = fw::Val(window.Listbox1()->Cell(row, 1)) + 1.0;
    window.Listbox1()->SetCell(row, 1, fw::Str(wins));
  }
}

}  // namespace

void Window1::PushButton5_Action(fw::PushButton& sender) {
  const bool played = tournament::PlayGame(*this, sender, kLaterBowls[kChinaBowl]).played;
  // A China Bowl may be played before the other half of the bracket is
  // matched up; filling then would fix "Choose" rows that no title could
  // ever count, so the fill waits for a run that finds every slot chosen.
  if (played && listit == 0 && AllMatchUpsMade(*this)) FillResultsTable(*this);
}

void Window1::PushButton6_Action(fw::PushButton& sender) {
  tournament::PlayGame(*this, sender, kLaterBowls[kCrystalBowl]);
}

void Window1::PushButton7_Action(fw::PushButton& sender) {
  const tournament::GameRun run = tournament::PlayGame(*this, sender, kLaterBowls[kSilverBowl]);
  // A final without its two teams was not played: nothing to count or open.
  if (!run.played) return;
  // A table the China Bowl left empty, because it was played before the
  // bracket was fully matched up, is filled here, so no title goes uncounted.
  if (listit == 0) FillResultsTable(*this);
  // A tied run has no champion: the replay it pushed has counted the win.
  if (run.winner) CountWin(*this, *run.winner);
  PushButton9()->SetEnabled(true);
  // ReplayAll is disabled after an automatic run (and before the first
  // final); Shift held at its end asks for one more run.
  if (!PushButton10()->Enabled()) {
    const bool again = fw::Keyboard::AsyncShiftKey();
    PushButton10()->SetEnabled(true);
    if (again) Timer3()->SetMode(1);
  }
  PushButton11()->SetEnabled(true);
}
