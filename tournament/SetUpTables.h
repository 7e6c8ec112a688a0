#pragma once
// What the set-up handlers share: the eight team places and the opening of a
// match-up slot. Controls are named by their accessors, so every use asks the
// window anew.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "mainwindow/Window1.h"

namespace setup {

using PickerAccessor = std::shared_ptr<fw::PopupMenu> (Window1::*)();

// One team place: its team picker, the flag its Open sets last, and the
// strength picker below it.
struct TeamPlace {
  PickerAccessor teamPicker;
  int32_t Window1::*opened;
  PickerAccessor strengthPicker;
};

// Places 1 to 8, left to right.
inline constexpr std::array<TeamPlace, 8> kTeamPlaces{{
    {&Window1::PopupMenu1, &Window1::one, &Window1::PopupMenu9},
    {&Window1::PopupMenu2, &Window1::two, &Window1::PopupMenu10},
    {&Window1::PopupMenu3, &Window1::three, &Window1::PopupMenu11},
    {&Window1::PopupMenu4, &Window1::four, &Window1::PopupMenu12},
    {&Window1::PopupMenu5, &Window1::five, &Window1::PopupMenu13},
    {&Window1::PopupMenu6, &Window1::six, &Window1::PopupMenu14},
    {&Window1::PopupMenu7, &Window1::seven, &Window1::PopupMenu15},
    {&Window1::PopupMenu8, &Window1::eight, &Window1::PopupMenu16},
}};

// Opens a match-up slot on what is left of the pool, given joined with ",":
// enabled, "Choose" and then one row per pool entry, and row 0 selected. The
// selection raises the slot's Change at once; it has ended when this returns.
void OpenMatchUpSlot(Window1& window, PickerAccessor slot, const std::string& pool);

}  // namespace setup
