// The windows on a small laptop's screen (800 x 600, a monitor on its
// right): the window fits the screen and its content scrolls, every control
// can be brought into view by scrolling and by the keyboard, the wheel
// scrolls the window over a picker too without giving it the focus, and on
// the larger screen the window is as designed again: the same window, still
// holding its focus, and on that screen.
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "framework/qt/QtControlViews.h"
#include "framework/qt/QtWindowView.h"
#include "mainwindow/Window1.h"
#include "tests/support/QtFixture.h"

namespace {

using testing_support::QtTest;

class SmallScreen : public QtTest {
 protected:
  void SetUp() override {
    QtTest::SetUp();
    small = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(small, QRect(0, 0, 800, 600))
        << "run on the small screen: "
           "QT_QPA_PLATFORM=offscreen:configfile=<build>/screens/small.json";
    window = GetWindow1();
    view = dynamic_cast<fw::qt::QtWindowView*>(window->View());
    ASSERT_NE(view, nullptr);
    top = view->TopLevel();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    ASSERT_TRUE(testing_support::Activate(*window));
  }

  // Whether the whole of a widget shows in the scroll area's viewport.
  bool InView(QWidget* widget) const {
    QWidget* viewport = view->Scroller()->viewport();
    QRect shown(widget->mapTo(viewport, QPoint(0, 0)), widget->size());
    return viewport->rect().contains(shown);
  }

  QRect small;
  std::shared_ptr<Window1> window;
  fw::qt::QtWindowView* view = nullptr;
  QWidget* top = nullptr;
};

TEST_F(SmallScreen, TheWindowFitsTheScreenWithItsContentScrollingUnderTheMenuBar) {
  EXPECT_TRUE(small.contains(top->frameGeometry())) << "frame at " << top->frameGeometry().y();
  QScrollArea* scroller = view->Scroller();
  ASSERT_NE(scroller, nullptr);
  EXPECT_EQ(scroller->widget(), view->Content());
  EXPECT_EQ(view->Content()->size(), QSize(850, 650));
  EXPECT_TRUE(scroller->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
  QMenuBar* bar = view->MenuBarWidget();
  EXPECT_EQ(bar->parentWidget(), top);
  EXPECT_LE(bar->geometry().bottom(), scroller->geometry().top());

  // Every control keeps its designed place in the content and can be
  // scrolled into view, Restart and the contact link at the bottom right too.
  for (const auto& control : window->Controls()) {
    auto rect = std::dynamic_pointer_cast<fw::RectControl>(control);
    QWidget* widget = rect ? fw::qt::WidgetOf(*rect) : nullptr;
    if (!widget || !rect->Visible()) continue;
    EXPECT_EQ(widget->mapTo(view->Content(), QPoint(0, 0)), QPoint(rect->Left(), rect->Top()))
        << control->Name();
    scroller->ensureWidgetVisible(widget, 0, 0);
    EXPECT_TRUE(InView(widget)) << control->Name();
  }
}

TEST_F(SmallScreen, TabBringsEachControlIntoViewAsItTakesTheFocus) {
  QWidget* restart = fw::qt::WidgetOf(*window->PushButton8());
  QWidget* first = fw::qt::WidgetOf(*window->PopupMenu1());
  first->setFocus(Qt::TabFocusReason);
  ASSERT_FALSE(InView(restart)) << "Restart must start out of view";
  bool reachedRestart = false;
  for (int step = 0; step < 60 && !reachedRestart; ++step) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(InView(focus)) << focus->metaObject()->className() << " at step " << step;
    reachedRestart = focus == restart;
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  EXPECT_TRUE(reachedRestart);
  // The focus given some other way than by Tab, as by a shortcut, too.
  view->Scroller()->verticalScrollBar()->setValue(0);
  ASSERT_FALSE(InView(restart));
  restart->setFocus(Qt::ShortcutFocusReason);
  EXPECT_TRUE(InView(restart));
}

// The wheel over a picker, either way, scrolls the window, picks nothing and
// leaves the focus where it was: typing still reaches the focused picker.
TEST_F(SmallScreen, TheWheelOverAPickerScrollsTheWindowAndPicksNothing) {
  auto* picker = qobject_cast<QComboBox*>(fw::qt::WidgetOf(*window->PopupMenu1()));
  QWidget* fourth = fw::qt::WidgetOf(*window->PopupMenu4());
  fourth->setFocus(Qt::MouseFocusReason);
  QScrollBar* down = view->Scroller()->verticalScrollBar();
  ASSERT_EQ(down->value(), 0);
  testing_support::TurnWheel(picker, 3);
  testing_support::TurnWheel(picker, 1, Qt::Horizontal);
  EXPECT_GT(down->value(), 0);
  EXPECT_EQ(QApplication::focusWidget(), fourth);
  QTest::keyClick(top->windowHandle(), 'o');
  EXPECT_EQ(window->PopupMenu1()->ListIndex(), 0);
  EXPECT_EQ(picker->currentIndex(), 0);
  EXPECT_EQ(window->PopupMenu9()->ListIndex(), 5) << "no team picked, no strength suggested";
  EXPECT_EQ(window->PopupMenu4()->Text(), "Oregon (.8621)");
}

// Refitted on either screen, it stays the same window, never hidden, with
// the focus where it was, and its frame on the screen it is on.
TEST_F(SmallScreen, OnTheLargerScreenTheWindowIsAsDesignedAndBackOnTheSmallOneItFitsAgain) {
  const int menu = view->MenuBarWidget()->height();
  QWidget* fourth = fw::qt::WidgetOf(*window->PopupMenu4());
  fourth->setFocus(Qt::TabFocusReason);
  const WId id = top->winId();
  int hidden = 0;
  QObject counting;
  QObject::connect(top->windowHandle(), &QWindow::visibleChanged, &counting, [&](bool visible) {
    if (!visible) ++hidden;
  });
  // Dropped on the monitor with its bottom past that screen's edge.
  const QRect monitor(800, 0, 1280, 1024);
  top->move(1100, 500);
  ASSERT_TRUE(QTest::qWaitFor([&] { return top->screen()->name() == "monitor"; }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return view->Scroller() == nullptr; }));
  // The frame comes inside once the queued refit has run.
  EXPECT_TRUE(QTest::qWaitFor([&] { return monitor.contains(top->frameGeometry()); }))
      << "frame at " << top->frameGeometry().x() << "," << top->frameGeometry().y();
  EXPECT_EQ(view->Content()->parentWidget(), top);
  EXPECT_TRUE(top->findChildren<QScrollArea*>().isEmpty());
  top->layout()->activate();
  EXPECT_EQ(top->size(), QSize(850, 650 + menu));
  EXPECT_EQ(view->Content()->geometry(), QRect(0, menu, 850, 650));

  // Its middle on the laptop, its bottom past that screen's edge.
  top->move(100, 200);
  ASSERT_TRUE(QTest::qWaitFor([&] { return top->screen()->name() == "laptop"; }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return view->Scroller() != nullptr; }));
  EXPECT_TRUE(QTest::qWaitFor([&] { return small.contains(top->frameGeometry()); }))
      << "frame at " << top->frameGeometry().x() << "," << top->frameGeometry().y();
  EXPECT_EQ(hidden, 0);
  EXPECT_EQ(top->winId(), id);
  EXPECT_EQ(QApplication::focusWidget(), fourth);
}

}  // namespace
