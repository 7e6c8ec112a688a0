#pragma once
// What the framework needs of the toolkit underneath: views for windows and
// controls, one-shot timers, and the event loop. The Qt backend gives real
// widgets; the headless backend gives none and runs time on a test clock.
#include <cstdint>
#include <functional>
#include <string>

namespace fw {

class Control;
class Window;

// Which part of a control's or window's state changed, so that a view
// mirrors only that part.
enum class Aspect { All, Geometry, Parent, Enabled, Visible, Font, Text, Colors, Rows, Selection,
                    Value, Options, MenuBar, Title };

class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void Update(Aspect aspect) = 0;
  // The control is going away: the view stops speaking to it and is freed
  // once the event loop is back, since it may be inside one of its signals.
  virtual void Release() = 0;
};

class WindowView {
 public:
  virtual ~WindowView() = default;
  virtual void Update(Aspect aspect) = 0;
  virtual void ControlsCreated() = 0;  // every control exists: set the Tab order
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool IsShown() const = 0;
  virtual void Release() = 0;
};

using TimerId = uint64_t;

class Backend {
 public:
  virtual ~Backend() = default;
  virtual WindowView* CreateWindowView(Window& window) = 0;
  virtual ControlView* CreateControlView(Control& control) = 0;
  // One call of fire, periodMs later, from the event loop.
  virtual TimerId StartTimer(int32_t periodMs, std::function<void()> fire) = 0;
  virtual void StopTimer(TimerId id) = 0;
  // Runs work from the event loop, after the current event.
  virtual void Post(std::function<void()> work) = 0;
  virtual void RunLoop() = 0;
  virtual void QuitLoop() = 0;
  // Called when the application's menu bar is set.
  virtual void MenuBarChanged() {}
};

}  // namespace fw
