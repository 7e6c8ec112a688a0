// The About box and the Instructions window on real widgets, opened from the
// main window's menu bar as the user opens them.
#include <malloc.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSyntaxHighlighter>
#include <QTest>
#include <QTextBlock>
#include <iostream>

#include "auxwindows/Window2.h"
#include "auxwindows/Window3.h"
#include "framework/qt/QtControlViews.h"
#include "framework/qt/QtWindowView.h"
#include "mainwindow/Window1.h"
#include "tests/support/QtFixture.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define AUXWINDOWS_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define AUXWINDOWS_UNDER_ASAN 1
#endif

namespace {

using testing_support::QtTest;
using testing_support::TopLevelOf;

template <class W>
W* WidgetFor(const std::shared_ptr<fw::Control>& control) {
  return qobject_cast<W*>(fw::qt::WidgetOf(*control));
}

// Chooses the item from the main window's own menu bar.
template <class W>
std::shared_ptr<W> ChooseFromMenu(Window1& main, const char* item) {
  auto* bar = dynamic_cast<fw::qt::QtWindowView*>(main.View())->MenuBarWidget();
  auto* action = bar->findChild<QAction*>(item);
  if (!action) throw std::logic_error(std::string("no menu action ") + item);
  action->trigger();
  return fw::Cast<W>(fw::Window::GetImplicitWindow(W::StaticClass()));
}

class AuxWindowsQt : public QtTest {
 protected:
  void SetUp() override {
    QtTest::SetUp();
    main = GetWindow1();
  }
  std::shared_ptr<Window1> main;
};

TEST_F(AuxWindowsQt, InstructionsShowTheParagraphsAsLines) {
  auto window = ChooseFromMenu<Window3>(*main, "instructionsinstructions");
  ASSERT_TRUE(window);
  QWidget* top = TopLevelOf(*window);
  ASSERT_TRUE(top);
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->windowTitle(), "Instructions");

  auto* area = WidgetFor<QPlainTextEdit>(window->TextArea1());
  ASSERT_TRUE(area);
  QString shown = area->toPlainText();
  EXPECT_EQ(shown, QString::fromStdString(InstructionsText()).replace('\r', '\n'));
  // Sixteen paragraphs and the six empty lines between paragraphs 4 and 10.
  EXPECT_EQ(area->document()->blockCount(), 22);
  EXPECT_EQ(area->document()->findBlockByNumber(4).text(), "");
  EXPECT_TRUE(area->document()->findBlockByNumber(0).text().startsWith(" A search"));
  EXPECT_EQ(area->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_FALSE(area->isReadOnly());
}

// The instructions are checked as they are shown and as the user types at
// their end; the main window's fields never are.
TEST_F(AuxWindowsQt, InstructionsMarkUnknownWordsAndTheMainWindowNone) {
  auto window = ChooseFromMenu<Window3>(*main, "instructionsinstructions");
  auto* area = WidgetFor<QPlainTextEdit>(window->TextArea1());
  ASSERT_TRUE(area);
  std::vector<QString> marked = testing_support::MarkedWords(*area);
  for (const char* word : {"UsernameTodaysDate", "quandrel"})
    EXPECT_NE(std::find(marked.begin(), marked.end(), word), marked.end()) << word;
  EXPECT_EQ(std::find(marked.begin(), marked.end(), "tournament"), marked.end());
  area->moveCursor(QTextCursor::End);
  QTest::keyClicks(area, " teh wrod recieve ");
  marked = testing_support::MarkedWords(*area);
  EXPECT_EQ(std::vector<QString>(marked.end() - 3, marked.end()),
            (std::vector<QString>{"teh", "wrod", "recieve"}));

  auto* field = WidgetFor<QLineEdit>(main->TextField1());
  ASSERT_TRUE(field);
  QTest::keyClicks(field, "teh");
  EXPECT_FALSE(main->TextField1()->AutomaticallyCheckSpelling());
  EXPECT_TRUE(TopLevelOf(*main)->findChildren<QSyntaxHighlighter*>().isEmpty());
}

TEST_F(AuxWindowsQt, ReturnAndEscapeDoNotPressOk) {
  auto box = ChooseFromMenu<Window2>(*main, "FileAboutQuandrel2012");
  auto window = ChooseFromMenu<Window3>(*main, "instructionsinstructions");
  ASSERT_TRUE(box && window);
  for (fw::Window* w :
       {static_cast<fw::Window*>(box.get()), static_cast<fw::Window*>(window.get())}) {
    SCOPED_TRACE(w->Class().Name());
    std::vector<QWidget*> targets{TopLevelOf(*w)};
    for (const auto& control : w->Controls()) targets.push_back(fw::qt::WidgetOf(*control));
    for (QWidget* target : targets) {
      ASSERT_TRUE(target);
      for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(target, key);
        Wait(5);
        EXPECT_FALSE(w->IsClosed()) << target->metaObject()->className() << " key " << key;
        EXPECT_TRUE(TopLevelOf(*w)->isVisible());
      }
    }
  }
  // Return in the text area types a line break instead.
  EXPECT_NE(window->TextArea1()->Text(), InstructionsText());
}

