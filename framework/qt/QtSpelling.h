#pragma once
// Spell checking in the Qt text views: the marks under words the checker does
// not know, and the corrections at the top of such a word's context menu.
#include <QSyntaxHighlighter>
#include <QTextCursor>
#include <functional>

class QMenu;

namespace fw::qt {

// Marks unknown words with the desktop's spell-check underline. The marks are
// formats of the layout only: the text and its undo history stay as they are.
// After an edit Qt hands over only the paragraphs it touched.
class SpellingHighlighter : public QSyntaxHighlighter {
 public:
  // Marks the document's words at once.
  explicit SpellingHighlighter(QTextDocument* document);
  ~SpellingHighlighter() override;
  // Takes the marks away and leaves the document.
  void Detach();
  // A word became known: every checked text is marked again.
  static void MarkAllAgain();
  // True while marks are put on or taken off other than by an edit of the
  // text; Qt tells the text's views of that as of a change of the text.
  static bool Remarking();
  // The unknown word at a position of the document, selected; a null cursor
  // where the position is on no such word.
  QTextCursor UnknownWordAt(int position) const;

 protected:
  void highlightBlock(const QString& text) override;

 private:
  void Remark(QTextDocument* document);
};

// Puts the corrections for an unknown word above the menu's entries: the
// checker's suggestions (each handed to replace), "Ignore" and "Add to
// Dictionary" (for a word no dictionary could hold, neither), then a
// separator.
void AddCorrections(QMenu& menu, const QString& word,
                    const std::function<void(const QString&)>& replace);

}  // namespace fw::qt
