#include "tests/support/Driver.h"

namespace testing_support {

std::array<std::shared_ptr<fw::PopupMenu>, 8> MatchUpSlots(Window1& w) {
  return {w.PopupMenu17(), w.PopupMenu18(), w.PopupMenu19(), w.PopupMenu20(),
          w.PopupMenu21(), w.PopupMenu22(), w.PopupMenu23(), w.PopupMenu24()};
}

void ChooseTeams(Window1& w, const std::array<int, 8>& rows) {
  std::array<std::shared_ptr<fw::PopupMenu>, 8> pickers = {
      w.PopupMenu1(), w.PopupMenu2(), w.PopupMenu3(), w.PopupMenu4(),
      w.PopupMenu5(), w.PopupMenu6(), w.PopupMenu7(), w.PopupMenu8()};
  for (size_t i = 0; i < pickers.size(); ++i) pickers[i]->UserSelect(rows[i]);
}

void ClickDone1(Window1& w) { w.CheckBox1()->UserClick(true); }
void ClickDone2(Window1& w) { w.CheckBox2()->UserClick(true); }

void MakeMatchUps(Window1& w) {
  for (const auto& slot : MatchUpSlots(w)) slot->UserSelect(1);
}

std::shared_ptr<Window1> SetUpBracket(const std::array<int, 8>& rows) {
  auto window = GetWindow1();
  ChooseTeams(*window, rows);
  ClickDone1(*window);
  ClickDone2(*window);
  MakeMatchUps(*window);
  return window;
}

void PlayBracket(Window1& w) {
  for (const auto& button : {w.PushButton1(), w.PushButton2(), w.PushButton3(), w.PushButton4(),
                             w.PushButton5(), w.PushButton6(), w.PushButton7()})
    button->UserClick();
}

}  // namespace testing_support
