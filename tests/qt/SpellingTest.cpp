// Spell checking in a text area on real widgets, with the real English
// dictionary: marks as the user types, corrections in the context menu, and
// marks that are formats only.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>
#include <functional>
#include <set>

#include "framework/Record.h"
#include "framework/SpellChecker.h"
#include "framework/TextEdit.h"
#include "framework/Window.h"
#include "framework/qt/QtControlViews.h"
#include "tests/support/QtFixture.h"

namespace {

using testing_support::QtTest;

std::vector<QString> Marked(QPlainTextEdit* edit) { return testing_support::MarkedWords(*edit); }

class AreasWindow : public fw::Window {
 public:
  std::shared_ptr<fw::TextArea> checked = std::make_shared<fw::TextArea>();
  std::shared_ptr<fw::TextArea> other = std::make_shared<fw::TextArea>();
  std::shared_ptr<fw::TextField> field = std::make_shared<fw::TextField>();

  void Layout() override {
    fw::SetProperties(*this, fw::RecordBuilder().Int32("Width", 500).Int32("Height", 320).Bytes());
  }
  void CreateControls() override {
    AddControl(field, "Field");
    fw::SetProperties(*field, fw::RecordBuilder().Int32("Left", 10).Int32("Top", 290).Bytes());
    for (auto [area, name, top] : {std::tuple{checked, "Checked", 10}, {other, "Other", 150}}) {
      AddControl(area, name);
      fw::SetProperties(*area, fw::RecordBuilder()
                                   .Int32("Left", 10)
                                   .Int32("Top", top)
                                   .Int32("Width", 480)
                                   .Int32("Height", 130)
                                   .Boolean("AutomaticallyCheckSpelling", true)
                                   .Bytes());
    }
  }
};

QPlainTextEdit* EditOf(const fw::Control& control) {
  return qobject_cast<QPlainTextEdit*>(fw::qt::WidgetOf(control));
}

QMenu* OpenMenu(QWidget* widget) {
  for (QMenu* menu : widget->findChildren<QMenu*>())
    if (menu->isVisible()) return menu;
  return nullptr;
}

// Right-clicks a point of the text area; returns the menu that opens.
QMenu* ContextMenuAt(QPlainTextEdit* edit, const QPoint& at) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, edit->viewport()->mapToGlobal(at));
  QCoreApplication::sendEvent(edit->viewport(), &event);
  return OpenMenu(edit);
}

QRect ShownAt(QPlainTextEdit* edit, int position) {
  QTextCursor cursor(edit->document());
  cursor.setPosition(position);
  return edit->cursorRect(cursor);
}

// Right-clicks the first occurrence of a word.
QMenu* ContextMenuOn(QPlainTextEdit* edit, const QString& word) {
  const int at = static_cast<int>(edit->toPlainText().indexOf(word)) + 1;
  return ContextMenuAt(edit, ShownAt(edit, at).center());
}

QStringList Entries(QMenu* menu) {
  QStringList entries;
  for (QAction* action : menu->actions()) entries << (action->isSeparator() ? "-" : action->text());
  return entries;
}

void Choose(QMenu* menu, const QString& entry) {
  for (QAction* action : menu->actions())
    if (action->text() == entry) action->trigger();
  menu->close();
}

class Spelling : public QtTest {
 protected:
  void SetUp() override {
    QtTest::SetUp();
    window = fw::Window::Create<AreasWindow>();
    edit = EditOf(*window->checked);
  }
  std::shared_ptr<AreasWindow> window;
  QPlainTextEdit* edit = nullptr;
};

// The word being typed is marked only once the caret leaves it, by a space
// or an arrow key; a marked word the caret passes over keeps its mark.
TEST_F(Spelling, TypedWordsAreMarkedOnceLeftUntilFixedAndThePropertySwitchesTheMarks) {
  QTest::keyClicks(edit, "the teh recieve");
  EXPECT_EQ(Marked(edit), (std::vector<QString>{"teh"}));
  QTest::keyClick(edit, Qt::Key_Space);
  EXPECT_EQ(Marked(edit), (std::vector<QString>{"teh", "recieve"}));
  for (int i = 0; i < 6; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, "ceive wrod");
  QTest::keyClick(edit, Qt::Key_Home);
  for (int i = 0; i < 6; ++i) QTest::keyClick(edit, Qt::Key_Right);
  EXPECT_EQ(Marked(edit), (std::vector<QString>{"teh", "wrod"}));

  window->checked->SetAutomaticallyCheckSpelling(false);
  EXPECT_TRUE(Marked(edit).empty());
  window->checked->SetAutomaticallyCheckSpelling(true);
  EXPECT_EQ(Marked(edit), (std::vector<QString>{"teh", "wrod"}));
  EXPECT_EQ(window->checked->Text(), "the teh receive wrod");
}

