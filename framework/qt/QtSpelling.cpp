#include "framework/qt/QtSpelling.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <optional>
#include <vector>

#include "framework/Runtime.h"
#include "framework/Services.h"
#include "framework/SpellChecker.h"
#include "framework/SystemReason.h"

namespace fw::qt {

namespace {

std::vector<SpellingHighlighter*>& Highlighters() {
  static std::vector<SpellingHighlighter*> all;
  return all;
}

std::vector<WordSpan> WordsOf(const QString& text) {
  return SplitWords(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                        static_cast<size_t>(text.size())));
}

bool Known(const QString& text, const WordSpan& word) {
  return TheServices().Spelling().IsKnown(
      text.mid(static_cast<qsizetype>(word.start), static_cast<qsizetype>(word.length))
          .toStdString());
}

// The word of a paragraph at an offset: the one whose character it is on,
// or where touching, also one it ends (the caret's place after typing).
std::optional<WordSpan> WordAt(const QString& text, int offset, bool touching) {
  if (offset < 0) return std::nullopt;
  const auto at = static_cast<size_t>(offset);
  for (const WordSpan& word : WordsOf(text)) {
    const size_t end = word.start + word.length;
    if (at >= word.start && (at < end || (touching && at == end))) return word;
  }
  return std::nullopt;
}

bool TypingKey(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) return true;
  return !key.text().isEmpty() && key.text().at(0).isPrint();
}

int remarking = 0;

}  // namespace

SpellingHighlighter::SpellingHighlighter(QPlainTextEdit* edit)
    : QSyntaxHighlighter(static_cast<QObject*>(edit->document())), edit_(edit) {
  Remark(edit->document());
  Highlighters().push_back(this);
  edit->installEventFilter(this);
  edit->viewport()->installEventFilter(this);
  connect(edit, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    if (typedAt_.isNull() || !edit_) return;
    const QTextBlock block = typedAt_.block();
    const std::optional<WordSpan> word = WordAt(block.text(), typedAt_.positionInBlock(), true);
    if (!word) {
      typedAt_ = QTextCursor();  // nothing was left unmarked
      return;
    }
    const QTextCursor caret = edit_->textCursor();
    const int offset = caret.position() - block.position();
    if (caret.block() != block || offset < static_cast<int>(word->start) ||
        offset > static_cast<int>(word->start + word->length))
      LeaveTypedWord();
  });
  // Runs after the highlighter's own handling of the change: an edit that no
  // typing key made (a paste, an undo, the program's) ends the typing.
  connect(edit->document(), &QTextDocument::contentsChange, this, [this] {
    if (!Remarking() && !keyTyping_) LeaveTypedWord();
  });
}

SpellingHighlighter::~SpellingHighlighter() {
  auto& all = Highlighters();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void SpellingHighlighter::Detach() {
  typedAt_ = QTextCursor();
  Remark(nullptr);
}

bool SpellingHighlighter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      keyTyping_ = TypingKey(*static_cast<QKeyEvent*>(event));
      break;
    case QEvent::InputMethod: {
      const auto* input = static_cast<QInputMethodEvent*>(event);
      keyTyping_ = !input->commitString().isEmpty() || input->replacementLength() > 0;
      break;
    }
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
      keyTyping_ = false;
      break;
    case QEvent::FocusOut:
      // Leaving the text area ends the word, but not opening its menu.
      keyTyping_ = false;
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) LeaveTypedWord();
      break;
    default:
      break;
  }
  return QSyntaxHighlighter::eventFilter(watched, event);
}

void SpellingHighlighter::LeaveTypedWord() {
  if (typedAt_.isNull()) return;
  const QTextBlock block = typedAt_.block();
  typedAt_ = QTextCursor();
  ++remarking;
  rehighlightBlock(block);
  --remarking;
}

// With a document: marks it all now (Qt would wait for its event loop);
// without: clears the marks of the one it had.
void SpellingHighlighter::Remark(QTextDocument* document) {
  ++remarking;
  if (document != this->document()) setDocument(document);
  if (document) rehighlight();
  --remarking;
}

void SpellingHighlighter::MarkAllAgain() {
  for (SpellingHighlighter* highlighter : Highlighters())
    highlighter->Remark(highlighter->document());
}

bool SpellingHighlighter::Remarking() { return remarking > 0; }

