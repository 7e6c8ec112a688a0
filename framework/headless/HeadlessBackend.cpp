#include "framework/headless/HeadlessBackend.h"

namespace fw {

TimerId HeadlessBackend::StartTimer(int32_t periodMs, std::function<void()> fire) {
  TimerId id = next_++;
  timers_.emplace(now_ + periodMs, Pending{id, std::move(fire)});
  return id;
}

void HeadlessBackend::StopTimer(TimerId id) {
  for (auto it = timers_.begin(); it != timers_.end(); ++it)
    if (it->second.id == id) {
      timers_.erase(it);
      return;
    }
}

void HeadlessBackend::Post(std::function<void()> work) { posted_.push_back(std::move(work)); }

void HeadlessBackend::ProcessPosted() {
  while (!posted_.empty()) {
    auto work = std::move(posted_.front());
    posted_.erase(posted_.begin());
    work();
  }
}

void HeadlessBackend::Advance(int64_t ms) {
  ProcessPosted();
  int64_t until = now_ + ms;
  while (!timers_.empty() && timers_.begin()->first <= until) {
    auto it = timers_.begin();
    now_ = it->first;
    auto fire = std::move(it->second.fire);
    timers_.erase(it);
    fire();
    ProcessPosted();
  }
  now_ = until;
}

void HeadlessBackend::RunLoop() {
  quit_ = false;
  while (!quit_ && (!posted_.empty() || !timers_.empty())) {
    if (!posted_.empty()) ProcessPosted();
    else Advance(timers_.begin()->first - now_);
  }
}

}  // namespace fw
