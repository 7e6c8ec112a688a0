#pragma once
// The widget of a text area: Qt's plain-text editor with what a text area's
// options add to it, its focus ring, its selection put away while its window
// is inactive, styled text taken from the clipboard where it is styled, and
// its context menu asked for by the mouse or by the keyboard.
#include <QPlainTextEdit>
#include <QTextCursor>
#include <optional>

namespace fw::qt {

class TextAreaWidget : public QPlainTextEdit {
  Q_OBJECT

 public:
  // Drawn round the border while the area has the focus, as a text field's.
  void SetFocusRing(bool on);
  // The selection is not shown while the window is inactive.
  void SetHideSelection(bool on);
  // Pasted and dropped text keeps its fonts, sizes and colours; without it,
  // only the plain text comes in.
  void SetStyled(bool on);

  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 Q_SIGNALS:
  // The user asks for the context menu: by the keyboard (the Menu key,
  // Shift+F10) at the caret, by the mouse at the point under the pointer;
  // the point in the viewport's coordinates, as the text's.
  void ContextMenuRequested(const QPoint& at, bool keyboard);

 protected:
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void PaintFocusRing();
  // Puts the cursor back without scrolling the text the user is looking at.
  void ShowCursor(const QTextCursor& cursor);

  bool focusRing_ = false;
  bool hideSelection_ = false;
  bool styled_ = false;
  std::optional<QTextCursor> hidden_;
};

}  // namespace fw::qt
