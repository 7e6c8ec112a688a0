// The four first-round bowls: each Play button plays its row of the table.
#include <array>

#include "mainwindow/Window1.h"
#include "tournament/GameProcedure.h"

namespace {

using tournament::Bowl;
using tournament::FromSlot;
using W = Window1;

// "Pasta Bowl", "Salad Bowl", "Cereal Bowl", "Soup Bowl": the first two feed
// the "China Bowl", the last two the "Crystal Bowl".
constexpr std::array<Bowl, 4> kFirstRound = {{
    // team A, team B, score fields A and B,
    // winner label, hidden strength label, partner strength label, next Play button
    {FromSlot(&W::PopupMenu17), FromSlot(&W::PopupMenu18), &W::TextField1, &W::TextField2,
     &W::Label10, &W::Label12, &W::Label13, &W::PushButton5},
    {FromSlot(&W::PopupMenu19), FromSlot(&W::PopupMenu20), &W::TextField3, &W::TextField4,
     &W::Label11, &W::Label13, &W::Label12, &W::PushButton5},
    {FromSlot(&W::PopupMenu21), FromSlot(&W::PopupMenu22), &W::TextField5, &W::TextField6,
     &W::Label15, &W::Label17, &W::Label18, &W::PushButton6},
    {FromSlot(&W::PopupMenu23), FromSlot(&W::PopupMenu24), &W::TextField7, &W::TextField8,
     &W::Label16, &W::Label18, &W::Label17, &W::PushButton6},
}};

}  // namespace

#define FIRST_ROUND_HANDLER(Button, Row)                              \
  void Window1::PushButton##Button##_Action(fw::PushButton& sender) { \
    tournament::PlayGame(*this, sender, kFirstRound[Row]);            \
  }
FIRST_ROUND_HANDLER(1, 0)
FIRST_ROUND_HANDLER(2, 1)
FIRST_ROUND_HANDLER(3, 2)
FIRST_ROUND_HANDLER(4, 3)
#undef FIRST_ROUND_HANDLER
