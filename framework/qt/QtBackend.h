#pragma once
// The Qt backend: real widgets for windows and controls, QTimer for timers,
// and Qt's event loop.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>

#include "framework/Backend.h"

namespace fw::qt {

class QtBackend : public QObject, public Backend {
 public:
  // Needs a QApplication; sets the program's look (style and font unit).
  QtBackend();
  ~QtBackend() override;

  WindowView* CreateWindowView(Window& window) override;
  ControlView* CreateControlView(Control& control) override;
  TimerId StartTimer(int32_t periodMs, std::function<void()> fire) override;
  void StopTimer(TimerId id) override;
  void Post(std::function<void()> work) override;
  void RunLoop() override;
  void QuitLoop() override;

 private:
  TimerId next_ = 1;
  std::map<TimerId, QPointer<QTimer>> timers_;
};

}  // namespace fw::qt
