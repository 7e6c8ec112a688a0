#include "framework/qt/ContextMenuKey.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace fw::qt {

namespace {

// Where the keyboard opens a widget's context menu, as Qt works it out for
// the Menu key: the middle of its caret.
QPoint CaretMenuPoint(const QWidget* widget) {
  return widget->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
}

class ShiftF10 : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F10 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::ShiftModifier)
      return QObject::eventFilter(watched, event);
    // The event the Menu key makes.
    auto* widget = static_cast<QWidget*>(watched);
    const QPoint at = CaretMenuPoint(widget);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &menu);
    return true;
  }
};

}  // namespace

void OpenContextMenuOnShiftF10(QWidget* widget) {
  widget->installEventFilter(new ShiftF10(widget));
}

}  // namespace fw::qt
