#include "framework/qt/QtBackend.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>

#include "framework/qt/QtControlViews.h"
#include "framework/qt/QtWindowView.h"

namespace fw::qt {

namespace {

// The program's colours, the light ones it was designed with, for each role:
// enabled (active and inactive windows alike), and disabled. The shades are
// the window colour's, made as Qt makes them.
QPalette DesignedPalette() {
  const QColor window(0xef, 0xef, 0xef), grey(0xbe, 0xbe, 0xbe);
  const QColor mid = window.darker(130), dark = window.darker(150), shadow = dark.darker(135);
  const QColor alternate(0xf7, 0xf7, 0xf7), tip(0xff, 0xff, 0xdc), placeholder(0, 0, 0, 0x80);
  const struct {
    QPalette::ColorRole role;
    QColor enabled, disabled;
  } roles[] = {
      {QPalette::WindowText, Qt::black, grey},
      {QPalette::Button, window, window},
      {QPalette::Light, Qt::white, Qt::white},
      {QPalette::Midlight, mid.lighter(110), mid.lighter(110)},
      {QPalette::Dark, dark, grey},
      {QPalette::Mid, mid, mid},
      {QPalette::Text, Qt::black, grey},
      {QPalette::BrightText, Qt::white, Qt::white},
      {QPalette::ButtonText, Qt::black, grey},
      {QPalette::Base, Qt::white, window},
      {QPalette::Window, window, window},
      {QPalette::Shadow, shadow, shadow.lighter(150)},
      {QPalette::Highlight, QColor(0x30, 0x8c, 0xc6), QColor(0x91, 0x91, 0x91)},
      {QPalette::HighlightedText, Qt::white, Qt::white},
      {QPalette::Link, Qt::blue, Qt::blue},
      {QPalette::LinkVisited, Qt::magenta, Qt::magenta},
      {QPalette::AlternateBase, alternate, alternate},
      {QPalette::ToolTipBase, tip, tip},
      {QPalette::ToolTipText, Qt::black, Qt::black},
      {QPalette::PlaceholderText, placeholder, placeholder},
  };
  QPalette palette(Qt::black, window);
  for (const auto& r : roles) {
    for (auto group : {QPalette::Active, QPalette::Inactive})
      palette.setColor(group, r.role, r.enabled);
    palette.setColor(QPalette::Disabled, r.role, r.disabled);
  }
  return palette;
}

// Fusion in the designed colours on every desktop. Qt passes each palette
// the desktop gives, at start-up and again on every change of the desktop's
// theme, through the style's polish before any widget sees it; Fusion's own
// standard palette follows the desktop's. Setting the designed palette as the
// application's instead would mark its roles as the application's own, and
// Qt then makes every widget's palette a copy of its own, whose drawings fill
// the pixmap cache window after window (see MirrorColours).
class DesignedLook : public QProxyStyle {
 public:
  DesignedLook() : QProxyStyle(QStyleFactory::create("Fusion")) {}

  QPalette standardPalette() const override { return DesignedPalette(); }

  using QProxyStyle::polish;
  void polish(QPalette& palette) override {
    const QPalette::ResolveMask own = palette.resolveMask();
    palette = DesignedPalette();
    palette.setResolveMask(own);
  }
};

}  // namespace

QtBackend::QtBackend() {
  // One look on every desktop, and the text unit at one pixel per point, so
  // that the designed sizes fit the designed control heights. The colours
  // too: a dark desktop's would darken the window and the list box under
  // labels that keep their designed black text, and, changed while the
  // program runs, would reach every field whose designed colours are the
  // inherited ones.
  QApplication::setStyle(new DesignedLook);
  // The application's palette is the one the style makes of the desktop's:
  // one set before the program started goes.
  QApplication::setPalette(QPalette());
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
