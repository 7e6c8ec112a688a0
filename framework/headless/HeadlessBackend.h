#pragma once
// A backend without a toolkit, for logic tests: no views, and time that moves
// only when the test advances its clock.
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "framework/Backend.h"

namespace fw {

class HeadlessBackend : public Backend {
 public:
  WindowView* CreateWindowView(Window&) override { return nullptr; }
  ControlView* CreateControlView(Control&) override { return nullptr; }
  TimerId StartTimer(int32_t periodMs, std::function<void()> fire) override;
  void StopTimer(TimerId id) override;
  void Post(std::function<void()> work) override;
  void RunLoop() override;
  void QuitLoop() override { quit_ = true; }

  // Runs posted work, then moves the clock on by ms, firing each timer that
  // falls due in order of its due time and running posted work after each.
  void Advance(int64_t ms);
  // Runs the posted work that is waiting.
  void ProcessPosted();
  int64_t Now() const { return now_; }
  size_t PendingTimers() const { return timers_.size(); }
  bool QuitRequested() const { return quit_; }

 private:
  struct Pending {
    TimerId id;
    std::function<void()> fire;
  };
  int64_t now_ = 0;
  TimerId next_ = 1;
  std::multimap<int64_t, Pending> timers_;
  std::vector<std::function<void()>> posted_;
  bool quit_ = false;
};

}  // namespace fw
