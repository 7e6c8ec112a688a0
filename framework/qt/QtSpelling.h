#pragma once
// Spell checking in the Qt text views: the marks under words the checker does
// not know, and the corrections at the top of such a word's context menu.
#include <QPointer>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>

class QMenu;
class QPlainTextEdit;

namespace fw::qt {

// Marks unknown words with the desktop's spell-check underline. The marks are
// formats of the layout only: the text and its undo history stay as they are.
// After an edit Qt hands over only the paragraphs it touched. The word the
// user is typing is left unmarked until the caret leaves it, as half a word
// is no misspelling.
class SpellingHighlighter : public QSyntaxHighlighter {
 public:
  // Marks the text area's words at once.
  explicit SpellingHighlighter(QPlainTextEdit* edit);
  ~SpellingHighlighter() override;
  // Takes the marks away and leaves the document.
  void Detach();
  // A word became known: every checked text is marked again.
  static void MarkAllAgain();
  // True while marks are put on or taken off other than by an edit of the
  // text; Qt tells the text's views of that as of a change of the text.
  static bool Remarking();
  // The unknown word under a point of the text area's viewport, selected; a
  // null cursor where the point is on no such word (beside a line's end,
  // below the last line).
  QTextCursor UnknownWordAt(const QPoint& at) const;
  // The unknown word at the caret, or ending there, selected; a null cursor
  // where there is none.
  QTextCursor UnknownWordAtCaret() const;

 protected:
  void highlightBlock(const QString& text) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Remark(QTextDocument* document);
  // The caret has left the word being typed: it is checked now.
  void LeaveTypedWord();
  QTextCursor UnknownWordAt(const QTextBlock& block, int offset, bool touching) const;

  QPointer<QPlainTextEdit> edit_;
  // A key that types (a character, Backspace, Delete) is being handled.
  bool keyTyping_ = false;
  // Where the caret was after the last edit by typing, while it has not left
  // the word there; null otherwise.
  QTextCursor typedAt_;
};

// Puts the corrections for an unknown word above the menu's entries: the
// checker's suggestions (each handed to replace), "Ignore" and "Add to
// Dictionary" (for a word no dictionary could hold, neither), then a
// separator.
void AddCorrections(QMenu& menu, const QString& word,
                    const std::function<void(const QString&)>& replace);

}  // namespace fw::qt
