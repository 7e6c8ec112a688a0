#pragma once
// A timer: Mode 1 gives one Action one Period later, from the event loop;
// Mode 0 stops it. An Action never runs inside another handler or while a
// message box is open: it waits until then.
#include "framework/Control.h"

namespace fw {

class Timer : public Control {
 public:
  static constexpr int kAction = 0;
  static constexpr int32_t kModeOff = 0, kModeSingle = 1, kModeMultiple = 2;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  ~Timer() override;

  int32_t Mode() const { return mode_; }
  // 1 (re)starts the period; 0 stops the timer and drops a waiting Action.
  void SetMode(int32_t mode);
  int32_t Period() const { return period_; }
  void SetPeriod(int32_t period);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  void Reset();
  bool Pending() const { return armed_; }

 private:
  void Arm();
  void Disarm();
  void Fire();
  void Deliver();

  int32_t mode_ = kModeOff;
  int32_t period_ = 1000;
  bool enabled_ = true;
  bool armed_ = false;
  TimerId timerId_ = 0;
  uint64_t generation_ = 0;
};

// What a window's child control offers the framework: its owning window and
// its index in a control array.
class PaneChild {
 public:
  virtual ~PaneChild() = default;
  virtual void SetWindow(const std::shared_ptr<fw::Window>& window) = 0;
  virtual std::shared_ptr<fw::Window> Window() const = 0;
  virtual int32_t Index() const = 0;
  virtual void SetIndex(int32_t index) = 0;
};

}  // namespace fw
