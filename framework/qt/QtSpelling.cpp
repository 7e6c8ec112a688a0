#include "framework/qt/QtSpelling.h"

#include <QAction>
#include <QMenu>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "framework/Services.h"
#include "framework/SpellChecker.h"

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

int remarking = 0;

}  // namespace

SpellingHighlighter::SpellingHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(static_cast<QObject*>(document)) {
  Remark(document);
  Highlighters().push_back(this);
}

SpellingHighlighter::~SpellingHighlighter() {
  auto& all = Highlighters();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void SpellingHighlighter::Detach() { Remark(nullptr); }

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
  QTextCharFormat mark;
  mark.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  mark.setUnderlineColor(Qt::red);
  for (const WordSpan& word : WordsOf(text))
    if (!Known(text, word))
      setFormat(static_cast<int>(word.start), static_cast<int>(word.length), mark);
}

QTextCursor SpellingHighlighter::UnknownWordAt(int position) const {
  const QTextBlock block = document()->findBlock(position);
  if (!block.isValid()) return {};
  const QString text = block.text();
  const auto offset = static_cast<size_t>(position - block.position());
  for (const WordSpan& word : WordsOf(text)) {
    if (offset < word.start || offset > word.start + word.length) continue;
    if (Known(text, word)) return {};
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + static_cast<int>(word.start));
    cursor.setPosition(block.position() + static_cast<int>(word.start + word.length),
                       QTextCursor::KeepAnchor);
    return cursor;
  }
  return {};
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
      TheServices().Spelling().AddToDictionary(utf8);
      SpellingHighlighter::MarkAllAgain();
    });
  }
  auto* separator = new QAction(&menu);
  separator->setSeparator(true);
  entries.push_back(separator);
  menu.insertActions(menu.actions().value(0), entries);
}

}  // namespace fw::qt
