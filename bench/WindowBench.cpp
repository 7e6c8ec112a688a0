// The main window's construction against the same widgets made with plain
// Qt, and the cost of one design record.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <chrono>

#include "bench/BenchSupport.h"
#include "bench/plain/PlainWindow.h"
#include "framework/PopupMenu.h"
#include "framework/Record.h"
#include "mainwindow/Window1.h"
#include "mainwindow/Window1Records.h"

namespace {

using Clock = std::chrono::steady_clock;

// Records decoded and applied, 87 controls, bindings, Open events, shown;
// then closed and destroyed with everything it left to delete later.
[[gnu::noinline]] void MakeAndDestroyWindow1() {
  std::shared_ptr<Window1> window = GetWindow1();
  benchmark::DoNotOptimize(window.get());
  window->Close();
  window.reset();
  bench::DeletePostedObjects();
}

[[gnu::noinline]] void MakeAndDestroyPlainWindow() {
  QWidget* top = plain::BuildWindow();
  plain::ShowWindow(top);
  benchmark::DoNotOptimize(top);
  delete top;
  bench::DeletePostedObjects();
}

// What showing a window leaves for the event loop (expose, layout) is
// handled between samples, outside the time.
void Settle() { QCoreApplication::processEvents(); }

double TimeOnce(void (*work)()) {
  auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The first window of the process also builds the menu bar: it goes
// before the samples.
void Sample(benchmark::State& state, void (*work)()) {
  work();
  Settle();
  for (auto _ : state) {
    state.SetIterationTime(TimeOnce(work));
    Settle();
  }
}

void BM_Window1Construction(benchmark::State& state) {
  bench::QtRuntime runtime;
  Sample(state, &MakeAndDestroyWindow1);
}
BENCHMARK(BM_Window1Construction)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PlainQtWindowConstruction(benchmark::State& state) {
  bench::EnsureQtApplication();
  Sample(state, &MakeAndDestroyPlainWindow);
}
BENCHMARK(BM_PlainQtWindowConstruction)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Both windows in every iteration, in turns, so that a busy neighbour on the
// machine slows both alike; the ratio is of the summed times.
void BM_Window1VsPlainQt(benchmark::State& state) {
  bench::QtRuntime runtime;
  MakeAndDestroyWindow1();
  MakeAndDestroyPlainWindow();
  Settle();
  // Widgets still alive after the run would be a leak on either side.
  const auto widgetsBefore = QApplication::allWidgets().size();
  double framework = 0, plainQt = 0;
  bool frameworkFirst = true;
  for (auto _ : state) {
    double f = 0, p = 0;
    if (frameworkFirst) {
      f = TimeOnce(&MakeAndDestroyWindow1);
      Settle();
      p = TimeOnce(&MakeAndDestroyPlainWindow);
    } else {
      p = TimeOnce(&MakeAndDestroyPlainWindow);
      Settle();
      f = TimeOnce(&MakeAndDestroyWindow1);
    }
    Settle();
    frameworkFirst = !frameworkFirst;
    framework += f;
    plainQt += p;
    state.SetIterationTime(f + p);
  }
  using benchmark::Counter;
  state.counters["window1_us"] = Counter(framework * 1e6, Counter::kAvgIterations);
  state.counters["plain_us"] = Counter(plainQt * 1e6, Counter::kAvgIterations);
  state.counters["ratio"] = plainQt > 0 ? framework / plainQt : 0;
  state.counters["widgets_left"] =
      static_cast<double>(QApplication::allWidgets().size() - widgetsBefore);
}
BENCHMARK(BM_Window1VsPlainQt)->UseManualTime()->Unit(benchmark::kMicrosecond);

const std::string& PopupMenu1Record() { return window1::ControlRecord("PopupMenu1"); }

void BM_DecodeRecord_PopupMenu1(benchmark::State& state) {
  const std::string& record = PopupMenu1Record();
  for (auto _ : state) {
    auto entries = fw::DecodeRecord(record);
    benchmark::DoNotOptimize(entries.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * record.size()));
}
BENCHMARK(BM_DecodeRecord_PopupMenu1);

// A fresh popup menu, not on a window, given PopupMenu1's record.
void BM_SetProperties_PopupMenu1(benchmark::State& state) {
  const std::string& record = PopupMenu1Record();
  for (auto _ : state) {
    auto menu = std::make_shared<fw::PopupMenu>();
    fw::SetProperties(*menu, record);
    benchmark::DoNotOptimize(menu.get());
  }
}
BENCHMARK(BM_SetProperties_PopupMenu1);

}  // namespace
