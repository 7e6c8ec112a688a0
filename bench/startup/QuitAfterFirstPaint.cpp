// Linked into a program beside its own main: once the first widget of a
// window has been painted, the event loop is asked to end, so a whole
// process from exec to first paint and back out can be timed without giving
// the program an option. Qt calls the hook when the application object is
// made, before the program's own start-up runs.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class QuitAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!posted_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
      posted_ = true;
      // The rest of this paint, and of the window's, finishes first. exit,
      // not quit: quit asks the windows to close, and the main window has no
      // close box and refuses.
      QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    }
    return false;
  }

 private:
  bool posted_ = false;
};

void InstallQuitAfterFirstPaint() {
  QCoreApplication* application = QCoreApplication::instance();
  application->installEventFilter(new QuitAfterFirstPaint(application));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallQuitAfterFirstPaint)
