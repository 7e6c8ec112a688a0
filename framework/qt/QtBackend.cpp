#include "framework/qt/QtBackend.h"

#include <QApplication>
#include <QStyleFactory>

#include "framework/qt/QtControlViews.h"
#include "framework/qt/QtWindowView.h"

namespace fw::qt {

QtBackend::QtBackend() {
  // One look on every desktop, and the text unit at one pixel per point, so
  // that the designed sizes fit the designed control heights.
  if (QStyle* style = QStyleFactory::create("Fusion")) QApplication::setStyle(style);
  QFont font = QApplication::font();
  font.setFamily(SystemFontFamily());
  font.setPixelSize(kDefaultTextPixels);
  QApplication::setFont(font);
  QApplication::setQuitOnLastWindowClosed(false);
}

QtBackend::~QtBackend() {
  for (auto& [id, timer] : timers_)
    if (timer) timer->deleteLater();
}

WindowView* QtBackend::CreateWindowView(Window& window) { return new QtWindowView(window); }

ControlView* QtBackend::CreateControlView(Control& control) { return MakeControlView(control); }

TimerId QtBackend::StartTimer(int32_t periodMs, std::function<void()> fire) {
  TimerId id = next_++;
  auto* timer = new QTimer(this);
  timer->setSingleShot(true);
  timer->setTimerType(Qt::PreciseTimer);
  connect(timer, &QTimer::timeout, this, [this, id, timer, fire = std::move(fire)] {
    timers_.erase(id);
    timer->deleteLater();
    fire();
  });
  timers_[id] = timer;
  timer->start(periodMs);
  return id;
}

void QtBackend::StopTimer(TimerId id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  if (it->second) {
    it->second->stop();
    it->second->deleteLater();
  }
  timers_.erase(it);
}

void QtBackend::Post(std::function<void()> work) {
  QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void QtBackend::RunLoop() { QApplication::exec(); }

// quit() would first ask every window to close, and the main window has no
// close box: end the loop itself.
void QtBackend::QuitLoop() { QCoreApplication::exit(0); }

}  // namespace fw::qt
