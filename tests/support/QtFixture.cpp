#include "tests/support/QtFixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSpontaneKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <cstdlib>

#include "app/MenuBar1.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/qt/QtWindowView.h"

namespace testing_support {

QWidget* TopLevelOf(const fw::Window& window) {
  auto* view = dynamic_cast<fw::qt::QtWindowView*>(window.View());
  return view ? view->TopLevel() : nullptr;
}

bool Activate(const fw::Window& window) {
  TopLevelOf(window)->activateWindow();
  return QTest::qWaitForWindowActive(TopLevelOf(window));
}

void TurnWheel(QWidget* widget, int steps, Qt::Orientation wheel) {
  const QPointF at = QRectF(widget->rect()).center();
  const int notch = steps > 0 ? -120 : 120;
  const QPoint angle = wheel == Qt::Vertical ? QPoint(0, notch) : QPoint(notch, 0);
  for (int i = 0; i < std::abs(steps); ++i) {
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    // As from the window system (sendEvent would make it Qt's own): Qt
    // passes only such a wheel on to the parents of a widget that ignores it.
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(widget, &event);
  }
}

void QtTest::SetUp() {
  backend = std::make_unique<fw::qt::QtBackend>();
  fw::RuntimeInit(backend.get());
  fw::SetServices(&services);
}

void QtTest::TearDown() {
  fw::Window::CloseAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  fw::RuntimeExit();
  ReleaseMenuBar1();
  fw::SetServices(nullptr);
  backend.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtTest::Wait(int ms) { QTest::qWait(ms); }

std::vector<QString> MarkedWords(const QPlainTextEdit& edit) {
  std::vector<QString> marked;
  for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
      if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
        marked.push_back(block.text().mid(range.start, range.length));
  return marked;
}

}  // namespace testing_support
