// Spell checking in text areas: the Instructions window opened with its
// checking on against the same window with it off, one keystroke at the end
// of a checked text of 1 MB against one of the instructions text, the
// dictionary's first load, and marking a pasted 1 MB text.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <chrono>

#include "auxwindows/AuxDesign.h"
#include "auxwindows/Window3.h"
#include "bench/BenchSupport.h"
#include "framework/EnchantSpellChecker.h"
#include "framework/Record.h"
#include "framework/Services.h"
#include "framework/SpellChecker.h"
#include "framework/qt/QtControlViews.h"

namespace {

using Clock = std::chrono::steady_clock;

// The Instructions window's design with the text area's spell checking off:
// the same two controls, records and text.
class UncheckedInstructions : public fw::Window {
 public:
  void Layout() override {
    fw::SetProperties(*this, auxwindows::WindowRecord(600, 361, "Instructions"));
  }
  void CreateControls() override {
    // clang-format off
    static const std::vector<fw::ControlDesign> designs{
        {.name = "TextArea1", .cls = auxwindows::Kind::TextArea, .left = 28, .top = 24,
         .width = 480, .height = 259, .text = InstructionsText().c_str(), .tabIndex = 0},
        {.name = "PushButton1", .cls = auxwindows::Kind::PushButton, .left = 428, .top = 308,
         .width = 80, .height = 20, .text = "OK", .tabIndex = 1,
         .extras = {.buttonStyle = auxwindows::kButtonStyle}},
    };
    // clang-format on
    static const std::vector<std::string> records = [] {
      std::vector<std::string> made = auxwindows::ControlRecords(designs);
      fw::RecordBuilder unchecked;
      for (const fw::RecordEntry& entry : fw::DecodeRecord(made[0]))
        unchecked.Add(entry.key,
                      entry.key == "AutomaticallyCheckSpelling" ? fw::Value(false) : entry.value);
      made[0] = unchecked.Bytes();
      return made;
    }();
    auxwindows::CreateControls(*this, designs, records,
                               [](std::string_view) { return fw::Delegate{}; });
  }
};

template <class W>
[[gnu::noinline]] void OpenAndClose() {
  std::shared_ptr<W> window = fw::Window::Create<W>();
  benchmark::DoNotOptimize(window.get());
  window->Close();
  window.reset();
  bench::DeletePostedObjects();
}

double TimeOnce(void (*work)()) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs a and b in turns within every iteration, so that a busy neighbour
// slows both alike, and reports both and their ratio a / b.
template <class A, class B>
void Paired(benchmark::State& state, A a, B b, const char* aName, const char* bName) {
  double sumA = 0, sumB = 0;
  bool aFirst = true;
  for (auto _ : state) {
    double ta = 0, tb = 0;
    if (aFirst) {
      ta = a();
      QCoreApplication::processEvents();
      tb = b();
    } else {
      tb = b();
      QCoreApplication::processEvents();
      ta = a();
    }
    QCoreApplication::processEvents();
    aFirst = !aFirst;
    sumA += ta;
    sumB += tb;
    state.SetIterationTime(ta + tb);
  }
  using benchmark::Counter;
  state.counters[aName] = Counter(sumA * 1e6, Counter::kAvgIterations);
  state.counters[bName] = Counter(sumB * 1e6, Counter::kAvgIterations);
  state.counters["ratio"] = sumB > 0 ? sumA / sumB : 0;
}

void BM_InstructionsCheckedVsUnchecked(benchmark::State& state) {
  bench::QtRuntime runtime;
  fw::TheServices().Spelling().HasDictionary();  // loaded before, as after a first opening
  OpenAndClose<Window3>();
  OpenAndClose<UncheckedInstructions>();
  Paired(
      state, [] { return TimeOnce(&OpenAndClose<Window3>); },
      [] { return TimeOnce(&OpenAndClose<UncheckedInstructions>); }, "checked_us", "unchecked_us");
}
BENCHMARK(BM_InstructionsCheckedVsUnchecked)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Paragraphs of the instructions text up to about a megabyte.
std::string MegabyteOfText() {
  std::string text;
  while (text.size() < (1u << 20)) text += InstructionsText() + "\r";
  return text + "The end";
}

void Type(QWidget* widget, Qt::Key key, const QString& text) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &event);
  }
}

// One letter typed at the end of the text, then taken back outside the time.
double KeystrokeAtTheEnd(QPlainTextEdit* edit) {
  edit->moveCursor(QTextCursor::End);
  const auto start = Clock::now();
  Type(edit, Qt::Key_S, "s");
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  Type(edit, Qt::Key_Backspace, {});
  return seconds;
}

void BM_KeystrokeIn1MBVsInstructions(benchmark::State& state) {
  bench::QtRuntime runtime;
  // The Instructions window with a megabyte in its text area, and beside it
  // a second checked text area with the instructions text.
  auto big = fw::Window::Create<Window3>();
  auto* bigEdit = qobject_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*big->TextArea1()));
  big->TextArea1()->SetText(MegabyteOfText());
  auto other = std::make_shared<fw::TextArea>();
  big->AddControl(other, "Other");
  fw::SetProperties(*other, fw::RecordBuilder()
                                .Int32("Width", 480)
                                .Int32("Height", 259)
                                .Boolean("AutomaticallyCheckSpelling", true)
                                .String("Text", InstructionsText())
                                .Bytes());
  auto* smallEdit = qobject_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*other));
  Paired(
      state, [&] { return KeystrokeAtTheEnd(bigEdit); },
      [&] { return KeystrokeAtTheEnd(smallEdit); }, "megabyte_us", "instructions_us");
  state.counters["checked"] = big->TextArea1()->AutomaticallyCheckSpelling();
  big->Close();
}
BENCHMARK(BM_KeystrokeIn1MBVsInstructions)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_DictionaryFirstLoad(benchmark::State& state) {
  for (auto _ : state) {
    fw::EnchantSpellChecker checker;
    benchmark::DoNotOptimize(checker.HasDictionary());
  }
}
BENCHMARK(BM_DictionaryFirstLoad)->Unit(benchmark::kMillisecond);

// A megabyte pasted into an empty checked text area, marked as it goes in
// (checked: 1) or not (0).
void BM_Paste1MB(benchmark::State& state) {
  bench::QtRuntime runtime;
  fw::TheServices().Spelling().HasDictionary();
  auto window = fw::Window::Create<Window3>();
  window->TextArea1()->SetAutomaticallyCheckSpelling(state.range(0) != 0);
  auto* edit = qobject_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*window->TextArea1()));
  const QString text = fw::qt::ToDisplayText(MegabyteOfText());
  for (auto _ : state) {
    state.PauseTiming();
    window->TextArea1()->SetText("");
    state.ResumeTiming();
    edit->insertPlainText(text);
  }
  window->Close();
}
BENCHMARK(BM_Paste1MB)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