void SpellingHighlighter::highlightBlock(const QString& text) {
  SpellChecker& checker = TheServices().Spelling();
  if (!checker.HasDictionary()) return;
  // An edit by a typing key: the word at the caret is being typed.
  if (keyTyping_ && !Remarking() && edit_ && edit_->textCursor().block() == currentBlock()) {
    typedAt_ = QTextCursor(currentBlock());
    typedAt_.setPosition(edit_->textCursor().position());
  }
  const std::optional<WordSpan> typed = !typedAt_.isNull() && typedAt_.block() == currentBlock()
                                            ? WordAt(text, typedAt_.positionInBlock(), true)
                                            : std::nullopt;
  QTextCharFormat mark;
  mark.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  mark.setUnderlineColor(Qt::red);
  for (const WordSpan& word : WordsOf(text))
    if (word != typed && !Known(text, word))
      setFormat(static_cast<int>(word.start), static_cast<int>(word.length), mark);
}

QTextCursor SpellingHighlighter::UnknownWordAtCaret() const {
  if (!edit_) return {};
  const QTextCursor caret = edit_->textCursor();
  return UnknownWordAt(caret.block(), caret.positionInBlock(), true);
}

QTextCursor SpellingHighlighter::UnknownWordAt(const QPoint& at) const {
  if (!edit_) return {};
  // The point in the coordinates of its paragraph's layout, from where the
  // nearest position shows; then the character under it, if any: the nearest
  // position may lie far to its left, or above.
  const QTextCursor nearest = edit_->cursorForPosition(at);
  const QTextBlock block = nearest.block();
  const QTextLayout* layout = block.layout();
  const QTextLine nearestLine =
      layout ? layout->lineForTextPosition(nearest.positionInBlock()) : QTextLine();
  if (!nearestLine.isValid()) return {};
  const QRect shown = edit_->cursorRect(nearest);
  const QPointF point =
      QPointF(at) - QPointF(shown.left() - nearestLine.cursorToX(nearest.positionInBlock()),
                            shown.top() - nearestLine.y());
  for (int i = 0; i < layout->lineCount(); ++i) {
    const QTextLine line = layout->lineAt(i);
    if (line.naturalTextRect().contains(point))
      return UnknownWordAt(block, line.xToCursor(point.x(), QTextLine::CursorOnCharacter), false);
  }
  return {};
}

QTextCursor SpellingHighlighter::UnknownWordAt(const QTextBlock& block, int offset,
                                               bool touching) const {
  const QString text = block.text();
  const std::optional<WordSpan> word = WordAt(text, offset, touching);
  if (!word || Known(text, *word)) return {};
  QTextCursor cursor(block);
  cursor.setPosition(block.position() + static_cast<int>(word->start));
  cursor.setPosition(block.position() + static_cast<int>(word->start + word->length),
                     QTextCursor::KeepAnchor);
  return cursor;
}

void AddCorrections(QMenu& menu, const QString& word,
                    const std::function<void(const QString&)>& replace) {
  const std::string utf8 = word.toStdString();
  QList<QAction*> entries;
  auto add = [&](const QString& text, std::function<void()> act) {
    auto* action = new QAction(text, &menu);
    if (act)
      QObject::connect(action, &QAction::triggered, &menu, std::move(act));
    else
      action->setEnabled(false);
    entries.push_back(action);
  };
  for (const std::string& suggestion : TheServices().Spelling().Suggestions(utf8)) {
    const QString replacement = QString::fromStdString(suggestion);
    add(replacement, [replace, replacement] { replace(replacement); });
  }
  if (entries.isEmpty()) add("(no suggestions)", {});
  if (SpellChecker::CanLearn(utf8)) {
    add("Ignore", [utf8] {
      TheServices().Spelling().Ignore(utf8);
      SpellingHighlighter::MarkAllAgain();
    });
    add("Add to Dictionary", [utf8] {
      const std::optional<WordListFailure> failure = TheServices().Spelling().AddToDictionary(utf8);
      SpellingHighlighter::MarkAllAgain();
      if (failure)
        MsgBox("\"" + utf8 + "\" could not be added to your word list \"" + failure->list +
               "\": " + ReasonInSentence(failure->reason) + ". It is known until " +
               QApplication::applicationName().toStdString() + " quits.");
    });
  }
  auto* separator = new QAction(&menu);
  separator->setSeparator(true);
  entries.push_back(separator);
  menu.insertActions(menu.actions().value(0), entries);
}

}  // namespace fw::qt
