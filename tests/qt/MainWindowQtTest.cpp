// The main window on real widgets: a user's input on each kind of control
// reaches its bound handler, and Tab follows the designed order.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <map>

#include "framework/qt/QtControlViews.h"
#include "framework/qt/QtWindowView.h"
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

TEST_F(QtTest, DesignedTextSizesFitTheirControls) {
  auto window = GetWindow1();
  for (const auto& control : window->Controls()) {
    auto rect = std::dynamic_pointer_cast<fw::RectControl>(control);
    QWidget* widget = rect ? fw::qt::WidgetOf(*rect) : nullptr;
    if (!widget || rect->Height() > 24) continue;
    EXPECT_LE(QFontMetrics(widget->font()).height(), rect->Height()) << control->Name();
  }
}

}  // namespace
