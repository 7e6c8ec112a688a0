#include "framework/qt/QtTextAreaWidget.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <utility>

#include "framework/qt/PastedHtml.h"

namespace fw::qt {

namespace {

// Styled text from elsewhere, read without the files it names (style sheets,
// images): what is pasted brings only itself, and a name that is a named pipe
// or a slow mount cannot stall the program.
class PastedDocument : public QTextDocument {
 protected:
  QVariant loadResource(int, const QUrl&) override { return {}; }
};

// Qt lays a paragraph out whole again after an edit, in a time that grows
// with the square of its runs of one style: 16 000 take 0.4 s, 32 000 1.9 s.
constexpr int kMostRunsInAParagraph = 4000;

// Whether the document holds more than white space and images; as soon as
// its first paragraph with text is found.
bool HasText(const QTextDocument& read) {
  for (QTextBlock block = read.begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    if (std::any_of(text.begin(), text.end(),
                    [](QChar c) { return !c.isSpace() && c != QChar::ObjectReplacementCharacter; }))
      return true;
  }
  return false;
}

bool FewRunsInEachParagraph(const QTextDocument& pasted) {
  for (QTextBlock block = pasted.begin(); block.isValid(); block = block.next()) {
    int runs = 0;
    for (auto piece = block.begin(); !piece.atEnd(); ++piece)
      if (++runs > kMostRunsInAParagraph) return false;
  }
  return true;
}

// What a text area lays out of styled text: its characters with their fonts,
// sizes, colours and emphasis, a paragraph for each paragraph. Tables, lists
// and images have no place in it; the area's paragraphs keep their own
// format. One step to undo.
void InsertStyled(QTextCursor cursor, const QTextDocument& pasted) {
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  for (QTextBlock block = pasted.begin(); block.isValid(); block = block.next()) {
    if (block != pasted.begin()) cursor.insertBlock();
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      const QTextFragment fragment = piece.fragment();
      if (!fragment.isValid() || fragment.charFormat().isImageFormat()) continue;
      QString text = fragment.text();
      text.remove(QChar::ObjectReplacementCharacter);
      cursor.insertText(text, fragment.charFormat());
    }
  }
  cursor.endEditBlock();
}

}  // namespace

void TextAreaWidget::SetFocusRing(bool on) {
  if (std::exchange(focusRing_, on) != on) update();
}

void TextAreaWidget::SetHideSelection(bool on) {
  hideSelection_ = on;
  if (!on && hidden_) ShowCursor(*std::exchange(hidden_, std::nullopt));
}

void TextAreaWidget::SetStyled(bool on) { styled_ = on; }

bool TextAreaWidget::canInsertFromMimeData(const QMimeData* source) const {
  return source && (source->hasText() || source->hasHtml());
}

void TextAreaWidget::insertFromMimeData(const QMimeData* source) {
  if (!source || !(textInteractionFlags() & Qt::TextEditable)) return;
  // Qt's HTML reader serves for the styles, or where the HTML is all there
  // is (some programs copy styled text alone). It reads the HTML only as the
  // program wrote it anew, and only where that is read in a moment. Where it
  // finds no text, or its text would be slow to lay out, the plain text
  // serves.
  QString plain = source->text();
  if (source->hasHtml() && (styled_ || plain.isEmpty())) {
    const QString html = source->html();
    const WrittenHtml written = WrittenForQt(html);
    PastedDocument pasted;
    if (!written.html.isNull()) pasted.setHtml(written.html);
    if (!HasText(pasted)) {
      if (plain.isEmpty()) plain = TextOfHtml(html);
    } else if (styled_ && FewRunsInEachParagraph(pasted)) {
      InsertStyled(textCursor(), pasted);
      ensureCursorVisible();
      return;
    } else if (plain.isEmpty()) {
      plain = pasted.toPlainText();
    }
  }
  if (plain.isEmpty()) return;
  insertPlainText(plain);
  ensureCursorVisible();
}

bool TextAreaWidget::event(QEvent* event) {
  // Every widget of a window hears of the window's activation, whichever of
  // them has the focus; the focus moving inside an active window keeps the
  // selection on show. The selection is put away rather than drawn in
  // inactive colours: those would take a palette of the area's own (see
  // MirrorColours).
  if (event->type() == QEvent::WindowDeactivate && hideSelection_ && !hidden_ &&
      textCursor().hasSelection()) {
    hidden_ = textCursor();
    QTextCursor bare = *hidden_;
    bare.clearSelection();
    ShowCursor(bare);
  } else if (event->type() == QEvent::WindowActivate && hidden_) {
    // A click that activated the window may have placed the cursor already.
    const QTextCursor selection = *std::exchange(hidden_, std::nullopt);
    if (!textCursor().hasSelection() && textCursor().position() == selection.position())
      ShowCursor(selection);
  }
  const bool handled = QPlainTextEdit::event(event);
  // The border belongs to this widget, the text inside it to the viewport:
  // the ring goes over the border once the border is drawn.
  if (event->type() == QEvent::Paint && focusRing_ && hasFocus()) PaintFocusRing();
  return handled;
}

void TextAreaWidget::contextMenuEvent(QContextMenuEvent* event) {
  // Known by the event's reason, not by its point: a click may land on the
  // caret's own point. A key's event comes to this widget and a click's to
  // the viewport, each with a point of its own receiver; the point handed on
  // is the viewport's, from the caret or from the pointer's place on screen.
  const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
  Q_EMIT ContextMenuRequested(
      keyboard ? cursorRect().center() : viewport()->mapFromGlobal(event->globalPos()), keyboard);
  event->accept();
}

void TextAreaWidget::PaintFocusRing() {
  QStyleOptionFrame option;
  option.initFrom(this);
  option.lineWidth = frameWidth();
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  QPainter painter(this);
  // The plain border's square corners do not show past the ring's round ones.
  painter.fillRect(rect(), palette().window());
  style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
}

void TextAreaWidget::ShowCursor(const QTextCursor& cursor) {
  QSignalBlocker block(this);
  const int across = horizontalScrollBar()->value();
  const int down = verticalScrollBar()->value();
  setTextCursor(cursor);
  horizontalScrollBar()->setValue(across);
  verticalScrollBar()->setValue(down);
}

}  // namespace fw::qt
