#pragma once
// What the whole-tournament scenarios share: the timer period, the win count
// of the results table, and the state a fresh main window is designed to have.
#include <gtest/gtest.h>

#include <cstdint>

#include "framework/Strings.h"
#include "mainwindow/Window1.h"
#include "tests/tournament/WindowSnapshot.h"

namespace scenarios {

// Every timer of the main window runs one shot of this period.
constexpr int64_t kPeriod = 500;

// Every final adds exactly one win, so column 1 adds up to the finals played.
inline double WinsCounted(Window1& w) {
  double wins = 0;
  auto table = w.Listbox1();
  for (int32_t row = 0; row < table->ListCount(); ++row) wins += fw::Val(table->Cell(row, 1));
  return wins;
}

// The window is as its design made it: nothing chosen, nothing counted,
// nothing to replay or save, no timer running.
inline void ExpectDesignState(Window1& w, const tournament_tests::State& design) {
  EXPECT_FALSE(w.IsClosed());
  EXPECT_TRUE(w.Visible());
  EXPECT_TRUE(w.team.empty());
  EXPECT_EQ(w.listit, 0);
  EXPECT_EQ(w.Listbox1()->ListCount(), 0);
  for (auto button : {w.PushButton9(), w.PushButton10(), w.PushButton11()})
    EXPECT_FALSE(button->Enabled()) << button->Name();
  tournament_tests::ExpectState(tournament_tests::Snapshot(w), design);
}

}  // namespace scenarios
