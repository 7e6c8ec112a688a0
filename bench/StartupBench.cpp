// Start-up and peak memory as whole processes: the program's own main up to
// its first painted main window, against a plain Qt program showing the same
// window. Both quit by themselves once the first paint is done.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>

extern char** environ;

namespace {

struct ChildRun {
  double seconds = 0;
  double maxRssKiB = 0;
};

// Runs the program to its end: wall time, and its peak resident memory.
ChildRun RunChild(const char* path) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", QUANDREL_DESKTOP_PLATFORM, 1);
  char* argv[] = {const_cast<char*>(path), nullptr};
  auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, path, nullptr, nullptr, argv, environ) != 0)
    throw std::runtime_error(std::string("cannot start ") + path);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) throw std::runtime_error(std::string("lost ") + path);
  ChildRun run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.maxRssKiB = static_cast<double>(usage.ru_maxrss);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error(std::string(path) + " did not end cleanly");
  return run;
}

void Report(benchmark::State& state, const char* prefix, double seconds, double rssKiB) {
  using benchmark::Counter;
  state.counters[std::string(prefix) + "ms"] = Counter(seconds * 1e3, Counter::kAvgIterations);
  state.counters[std::string(prefix) + "maxrss_KiB"] = Counter(rssKiB, Counter::kAvgIterations);
}

void BM_Startup(benchmark::State& state, const char* path) {
  double rss = 0;
  for (auto _ : state) {
    ChildRun run = RunChild(path);
    state.SetIterationTime(run.seconds);
    rss += run.maxRssKiB;
  }
  state.counters["maxrss_KiB"] = benchmark::Counter(rss, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_Startup, Quandrel, QUANDREL_FIRST_PAINT)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Startup, PlainQt, PLAIN_FIRST_PAINT)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Both programs in every iteration, in turns, so that load on the machine
// falls on both alike; ratios are of the sums.
void BM_StartupQuandrelVsPlainQt(benchmark::State& state) {
  double quandrelTime = 0, plainTime = 0, quandrelRss = 0, plainRss = 0;
  bool quandrelFirst = true;
  for (auto _ : state) {
    ChildRun first = RunChild(quandrelFirst ? QUANDREL_FIRST_PAINT : PLAIN_FIRST_PAINT);
    ChildRun second = RunChild(quandrelFirst ? PLAIN_FIRST_PAINT : QUANDREL_FIRST_PAINT);
    const ChildRun& quandrel = quandrelFirst ? first : second;
    const ChildRun& plainQt = quandrelFirst ? second : first;
    quandrelFirst = !quandrelFirst;
    quandrelTime += quandrel.seconds;
    plainTime += plainQt.seconds;
    quandrelRss += quandrel.maxRssKiB;
    plainRss += plainQt.maxRssKiB;
    state.SetIterationTime(quandrel.seconds + plainQt.seconds);
  }
  Report(state, "quandrel_", quandrelTime, quandrelRss);
  Report(state, "plain_", plainTime, plainRss);
  state.counters["time_ratio"] = plainTime > 0 ? quandrelTime / plainTime : 0;
  state.counters["rss_ratio"] = plainRss > 0 ? quandrelRss / plainRss : 0;
}
BENCHMARK(BM_StartupQuandrelVsPlainQt)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