TEST_F(AuxWindowsQt, TypedTextIsGoneAfterTheCloseBox) {
  auto box = ChooseFromMenu<Window2>(*main, "FileAboutQuandrel2012");
  ASSERT_TRUE(box);
  auto* combo = WidgetFor<QComboBox>(box->ComboBox1());
  ASSERT_TRUE(combo && combo->lineEdit());
  QTest::keyClicks(combo->lineEdit(), "typed");
  EXPECT_EQ(box->ComboBox1()->Text(), "typed");

  TopLevelOf(*box)->close();  // the title bar's close box
  Wait(10);
  EXPECT_TRUE(box->IsClosed());

  auto again = ChooseFromMenu<Window2>(*main, "FileAboutQuandrel2012");
  ASSERT_TRUE(again);
  EXPECT_NE(again, box);
  EXPECT_EQ(WidgetFor<QComboBox>(again->ComboBox1())->currentText(), "");
  EXPECT_EQ(WidgetFor<QLabel>(again->Label1())->text(), "Quandrel 2012\nversion 3.1.0");
}

TEST_F(AuxWindowsQt, PressOnTheLinkOpensThePageAndClosesTheBox) {
  auto box = ChooseFromMenu<Window2>(*main, "FileAboutQuandrel2012");
  ASSERT_TRUE(box);
  auto* link = WidgetFor<QLabel>(box->Label3());
  ASSERT_TRUE(link);
  EXPECT_EQ(link->text(), "https://quandrel.example.org/");
  QTest::mousePress(link, Qt::LeftButton, {}, QPoint(150, 10));
  // The box closes on the press itself, before any release.
  EXPECT_TRUE(box->IsClosed());
  EXPECT_EQ(services.urls, std::vector<std::string>{"https://quandrel.example.org/"});
  Wait(10);
  EXPECT_FALSE(main->IsClosed());
  EXPECT_EQ(fw::Window::GetImplicitWindow(Window2::StaticClass()), nullptr);
}

// Minimises the window the menu item opens and chooses the item again: the
// same window comes back, not minimised, and active.
template <class W>
void ExpectMinimisedWindowBack(Window1& main, const char* item) {
  SCOPED_TRACE(item);
  auto first = ChooseFromMenu<W>(main, item);
  QWidget* top = TopLevelOf(*first);
  top->showMinimized();
  ASSERT_TRUE(top->isMinimized());
  EXPECT_EQ(ChooseFromMenu<W>(main, item), first);
  EXPECT_FALSE(top->isMinimized());
  EXPECT_TRUE(top->isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(top));
}

TEST_F(AuxWindowsQt, TheCommandBringsBackAMinimisedWindow) {
  ExpectMinimisedWindowBack<Window2>(*main, "FileAboutQuandrel2012");
  ExpectMinimisedWindowBack<Window3>(*main, "instructionsinstructions");
}

TEST_F(AuxWindowsQt, ClickOnOkClosesEitherWindow) {
  auto box = ChooseFromMenu<Window2>(*main, "FileAboutQuandrel2012");
  auto window = ChooseFromMenu<Window3>(*main, "instructionsinstructions");
  ASSERT_TRUE(box && window);
  QTest::mouseClick(WidgetFor<QPushButton>(box->PushButton1()), Qt::LeftButton);
  QTest::mouseClick(WidgetFor<QPushButton>(window->PushButton1()), Qt::LeftButton);
  Wait(10);
  EXPECT_TRUE(box->IsClosed());
  EXPECT_TRUE(window->IsClosed());
  EXPECT_FALSE(main->IsClosed());
}

// Heap bytes in use added by one cycle of choosing the window from the menu,
// letting it draw, and closing it once what it left to delete is gone.
template <class W>
double HeapGrowthPerCycle(Window1& main, const char* item) {
  constexpr int kWarmUp = 50, kCycles = 1000;
  auto cycle = [&] {
    auto window = ChooseFromMenu<W>(main, item);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(TopLevelOf(*window)));
    window->Close();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  };
  for (int i = 0; i < kWarmUp; ++i) cycle();
  const auto before = static_cast<double>(mallinfo2().uordblks);
  for (int i = 0; i < kCycles; ++i) cycle();
  return (static_cast<double>(mallinfo2().uordblks) - before) / kCycles;
}

// A window opened and closed again and again, as a user does with these two,
// leaves behind nothing that grows with the count.
TEST_F(AuxWindowsQt, OpeningAndClosingAgainKeepsTheHeapFlat) {
  const double about = HeapGrowthPerCycle<Window2>(*main, "FileAboutQuandrel2012");
  const double instructions = HeapGrowthPerCycle<Window3>(*main, "instructionsinstructions");
  std::cout << "[ heap     ] bytes a cycle: About box " << about << ", Instructions window "
            << instructions << "\n";
#ifndef AUXWINDOWS_UNDER_ASAN  // the sanitizer's allocator is not the one mallinfo2 counts
  EXPECT_LT(about, 1024);
  EXPECT_LT(instructions, 1024);
#endif
}

}  // namespace
