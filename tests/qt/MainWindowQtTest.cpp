// The main window on real widgets: a user's input on each kind of control
// reaches its bound handler, Tab follows the designed order, and a dark
// desktop leaves the designed colours; on a screen they fit, the windows are
// exactly their designed size, without scrolling.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTest>
#include <map>

#include "framework/qt/QtControlViews.h"
#include "framework/qt/QtWindowView.h"
#include "auxwindows/Window2.h"
#include "auxwindows/Window3.h"
#include "mainwindow/Window1.h"
#include "tests/support/QtFixture.h"

namespace {

using testing_support::QtTest;

template <class W>
W* WidgetFor(const std::shared_ptr<fw::Control>& control) {
  return qobject_cast<W*>(fw::qt::WidgetOf(*control));
}

TEST_F(QtTest, UserInputOnEachKindOfControlReachesItsHandler) {
  auto window = GetWindow1();
  // A team picker: the user's pick runs its Change, which suggests a strength.
  QTest::keyClick(WidgetFor<QComboBox>(window->PopupMenu1()), Qt::Key_Down);
  EXPECT_EQ(window->PopupMenu1()->Text(), "Notre Dame (.9978)");
  EXPECT_EQ(window->PopupMenu9()->Text(), "10");
  EXPECT_EQ(WidgetFor<QComboBox>(window->PopupMenu9())->currentText(), "10");

  // The first DONE box with places still open: its Action refuses.
  QTest::mouseClick(WidgetFor<QCheckBox>(window->CheckBox1()), Qt::LeftButton, {}, QPoint(8, 10));
  EXPECT_EQ(services.messages, std::vector<std::string>{"Please complete all selections first"});
  EXPECT_FALSE(WidgetFor<QCheckBox>(window->CheckBox1())->isChecked());

  // The contact label's MouseDown.
  QTest::mousePress(WidgetFor<QLabel>(window->Label26()), Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_EQ(services.urls, std::vector<std::string>{"mailto:quandrel@example.org"});

  // Restart's Action: a fresh window replaces this one.
  QTest::mouseClick(WidgetFor<QPushButton>(window->PushButton8()), Qt::LeftButton);
  auto fresh = GetWindow1();
  EXPECT_NE(fresh, window);
  EXPECT_TRUE(window->IsClosed());
  EXPECT_EQ(fresh->PopupMenu1()->ListIndex(), 0);
}

TEST_F(QtTest, TabFollowsTheDesignedOrderWithinEachParent) {
  auto window = GetWindow1();
  std::map<QWidget*, std::string> names;
  for (const auto& control : window->Controls())
    if (QWidget* widget = fw::qt::WidgetOf(*control)) names[widget] = control->Name();
  std::vector<std::string> chain;
  QWidget* start = fw::qt::WidgetOf(*window->PopupMenu1());
  QWidget* at = start;
  do {
    if (names.count(at) && at->focusPolicy() & Qt::TabFocus) chain.push_back(names[at]);
    at = at->nextInFocusChain();
  } while (at && at != start);
  auto position = [&](const std::string& name) {
    return std::find(chain.begin(), chain.end(), name) - chain.begin();
  };
  // Window-level ranks, a frame's controls right after its frame's rank, and
  // inside the "Cereal Bowl" the ranks 6, 7, 8, 9, 10.
  const std::vector<std::string> expected = {
      "PopupMenu1",  "PopupMenu8",  "PopupMenu9",  "PopupMenu16", "CheckBox1",   "CheckBox2",
      "PopupMenu17", "PopupMenu18", "TextField1",  "TextField2",  "PushButton1", "PopupMenu19",
      "PopupMenu22", "PopupMenu21", "PushButton3", "TextField5",  "TextField6",  "TextField7",
      "PopupMenu24", "PushButton8", "PushButton9", "Listbox1",    "PushButton10",
      "TextField15", "PushButton11"};
  for (size_t i = 1; i < expected.size(); ++i)
    EXPECT_LT(position(expected[i - 1]), position(expected[i]))
        << expected[i - 1] << " should come before " << expected[i];
  EXPECT_EQ(position("Label26"), static_cast<long>(chain.size()));  // labels take no focus
}

TEST_F(QtTest, OnAScreenTheyFitTheWindowsAreTheirDesignedSizeWithoutScrolling) {
  auto main = GetWindow1();
  const std::vector<std::shared_ptr<fw::Window>> windows = {main, GetWindow2(), GetWindow3()};
  for (const auto& window : windows) {
    auto* view = dynamic_cast<fw::qt::QtWindowView*>(window->View());
    ASSERT_NE(view, nullptr);
    QWidget* top = view->TopLevel();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    EXPECT_EQ(view->Scroller(), nullptr) << window->Title();
    EXPECT_TRUE(top->findChildren<QScrollArea*>().isEmpty()) << window->Title();
    const int menu = view->MenuBarWidget() ? view->MenuBarWidget()->height() : 0;
    EXPECT_EQ(view->Content()->geometry(), QRect(0, menu, window->Width(), window->Height()));
    EXPECT_EQ(top->size(), QSize(window->Width(), window->Height() + menu)) << window->Title();
  }
}

TEST_F(QtTest, DesignedTextSizesFitTheirControls) {
  auto window = GetWindow1();
  for (const auto& control : window->Controls()) {
    auto rect = std::dynamic_pointer_cast<fw::RectControl>(control);
    QWidget* widget = rect ? fw::qt::WidgetOf(*rect) : nullptr;
    if (!widget || rect->Height() > 24) continue;
    EXPECT_LE(QFontMetrics(widget->font()).height(), rect->Height()) << control->Name();
  }
}

// A dark desktop, as with a dark KDE colour scheme or GTK theme: its palette
// is the application's before the program starts.
class DarkDesktopQtTest : public QtTest {
 protected:
  void SetUp() override {
    QApplication::setPalette(dark);
    QtTest::SetUp();
  }
  void TearDown() override {
    QtTest::TearDown();
    QApplication::setPalette(light);
  }

  // The test platform's: a light desktop's.
  const QPalette light = QApplication::palette();
  const QPalette dark = [] {
    QPalette palette;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x2a, 0x2a, 0x2a)},
                                {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)},
                                {QPalette::WindowText, QColor(0xee, 0xee, 0xee)},
                                {QPalette::Text, QColor(0xee, 0xee, 0xee)},
                                {QPalette::Link, QColor(0x8a, 0xb4, 0xff)}})
      palette.setColor(role, colour);
    return palette;
  }();
};

TEST_F(DarkDesktopQtTest, TheWindowKeepsItsDesignedColoursAtStartAndAfterAChange) {
  auto window = GetWindow1();
  auto* view = dynamic_cast<fw::qt::QtWindowView*>(window->View());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(QApplication::palette(), light) << "the colours of a light desktop";
  EXPECT_EQ(view->Content()->palette().color(QPalette::Window), light.color(QPalette::Window));
  for (QWidget* label :
       {WidgetFor<QWidget>(window->Label5()), WidgetFor<QWidget>(window->Label28())})
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
  // The results table, and the UserID field whose designed colours are the inherited ones.
  for (QWidget* field :
       {WidgetFor<QWidget>(window->Listbox1()), WidgetFor<QWidget>(window->TextField15())}) {
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::black));
  }

  // A change of the desktop's palette while the program runs: Qt polishes
  // the desktop's new palette with the application's style and fills from it
  // each role the application's palette leaves unset.
  QPalette desktop = dark;
  QApplication::style()->polish(desktop);
  const QPalette program = QApplication::palette();
  EXPECT_EQ(program.resolve(desktop), program) << "the desktop's palette reached the program's";
}

}  // namespace
