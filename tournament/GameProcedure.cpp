#include "tournament/GameProcedure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "framework/Random.h"
#include "framework/Strings.h"

namespace tournament {

namespace {

constexpr int32_t kLowestCeiling = 25, kHighestCeiling = 55, kLowestScore = 2;

struct Team {
  std::string name;
  int32_t strength = 0;
};

// Strengths are whole numbers the program wrote itself; the clamp only keeps a
// damaged text from turning into an undefined conversion.
int32_t ToInt32(double value) {
  if (std::isnan(value)) return 0;
  value = std::clamp(value, double(std::numeric_limits<int32_t>::min()),
                     double(std::numeric_limits<int32_t>::max()));
  return static_cast<int32_t>(value);
}

// A pool entry is "<team entry>_<strength>"; team entries hold no "_".
Team FromPoolEntry(const std::string& entry) {
  std::vector<std::string> fields = fw::Split(entry, "_");
  Team team;
  team.strength = ToInt32(fw::Val(fields.back()));
  if (fields.size() >= 2) team.name = fields[fields.size() - 2];
  return team;
}

// A side has a team once its match-up slot is on a pool entry or its feeder
// game has written the hidden strength label.
bool Known(Window1& window, const Side& side) {
  if (side.slot) return (window.*side.slot)()->ListIndex() > 0;
  return !(window.*side.strength)()->Text().empty();
}

Team Read(Window1& window, const Side& side) {
  if (side.slot) return FromPoolEntry((window.*side.slot)()->Text());
  Team team;
  team.strength = ToInt32(fw::Val((window.*side.strength)()->Text()));
  team.name = (window.*side.name)()->Text();
  return team;
}

// The best of strength-many draws: a stronger side gets more tries under the
// same ceiling, so it wins more often but not always.
int32_t Score(fw::Random& source, int32_t strength, int32_t ceiling) {
  int32_t best = 0;
  for (int32_t draw = 0; draw < strength; ++draw)
    best = std::max(best, source.InRange(kLowestScore, ceiling));
  return best;
}

}  // namespace

GameRun PlayGame(Window1& window, fw::PushButton& sender, const Bowl& bowl) {
  // Fresh sources every run, so a replayed tie is a new game, not a repeat.
  fw::Random ceilingSource, sourceA, sourceB;
  const int32_t ceiling = ceilingSource.InRange(kLowestCeiling, kHighestCeiling);

  (window.*bowl.scoreA)()->SetText("0");
  (window.*bowl.scoreB)()->SetText("0");
  // A first-round team B slot set back to "Choose" still leaves its Play
  // button enabled, and so does Replay for a later bowl whose feeder games
  // are yet to be played again: there is no game until both teams are known.
  if (!Known(window, bowl.teamA) || !Known(window, bowl.teamB)) return {};

  const Team a = Read(window, bowl.teamA);
  const Team b = Read(window, bowl.teamB);
  // Sides that make no draw tie every try; replays would never end.
  if (a.strength <= 0 && b.strength <= 0) return {};
  const int32_t scoreA = Score(sourceA, a.strength, ceiling);
  const int32_t scoreB = Score(sourceB, b.strength, ceiling);

  GameRun run{true, std::nullopt};
  if (scoreA == scoreB) {
    // The replay runs the whole handler again and writes the result; this
    // run only finishes the steps that repeat harmlessly.
    sender.Push();
  } else {
    (window.*bowl.scoreA)()->SetText(fw::Str(scoreA));
    (window.*bowl.scoreB)()->SetText(fw::Str(scoreB));
    const bool aWins = scoreA > scoreB;
    const Team& winner = aWins ? a : b;
    std::shared_ptr<fw::TextField> mark = (window.*(aWins ? bowl.scoreA : bowl.scoreB))();
    mark->SetBold(true);
    mark->SetBackColor(kWinnerColor);
    if (bowl.winner) {
      (window.*bowl.winner)()->SetText(winner.name);
      (window.*bowl.winnerStrength)()->SetText(fw::Str(winner.strength));
    }
    run.winner = winner.name;
  }

  sender.SetEnabled(false);
  // The next bowl opens with whichever of its two feeder games ends second.
  if (bowl.partnerStrength && !(window.*bowl.partnerStrength)()->Text().empty())
    (window.*bowl.next)()->SetEnabled(true);
  return run;
}

}  // namespace tournament
