#pragma once
// Shift+F10 opens a text control's context menu, as the Menu key does: the
// desktops' other key for it, and the only one on keyboards without a Menu
// key.
#include <QPoint>

class QWidget;

namespace fw::qt {

// Where the keyboard (the Menu key, Shift+F10) opens a widget's context
// menu: the middle of its caret.
QPoint CaretMenuPoint(const QWidget* widget);

// From now on Shift+F10 in the widget opens its context menu at the caret.
void OpenContextMenuOnShiftF10(QWidget* widget);

}  // namespace fw::qt
