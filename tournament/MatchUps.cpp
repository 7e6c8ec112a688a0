// Match-up slots: the eight slots of the first round are filled one after the
// other from the team pool. A choice takes its entry out of the pool, locks
// its slot and opens the next, so no team can be placed twice.
#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "framework/Exceptions.h"
#include "framework/Strings.h"
#include "mainwindow/Window1.h"
#include "tournament/SetUpTables.h"

namespace {

using setup::PickerAccessor;
using FieldAccessor = std::shared_ptr<fw::TextField> (Window1::*)();
using ButtonAccessor = std::shared_ptr<fw::PushButton> (Window1::*)();

// A slot, what it opens (a team-A slot its partner, a team-B slot the next
// bowl's team A, the last slot nothing) and its bowl's score fields and Play
// button.
struct MatchUpSlot {
  PickerAccessor opens;
  FieldAccessor scoreA;
  FieldAccessor scoreB;
  ButtonAccessor play;
};

// PopupMenu17 to PopupMenu24, in the order they are filled.
constexpr int kFirstSlot = 17;
constexpr std::array<MatchUpSlot, 8> kSlots{{
    {&Window1::PopupMenu18, &Window1::TextField1, &Window1::TextField2, &Window1::PushButton1},
    {&Window1::PopupMenu19, &Window1::TextField1, &Window1::TextField2, &Window1::PushButton1},
    {&Window1::PopupMenu20, &Window1::TextField3, &Window1::TextField4, &Window1::PushButton2},
    {&Window1::PopupMenu21, &Window1::TextField3, &Window1::TextField4, &Window1::PushButton2},
    {&Window1::PopupMenu22, &Window1::TextField5, &Window1::TextField6, &Window1::PushButton3},
    {&Window1::PopupMenu23, &Window1::TextField5, &Window1::TextField6, &Window1::PushButton3},
    {&Window1::PopupMenu24, &Window1::TextField7, &Window1::TextField8, &Window1::PushButton4},
    {nullptr, &Window1::TextField7, &Window1::TextField8, &Window1::PushButton4},
}};

// Row k of a slot names pool entry k - 1: nothing changes the pool between
// the filling of a slot and the choice in it. Takes that entry out and
// answers what is left, joined with ",".
std::string TakeFromPool(Window1& window, int32_t row) {
  const std::size_t index = static_cast<std::size_t>(row - 1);
  if (index >= window.team.size())
    throw fw::OutOfBoundsException("the team pool has no entry " + std::to_string(row - 1));
  window.team.erase(window.team.begin() + static_cast<std::ptrdiff_t>(index));
  return fw::Join(window.team, ",");
}

// The bowl can be played from now on, starting from 0 to 0.
void ReadyBowl(Window1& window, const MatchUpSlot& slot) {
  (window.*slot.scoreA)()->SetText("0");
  (window.*slot.scoreB)()->SetText("0");
  (window.*slot.play)()->SetEnabled(true);
}

void TeamASlotChanged(Window1& window, fw::PopupMenu& sender, const MatchUpSlot& slot) {
  // "Choose" (and a slot with no row) places no team.
  if (sender.ListIndex() <= 0) return;
  sender.SetEnabled(false);
  const std::string rest = TakeFromPool(window, sender.ListIndex());
  // The partner's own handler readies the bowl for its "Choose"; the bowl
  // only becomes playable once team B is chosen.
  setup::OpenMatchUpSlot(window, slot.opens, rest);
  (window.*slot.play)()->SetEnabled(false);
}

void TeamBSlotChanged(Window1& window, fw::PopupMenu& sender, const MatchUpSlot& slot) {
  ReadyBowl(window, slot);
  if (sender.ListIndex() <= 0) return;
  const std::string rest = TakeFromPool(window, sender.ListIndex());
  setup::OpenMatchUpSlot(window, slot.opens, rest);
  sender.SetEnabled(false);
}

// The last slot stays open and keeps the pool: any later choice in it just
// readies the "Soup Bowl" again, also after it has been played.
void LastSlotChanged(Window1& window, fw::PopupMenu&, const MatchUpSlot& slot) {
  ReadyBowl(window, slot);
}

}  // namespace

void setup::OpenMatchUpSlot(Window1& window, PickerAccessor slot, const std::string& pool) {
  (window.*slot)()->SetEnabled(true);
  (window.*slot)()->AddRow("Choose");
  const int32_t count = fw::CountFields(pool, ",");
  for (int32_t i = 1; i <= count; ++i) (window.*slot)()->AddRow(fw::NthField(pool, ",", i));
  (window.*slot)()->SetListIndex(0);
}

#define MATCH_UP_HANDLER(N, Family)                              \
  void Window1::PopupMenu##N##_Change(fw::PopupMenu& sender) {   \
    Family(*this, sender, kSlots[N - kFirstSlot]);               \
  }
MATCH_UP_HANDLER(17, TeamASlotChanged)
MATCH_UP_HANDLER(18, TeamBSlotChanged)
MATCH_UP_HANDLER(19, TeamASlotChanged)
MATCH_UP_HANDLER(20, TeamBSlotChanged)
MATCH_UP_HANDLER(21, TeamASlotChanged)
MATCH_UP_HANDLER(22, TeamBSlotChanged)
MATCH_UP_HANDLER(23, TeamASlotChanged)
MATCH_UP_HANDLER(24, LastSlotChanged)
#undef MATCH_UP_HANDLER
