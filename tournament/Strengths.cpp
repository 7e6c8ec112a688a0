// Strength choice and the two DONE steps: the first locks the teams and
// opens the strengths, the second turns the eight places into the team pool
// and opens the first match-up slot.
#include <string>

#include "framework/Runtime.h"
#include "framework/Strings.h"
#include "mainwindow/Window1.h"
#include "tournament/SetUpTables.h"

namespace {

using setup::kTeamPlaces;

void FillStrengthPicker(fw::PopupMenu& sender) {
  const std::string strengths = "1,2,3,4,5,6,7,8,9,10";
  const int32_t count = fw::CountFields(strengths, ",");
  for (int32_t i = 1; i <= count; ++i) sender.AddRow(fw::NthField(strengths, ",", i));
  // "6" until a team is chosen for the place.
  sender.SetListIndex(5);
}

// A place without a chosen team would put a nameless entry in the pool, so
// a picker with no row at all counts as not chosen, like "Choose".
bool AllPlacesChosen(Window1& window) {
  for (const setup::TeamPlace& place : kTeamPlaces)
    if ((window.*place.teamPicker)()->ListIndex() <= 0) return false;
  return true;
}

}  // namespace

#define STRENGTH_PICKERS(X) X(9) X(10) X(11) X(12) X(13) X(14) X(15) X(16)
#define STRENGTH_PICKER_OPEN(N) \
  void Window1::PopupMenu##N##_Open(fw::PopupMenu& sender) { FillStrengthPicker(sender); }
STRENGTH_PICKERS(STRENGTH_PICKER_OPEN)
#undef STRENGTH_PICKER_OPEN
#undef STRENGTH_PICKERS

void Window1::CheckBox1_Action(fw::CheckBox& sender) {
  if (!AllPlacesChosen(*this)) {
    // The box gives up its mark before the message, so the user can click
    // it again once the teams are complete.
    sender.SetValue(false);
    fw::MsgBox("Please complete all selections first");
    return;
  }
  for (const setup::TeamPlace& place : kTeamPlaces) (this->*place.teamPicker)()->SetEnabled(false);
  for (const setup::TeamPlace& place : kTeamPlaces)
    (this->*place.strengthPicker)()->SetEnabled(true);
  sender.SetEnabled(false);
  CheckBox2()->SetEnabled(true);
}

void Window1::CheckBox2_Action(fw::CheckBox& sender) {
  // The pool follows place order, whatever order the teams were chosen in.
  for (const setup::TeamPlace& place : kTeamPlaces)
    team.push_back((this->*place.teamPicker)()->Text() + "_" +
                   (this->*place.strengthPicker)()->Text());
  setup::OpenMatchUpSlot(*this, &Window1::PopupMenu17, fw::Join(team, ","));
  for (const setup::TeamPlace& place : kTeamPlaces)
    (this->*place.strengthPicker)()->SetEnabled(false);
  sender.SetEnabled(false);
}
