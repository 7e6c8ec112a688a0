#pragma once
// Shift+F10 opens a text control's context menu, as the Menu key does: the
// desktops' other key for it, and the only one on keyboards without a Menu
// key.
class QWidget;

namespace fw::qt {

// From now on Shift+F10 in the widget opens its context menu at the caret.
void OpenContextMenuOnShiftF10(QWidget* widget);

}  // namespace fw::qt
