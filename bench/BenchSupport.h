#pragma once
// What the Qt benchmarks share: one Qt application object on the offscreen
// platform, and the framework running on the Qt backend for the length of
// one benchmark.
#include <memory>

namespace bench {

// Makes Qt's application object once, on the offscreen platform with a
// desktop's screen, which the main window fits, unless the caller chose a
// platform; together with the Qt backend, which gives the program's
// look to every window made after it.
void EnsureQtApplication();

// Starts the framework on the Qt backend with the production services, as
// the program's main does; ends it again when it goes out of scope.
class QtRuntime {
 public:
  QtRuntime();
  ~QtRuntime();
  QtRuntime(const QtRuntime&) = delete;
  QtRuntime& operator=(const QtRuntime&) = delete;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Deletes what windows and views left for the event loop to delete.
void DeletePostedObjects();

}  // namespace bench
