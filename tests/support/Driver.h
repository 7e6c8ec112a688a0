#pragma once
// Drives the main window as a user does: every choice and click goes through
// the same entry points as the widgets.
#include <array>
#include <memory>

#include "mainwindow/Window1.h"

namespace testing_support {

// The popup menu of each match-up slot, in the order the slots are filled.
std::array<std::shared_ptr<fw::PopupMenu>, 8> MatchUpSlots(Window1& window);

// Chooses team picker row rows[i] (1 to 10) in place i + 1, in place order.
void ChooseTeams(Window1& window, const std::array<int, 8>& rows = {1, 2, 3, 4, 5, 6, 7, 8});
void ClickDone1(Window1& window);
void ClickDone2(Window1& window);
// Picks row 1 (the first entry left) in each match-up slot in turn.
void MakeMatchUps(Window1& window);
// A new main window with teams, strengths and all match-ups chosen.
std::shared_ptr<Window1> SetUpBracket(const std::array<int, 8>& rows = {1, 2, 3, 4, 5, 6, 7, 8});
// Clicks the Play buttons of the seven bowls in bracket order.
void PlayBracket(Window1& window);

}  // namespace testing_support
