#pragma once
// The game procedure: the one way every bowl of the bracket is decided. A bowl
// is a row of controls of the main window; the procedure plays any row.
#include <memory>
#include <optional>
#include <string>

#include "framework/Value.h"
#include "mainwindow/Window1.h"

namespace tournament {

// A control of the main window, reached through its accessor at every use.
template <class C>
using Accessor = std::shared_ptr<C> (Window1::*)();

// The background that marks the winner's score field.
constexpr fw::Color kWinnerColor{0xFF, 0x98, 0x33};

// Where a side's team comes from. A first-round side is the pool entry in its
// match-up slot; a later side is what its feeder game carried forward in a
// winner label and a hidden strength label.
struct Side {
  Accessor<fw::PopupMenu> slot = nullptr;
  Accessor<fw::Label> name = nullptr;
  Accessor<fw::Label> strength = nullptr;
};

constexpr Side FromSlot(Accessor<fw::PopupMenu> slot) { return {slot, nullptr, nullptr}; }
constexpr Side FromFeeder(Accessor<fw::Label> name, Accessor<fw::Label> strength) {
  return {nullptr, name, strength};
}

// One bowl, written as a table row: team A, team B, score fields A and B,
// then the controls below.
struct Bowl {
  Side teamA, teamB;
  Accessor<fw::TextField> scoreA = nullptr, scoreB = nullptr;
  // Where the winner goes on to. The final has none of these: its winner is
  // the champion, returned to the caller.
  Accessor<fw::Label> winner = nullptr, winnerStrength = nullptr, partnerStrength = nullptr;
  Accessor<fw::PushButton> next = nullptr;
};

// What one run of a bowl's handler came to.
struct GameRun {
  // False when there was no game to play: a side has no team yet (a
  // first-round slot on "Choose", a later side whose feeder game has not been
  // played since Replay) or neither side can score. The run then only set the
  // two score fields to "0".
  bool played = false;
  // The winner's name when this run decided the game; nothing when it was
  // tied (the replay it pushed decided the game and did all of the work).
  std::optional<std::string> winner;
};

// Plays one game of the bowl; sender is the bowl's own Play button.
GameRun PlayGame(Window1& window, fw::PushButton& sender, const Bowl& bowl);

}  // namespace tournament
