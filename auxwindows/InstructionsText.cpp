// The instructions as the Instructions window first shows them: sixteen
// paragraphs split by CR, with an empty line between each two of paragraphs 4
// to 10. Every blank is the text's own, those at paragraph ends included.
#include "auxwindows/Window3.h"

const std::string& InstructionsText() {
  static const std::string text =
      // 1
      " A search of Google with terms like \"NFL Variance Randomness\" will show that "
      "randomness plays a significant roll in determining results. That should not be a "
      "surprise.  The same should be true in the college game. There are many factors that "
      "can not be well controlled, which can impact the game, such as, illness, injury, "
      "weather, officiating, personal relationships, academic problems, and so on. That is "
      "why we play the game.\r"
      // 2
      "What is commonly suggested is a 8 team single elimination tournament.\r"
      // 3
      "SO\r"
      // 4
      "STEP 1: choose your 8 quandrel teams from the final 10 in the last BCS bowl of 2012 "
      "(listed with their BCS rating), then check \"DONE.\"\r\r"
      // 5
      "STEP 2: choose what you believe is the relative strength of each team then check "
      "\"DONE.\" A team rated 8 will win over a team rated 2 on average, 80% of the time "
      "with a standard deviation of around 5 %. \r\r"
      // 6
      "The suggested strength for each team you choose is based on the BCS rating (times "
      "10 then rounded to an integer).\r\r"
      // 7
      "Step 3: Choose your team match-ups for the first round.\r\r"
      // 8
      "Step 4: Play each round\r\r"
      // 9
      "Step 5: Replay, Replay All  OR Restart\r\r"
      // 10
      "Replay: Lets you replay all games one at the time \r"
      // 11
      "ReplayAll: Replays all games for you. \r"
      // 12
      "=====\r"
      // 13
      "The winner of the Silver Bowl, each time, is recorded in the table below it. The "
      "teams are listed in the table in order of their bowl appearance. (The first two "
      "were in the Pasta Bowl, the next two were in the Salad Bowl and so on.)\r"
      // 14
      "You can save your results. The table will be saved in a file named "
      "\"UsernameTodaysDate.txt\", included in the same folder as this application.\r"
      // 15
      "=====\r"
      // 16
      "Restart will restart from the beginning";
  return text;
}