// Marking, unmarking and marking again, here or from another text area,
// change neither the text (to the byte: were a new layout taken for the
// user's edit, a CR LF would become a CR) nor the undo history.
TEST_F(Spelling, MarksAreFormatsOnly) {
  QTest::keyClicks(edit, "teh wrod");
  const int steps = edit->document()->availableUndoSteps();
  window->other->SetText("teh\r\nwrod");
  QPlainTextEdit* other = EditOf(*window->other);
  for (bool on : {false, true, false, true}) {
    window->other->SetAutomaticallyCheckSpelling(on);
    EXPECT_EQ(Marked(other).size(), on ? 2u : 0u);
  }
  Choose(ContextMenuOn(edit, "teh"), "Ignore");
  QTest::qWait(1);
  EXPECT_EQ(Marked(other), (std::vector<QString>{"wrod"}));
  EXPECT_EQ(window->other->Text(), "teh\r\nwrod");
  EXPECT_EQ(window->checked->Text(), "teh wrod");
  EXPECT_EQ(edit->document()->availableUndoSteps(), steps);
  EXPECT_EQ(other->document()->availableUndoSteps(), 0);
}

TEST_F(Spelling, ASuggestionReplacesTheWordAsOneUndoStep) {
  window->checked->SetText("We recieve it");
  QMenu* menu = ContextMenuOn(edit, "recieve");
  ASSERT_NE(menu, nullptr);
  const QStringList entries = Entries(menu);
  EXPECT_EQ(entries.front(), "receive");
  const auto ignore = entries.indexOf("Ignore");
  ASSERT_GT(ignore, 0);
  EXPECT_LE(ignore, 8);
  EXPECT_EQ(entries.mid(ignore, 3), (QStringList{"Ignore", "Add to Dictionary", "-"}));
  EXPECT_GT(entries.size(), ignore + 3);  // the usual edit entries follow
  Choose(menu, "receive");
  EXPECT_EQ(window->checked->Text(), "We receive it");
  EXPECT_TRUE(Marked(edit).empty());
  edit->undo();
  EXPECT_EQ(window->checked->Text(), "We recieve it");
  EXPECT_EQ(Marked(edit), (std::vector<QString>{"recieve"}));
}

TEST_F(Spelling, AKnownWordOrNoDictionaryGivesTheUsualMenu) {
  window->checked->SetText("the teh");
  QMenu* usual = edit->createStandardContextMenu();
  const QStringList expected = Entries(usual);
  delete usual;
  QMenu* menu = ContextMenuOn(edit, "the");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Entries(menu), expected);
  menu->close();

  fw::NoSpellChecker none;
  services.spelling = &none;
  window->checked->SetAutomaticallyCheckSpelling(false);
  window->checked->SetAutomaticallyCheckSpelling(true);
  EXPECT_TRUE(Marked(edit).empty());
  menu = ContextMenuOn(edit, "teh");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Entries(menu), expected);
  menu->close();
}

// Corrections are offered only where the click is on the word itself, and
// by the keyboard where the caret is at it; Shift+F10 opens the same menu as
// the Menu key, in a text field too.
TEST_F(Spelling, CorrectionsOnTheWordAndShiftF10OpensTheMenu) {
  window->checked->SetText("We recieve");
  QMenu* usual = edit->createStandardContextMenu();
  const QStringList expected = Entries(usual);
  delete usual;
  const QRect end = ShownAt(edit, 10), inside = ShownAt(edit, 6);
  for (const QPoint& away : {end.center() + QPoint(60, 0), inside.center() + QPoint(0, 60)}) {
    QMenu* menu = ContextMenuAt(edit, away);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu), expected) << away.x() << "," << away.y();
    menu->close();
  }
  edit->moveCursor(QTextCursor::End);
  QTest::keyClick(edit, Qt::Key_F10, Qt::ShiftModifier);
  QMenu* menu = OpenMenu(edit);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Entries(menu).front(), "receive");
  menu->close();

  auto* line = qobject_cast<QLineEdit*>(fw::qt::WidgetOf(*window->field));
  QTest::keyClick(line, Qt::Key_F10, Qt::ShiftModifier);
  menu = OpenMenu(line);
  ASSERT_NE(menu, nullptr);
  menu->close();
}

// The keyboard's menu is known by its event's reason: the Menu key (from the
// window system, through the window) and Shift+F10 open it at the caret,
// with the corrections for the caret's word; a right-click at the caret's
// own point is the mouse's, for the word under the pointer. A zero-width
// space puts the caret at the start of "wrod" on the last letter before it.
TEST_F(Spelling, TheKeyboardsMenuOpensAtTheCaretAndAClickThereIsForTheWordUnderIt) {
  window->checked->SetText("We recieve\u200Bwrod");
  QTextCursor caret(edit->document());
  caret.setPosition(11);
  edit->setTextCursor(caret);
  QMenu* menu = ContextMenuAt(edit, edit->cursorRect().center());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Entries(menu).front(), "receive");
  menu->close();
  const std::function<void()> keys[] = {
      [&] {
        QContextMenuEvent key(QContextMenuEvent::Keyboard, {}, {});
        QCoreApplication::sendEvent(edit->window()->windowHandle(), &key);
      },
      [&] { QTest::keyClick(edit, Qt::Key_F10, Qt::ShiftModifier); }};
  for (const auto& key : keys) {
    ASSERT_TRUE(testing_support::Activate(*window));
    edit->setFocus();
    key();
    menu = OpenMenu(edit);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu).front(), "word");
    const QPoint shown = edit->viewport()->mapToGlobal(edit->cursorRect().center());
    EXPECT_LE((menu->pos() - shown).manhattanLength(), 2);
    menu->close();
  }
}

