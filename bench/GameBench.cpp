// The cost of playing: one game, and one whole bracket of seven, on the
// headless backend with real random sources, so the figure is the handlers'
// own work without any drawing.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/headless/HeadlessBackend.h"
#include "mainwindow/Window1.h"

namespace {

using Button = std::shared_ptr<fw::PushButton> (Window1::*)();

// The framework on the headless backend with the basic services, for the
// length of one benchmark.
class HeadlessRuntime {
 public:
  HeadlessRuntime() {
    BuildClassTables();
    fw::RuntimeInit(&backend_);
  }
  ~HeadlessRuntime() {
    fw::Window::CloseAll();
    backend_.ProcessPosted();
    fw::RuntimeExit();
    ReleaseMenuBar1();
  }
  HeadlessRuntime(const HeadlessRuntime&) = delete;
  HeadlessRuntime& operator=(const HeadlessRuntime&) = delete;

 private:
  fw::HeadlessBackend backend_;
};

// A "Crystal Bowl" between strengths 6 and 5, whose teams are plain labels;
// a tie's replay belongs to the game and is timed with it.
void BM_OneGame(benchmark::State& state) {
  HeadlessRuntime runtime;
  auto w = GetWindow1();
  w->Label15()->SetText("Stanford (.7683)");
  w->Label17()->SetText("6");
  w->Label16()->SetText("Kansas State (.8226)");
  w->Label18()->SetText("5");
  for (auto _ : state) {
    w->PushButton6()->SetEnabled(true);
    w->PushButton6()->Push();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OneGame);

// Teams of rows 1 to 8 with their suggested strengths, match-ups in place
// order; each iteration opens the first round again and pushes all seven
// Play buttons, the final counting its title in the results table.
void BM_WholeBracket(benchmark::State& state) {
  HeadlessRuntime runtime;
  auto w = GetWindow1();
  const std::array<std::shared_ptr<fw::PopupMenu>, 8> teams = {
      w->PopupMenu1(), w->PopupMenu2(), w->PopupMenu3(), w->PopupMenu4(),
      w->PopupMenu5(), w->PopupMenu6(), w->PopupMenu7(), w->PopupMenu8()};
  for (size_t place = 0; place < teams.size(); ++place)
    teams[place]->UserSelect(static_cast<int32_t>(place) + 1);
  w->CheckBox1()->UserClick(true);
  w->CheckBox2()->UserClick(true);
  for (auto slot : {w->PopupMenu17(), w->PopupMenu18(), w->PopupMenu19(), w->PopupMenu20(),
                    w->PopupMenu21(), w->PopupMenu22(), w->PopupMenu23(), w->PopupMenu24()})
    slot->UserSelect(1);

  const std::array<Button, 4> firstRound = {&Window1::PushButton1, &Window1::PushButton2,
                                            &Window1::PushButton3, &Window1::PushButton4};
  const std::array<Button, 3> later = {&Window1::PushButton5, &Window1::PushButton6,
                                       &Window1::PushButton7};
  for (auto _ : state) {
    // Emptied winner strengths keep each later bowl shut until both of its
    // feeder games have been played again, as after Replay.
    for (auto label :
         {w->Label12(), w->Label13(), w->Label17(), w->Label18(), w->Label22(), w->Label23()})
      label->SetText("");
    for (Button play : firstRound) (w.get()->*play)()->SetEnabled(true);
    for (Button play : firstRound) (w.get()->*play)()->Push();
    for (Button play : later) (w.get()->*play)()->Push();
  }
  if (w->Listbox1()->ListCount() != 8) state.SkipWithError("the bracket was not played");
  state.SetItemsProcessed(state.iterations() * 7);
}
BENCHMARK(BM_WholeBracket);

}  // namespace
