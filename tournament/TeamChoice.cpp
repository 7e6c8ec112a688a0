// Team choice: the eight team pickers offer the ten teams of TeamList, keep
// the eight choices distinct and suggest each chosen team's strength.
#include <cstddef>
#include <string>

#include "framework/Runtime.h"
#include "framework/Strings.h"
#include "mainwindow/Window1.h"
#include "tournament/SetUpTables.h"

namespace {

using setup::kTeamPlaces;

void FillTeamPicker(Window1& window, fw::PopupMenu& sender, std::size_t place) {
  const int32_t count = fw::CountFields(window.TeamList, ",");
  sender.AddRow("Choose");
  for (int32_t i = 1; i <= count; ++i) sender.AddRow(fw::NthField(window.TeamList, ",", i));
  // The Change this raises must find the place not yet opened, so filling
  // the pickers neither warns nor overwrites a default strength.
  sender.SetListIndex(0);
  window.*kTeamPlaces[place].opened = 1;
}

// Two places hold the same team exactly when their rows are equal; two
// places on "Choose" count as equal too.
bool ChoiceIsUnique(Window1& window, std::size_t place, int32_t row) {
  for (std::size_t other = 0; other < kTeamPlaces.size(); ++other)
    if (other != place && (window.*kTeamPlaces[other].teamPicker)()->ListIndex() == row)
      return false;
  return true;
}

// The suggested strength is the team's rating times ten, rounded: ".9441"
// in "Alabama (.9441)" gives 9, which is row 8 of the strength picker.
void SuggestStrength(Window1& window, fw::PopupMenu& sender, std::size_t place) {
  const std::string rating = fw::Replace(fw::Split(sender.Text(), "(").back(), ")", "");
  const double strength = fw::Round(fw::Val(rating) * 10.0);
  const setup::PickerAccessor picker = kTeamPlaces[place].strengthPicker;
  // A rating above 1 would ask for a row past "10": the strongest row is
  // the nearest one there is. Zero or less leaves no strength selected.
  double row = strength - 1.0;
  const double last = (window.*picker)()->ListCount() - 1;
  if (row > last) row = last;
  if (row < -1.0) row = -1.0;
  (window.*picker)()->SetListIndex(static_cast<int32_t>(row));
}

void TeamPickerChanged(Window1& window, fw::PopupMenu& sender, std::size_t place) {
  const int32_t row = sender.ListIndex();
  if (ChoiceIsUnique(window, place, row)) {
    if (window.*kTeamPlaces[place].opened == 0) return;
    SuggestStrength(window, sender, place);
    return;
  }
  if (row == 0) return;
  // The duplicate stays in view under the message; the reset that follows
  // runs this rule again for "Choose".
  fw::MsgBox("Your team choice can not match another choice");
  sender.SetListIndex(0);
}

}  // namespace

#define TEAM_PLACES(X) X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8)
#define TEAM_PLACE_HANDLERS(N)                                   \
  void Window1::PopupMenu##N##_Open(fw::PopupMenu& sender) {     \
    FillTeamPicker(*this, sender, N - 1);                        \
  }                                                              \
  void Window1::PopupMenu##N##_Change(fw::PopupMenu& sender) {   \
    TeamPickerChanged(*this, sender, N - 1);                     \
  }
TEAM_PLACES(TEAM_PLACE_HANDLERS)
#undef TEAM_PLACE_HANDLERS
#undef TEAM_PLACES