// A word longer than any dictionary holds is checked and marked, but offers
// neither "Ignore" nor "Add to Dictionary": the engine fails on both.
TEST_F(Spelling, AWordNoDictionaryCouldHoldIsNeitherIgnoredNorAdded) {
  window->checked->SetText("We " + std::string(1100, 'q'));
  EXPECT_EQ(Marked(edit).size(), 1u);
  QMenu* menu = ContextMenuOn(edit, "qqq");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Entries(menu).mid(0, 2), (QStringList{"(no suggestions)", "-"}));
  menu->close();
}

// "Ignore" and "Add to Dictionary" unmark the word in every text area (what
// each keeps for later runs is the checker's).
TEST_F(Spelling, IgnoreAndAddUnmarkTheWordEverywhere) {
  window->checked->SetText("zorbly frobnicatey");
  window->other->SetText("zorbly frobnicatey");
  QPlainTextEdit* other = EditOf(*window->other);
  EXPECT_EQ(Marked(other), (std::vector<QString>{"zorbly", "frobnicatey"}));
  Choose(ContextMenuOn(edit, "zorbly"), "Ignore");
  EXPECT_EQ(Marked(other), (std::vector<QString>{"frobnicatey"}));
  Choose(ContextMenuOn(edit, "frobnicatey"), "Add to Dictionary");
  EXPECT_TRUE(Marked(other).empty());
}

// Knows only the words added in this run: it has no room to keep any.
class FullDiskChecker : public fw::SpellChecker {
 public:
  bool HasDictionary() override { return true; }

 protected:
  bool Check(std::string_view word) override { return added.contains(std::string(word)); }
  std::vector<std::string> Suggest(std::string_view) override { return {}; }
  void AddToSession(std::string_view word) override { added.emplace(word); }
  std::optional<fw::WordListFailure> AddToPersonalList(std::string_view) override {
    return fw::WordListFailure{"/home/u/.config/enchant/en_US.dic", "No space left on device"};
  }
  std::set<std::string> added;
};

TEST_F(Spelling, AnAddedWordThatCannotBeKeptIsUnmarkedAndTheUserIsTold) {
  FullDiskChecker full;
  services.spelling = &full;
  window->checked->SetText("zorbly");
  Choose(ContextMenuOn(edit, "zorbly"), "Add to Dictionary");
  EXPECT_TRUE(Marked(edit).empty());
  EXPECT_EQ(
      services.messages,
      std::vector<std::string>{
          "\"zorbly\" could not be added to your word list "
          "\"/home/u/.config/enchant/en_US.dic\": no space left on device. It is known until " +
          QApplication::applicationName().toStdString() + " quits."});
}

// Counts the words it is asked about and knows them all.
class CountingChecker : public fw::SpellChecker {
 public:
  int checks = 0, suggestions = 0;
  bool HasDictionary() override { return true; }

 protected:
  bool Check(std::string_view) override { return ++checks, true; }
  std::vector<std::string> Suggest(std::string_view) override {
    ++suggestions;
    return {};
  }
  void AddToSession(std::string_view) override {}
  std::optional<fw::WordListFailure> AddToPersonalList(std::string_view) override {
    return std::nullopt;
  }
};

TEST_F(Spelling, AnEditChecksOnlyItsParagraph) {
  CountingChecker counting;
  services.spelling = &counting;
  std::string text;
  for (int i = 0; i < 200; ++i) text += "one two three\r";
  window->checked->SetText(text + "four five");
  EXPECT_EQ(counting.checks, 200 * 3 + 2);
  counting.checks = 0;
  edit->moveCursor(QTextCursor::End);
  QTest::keyClicks(edit, " six");
  // Key by key "four five"; "s", "si" and "six" wait while they are typed.
  EXPECT_EQ(counting.checks, 2 + 2 + 2 + 2);
  // Checking turned on goes over the text once, not again from the event loop.
  counting.checks = 0;
  window->checked->SetAutomaticallyCheckSpelling(false);
  window->checked->SetAutomaticallyCheckSpelling(true);
  QTest::qWait(5);
  EXPECT_EQ(counting.checks, 200 * 3 + 3);
  EXPECT_EQ(counting.suggestions, 0);  // those wait for a right-click
}

}  // namespace
