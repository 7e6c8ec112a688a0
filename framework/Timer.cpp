#include "framework/Timer.h"

#include "framework/Runtime.h"

namespace fw {

const ClassInfo& Timer::StaticClass() {
  return BuildOnce([] {
    using T = Timer;
    ClassInfo c("Timer", &Control::StaticClass());
    c.Method("Reset").Method("addActionNotificationReceiver").Method(
         "removeActionNotificationReceiver").Method("_CallAction");
    c.Property(AccessorProperty<T, int32_t>("Mode", &T::SetMode, &T::Mode))
        .Property(AccessorProperty<T, int32_t>("Period", &T::SetPeriod, &T::Period))
        .Event(kAction, "Action", "( Timer )");
    return c;
  });
}

Timer::~Timer() { Disarm(); }

void Timer::SetMode(int32_t mode) {
  mode_ = mode;
  if (mode == kModeOff) Disarm();
  else Arm();
}

void Timer::SetPeriod(int32_t period) {
  period_ = period;
  if (armed_) Arm();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) Disarm();
  else if (mode_ != kModeOff) Arm();
}

void Timer::Reset() {
  if (armed_) Arm();
}

void Timer::Arm() {
  Disarm();
  if (!enabled_ || !RuntimeActive()) return;
  armed_ = true;
  uint64_t generation = ++generation_;
  std::weak_ptr<Object> weak = weak_from_this();
  timerId_ = TheBackend().StartTimer(period_, [weak, generation] {
    auto self = std::static_pointer_cast<Timer>(weak.lock());
    if (self && self->armed_ && self->generation_ == generation) self->Fire();
  });
}

void Timer::Disarm() {
  if (timerId_ && RuntimeActive()) TheBackend().StopTimer(timerId_);
  timerId_ = 0;
  armed_ = false;
  ++generation_;
}

void Timer::Fire() {
  timerId_ = 0;
  if (!HandlerRunning() && !MessageBoxOpen()) {
    DeliverEvent([this] { Deliver(); });
    return;
  }
  // Hold the Action until no handler runs and no message box is open.
  uint64_t generation = generation_;
  std::weak_ptr<Object> weak = weak_from_this();
  WhenIdle([weak, generation] {
    auto self = std::static_pointer_cast<Timer>(weak.lock());
    if (self && self->armed_ && self->generation_ == generation) self->Deliver();
  });
}

void Timer::Deliver() {
  std::shared_ptr<Object> hold = shared_from_this();
  armed_ = false;
  if (mode_ == kModeSingle) mode_ = kModeOff;
  else if (mode_ == kModeMultiple) Arm();
  RaiseEvent(kAction);
}

}  // namespace fw
