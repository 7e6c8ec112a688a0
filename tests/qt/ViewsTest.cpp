// The Qt views: what the user does on a real widget reaches the control
// through the same setter as code, and mirroring state raises nothing.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>
#include <utility>

#include "framework/Buttons.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/Record.h"
#include "framework/RoundRectangle.h"
#include "framework/TextEdit.h"
#include "framework/Timer.h"
#include "framework/Window.h"
#include "framework/qt/QtControlViews.h"
#include "framework/qt/QtWindowView.h"
#include "tests/support/QtFixture.h"

namespace {

using testing_support::Activate;
using testing_support::QtTest;
using testing_support::TopLevelOf;

class ViewWindow : public fw::Window {
 public:
  std::vector<std::string> log;
  std::shared_ptr<fw::PopupMenu> popup = std::make_shared<fw::PopupMenu>();
  std::shared_ptr<fw::CheckBox> check = std::make_shared<fw::CheckBox>();
  std::shared_ptr<fw::PushButton> button = std::make_shared<fw::PushButton>();
  std::shared_ptr<fw::Label> label = std::make_shared<fw::Label>();
  std::shared_ptr<fw::TextField> field = std::make_shared<fw::TextField>();
  std::shared_ptr<fw::TextArea> area = std::make_shared<fw::TextArea>();
  std::shared_ptr<fw::RoundRectangle> frame = std::make_shared<fw::RoundRectangle>();
  std::shared_ptr<fw::Timer> timer = std::make_shared<fw::Timer>();

  void Layout() override {
    fw::SetProperties(*this, fw::RecordBuilder()
                                 .Int32("Width", 400)
                                 .Int32("Height", 300)
                                 .String("Title", "Views")
                                 .Boolean("Resizeable", false)
                                 .Bytes());
  }
  void CreateControls() override {
    Add(frame, "Frame", 100, 100, 200, 150);
    Add(popup, "Popup", 10, 10, 120, 20);
    Add(check, "Check", 10, 40, 80, 20);
    Add(button, "Button", 110, 110, 80, 20, "Frame");
    Add(label, "Label", 10, 70, 80, 20);
    Add(field, "Field", 10, 250, 80, 22);
    Add(area, "Area", 10, 100, 80, 60);
    AddControl(timer, "Timer");
    popup->Bind(fw::PopupMenu::kChange,
                fw::MethodDelegate(*this, &ViewWindow::OnChange, "( PopupMenu )"));
    check->Bind(fw::CheckBox::kAction,
                fw::MethodDelegate(*this, &ViewWindow::OnCheck, "( CheckBox )"));
    button->Bind(fw::PushButton::kAction,
                 fw::MethodDelegate(*this, &ViewWindow::OnPush, "( PushButton )"));
    label->Bind(fw::Label::kMouseDown, fw::MethodDelegate(*this, &ViewWindow::OnMouseDown,
                                                          "( Label, Int32, Int32 ) as Boolean"));
  }
  void OnChange(fw::PopupMenu& p) { log.push_back("change " + std::to_string(p.ListIndex())); }
  void OnCheck(fw::CheckBox& c) { log.push_back(std::string("check ") + (c.Value() ? "1" : "0")); }
  void OnPush(fw::PushButton&) { log.push_back("push"); }
  bool OnMouseDown(fw::Label&, int32_t x, int32_t y) {
    log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    return false;
  }

 private:
  void Add(const std::shared_ptr<fw::RectControl>& control, const std::string& name, int left,
           int top, int width, int height, const std::string& parent = {}) {
    AddControl(control, name);
    fw::SetProperties(*control, fw::RecordBuilder()
                                    .Int32("Left", left)
                                    .Int32("Top", top)
                                    .Int32("Width", width)
                                    .Int32("Height", height)
                                    .String("InitialParent", parent)
                                    .Bytes());
  }
};

template <class W>
W* WidgetFor(const fw::Control& control) {
  return qobject_cast<W*>(fw::qt::WidgetOf(control));
}

TEST_F(QtTest, UserInputOnRealWidgetsReachesTheSameHandlersAsCode) {
  auto window = fw::Window::Create<ViewWindow>();
  window->popup->AddRow("Choose");
  window->popup->AddRow("One");
  window->popup->AddRow("Two");
  auto* combo = WidgetFor<QComboBox>(*window->popup);
  ASSERT_NE(combo, nullptr);
  // Adding rows selects nothing, on screen either.
  EXPECT_EQ(window->popup->ListIndex(), -1);
  EXPECT_EQ(combo->currentIndex(), -1);

  window->popup->SetListIndex(1);  // code
  EXPECT_EQ(combo->currentIndex(), 1);
  QTest::keyClick(combo, Qt::Key_Down);  // the user
  EXPECT_EQ(window->popup->ListIndex(), 2);
  testing_support::TurnWheel(combo, -2);  // the wheel picks nothing
  EXPECT_EQ(window->popup->ListIndex(), 2);

  QTest::mouseClick(WidgetFor<QCheckBox>(*window->check), Qt::LeftButton, {}, QPoint(8, 10));
  EXPECT_TRUE(window->check->Value());
  window->check->SetValue(false);  // code: no Action
  EXPECT_FALSE(WidgetFor<QCheckBox>(*window->check)->isChecked());

  QTest::mouseClick(WidgetFor<QPushButton>(*window->button), Qt::LeftButton);
  window->button->Push();
  window->button->SetEnabled(false);
  QTest::mouseClick(WidgetFor<QPushButton>(*window->button), Qt::LeftButton);
  window->button->Push();

  QTest::mousePress(WidgetFor<QLabel>(*window->label), Qt::LeftButton, {}, QPoint(5, 6));

  EXPECT_EQ(window->log, (std::vector<std::string>{"change 1", "change 2", "check 1", "push",
                                                   "push", "down 5,6"}));
}

TEST_F(QtTest, ViewsMirrorStateAndPlaceFramedControlsInWindowCoordinates) {
  auto window = fw::Window::Create<ViewWindow>();
  auto* view = dynamic_cast<fw::qt::QtWindowView*>(window->View());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->Content()->size(), QSize(400, 300));
  EXPECT_EQ(view->TopLevel()->windowTitle(), "Views");

  QWidget* buttonWidget = fw::qt::WidgetOf(*window->button);
  EXPECT_EQ(buttonWidget->parentWidget(), fw::qt::WidgetOf(*window->frame));
  EXPECT_EQ(buttonWidget->geometry(), QRect(10, 10, 80, 20));
  EXPECT_EQ(buttonWidget->mapTo(view->Content(), QPoint(0, 0)), QPoint(110, 110));

  window->field->SetText("abc");
  auto* line = WidgetFor<QLineEdit>(*window->field);
  EXPECT_EQ(line->text(), "abc");
  QTest::keyClicks(line, "de");
  EXPECT_EQ(window->field->Text(), "abcde");

  window->label->SetText("two\rlines");
  EXPECT_EQ(WidgetFor<QLabel>(*window->label)->text(), "two\nlines");
  window->field->SetBold(true);
  EXPECT_TRUE(line->font().bold());
  window->field->SetBackColor(fw::Color{255, 152, 51});
  EXPECT_EQ(line->palette().color(QPalette::Base), QColor(255, 152, 51));
}

// What the user types into a text area is its Text at once, and stays its
// Text after the window and its widgets are gone.
TEST_F(QtTest, TypedTextOutlivesTheWindow) {
  auto window = fw::Window::Create<ViewWindow>();
  std::shared_ptr<fw::TextArea> area = window->area;
  window->area->SetText("one\r\ntwo");
  QTest::keyClicks(WidgetFor<QPlainTextEdit>(*area), "x");
  EXPECT_EQ(area->Text(), "xone\rtwo");
  QTest::keyClicks(WidgetFor<QPlainTextEdit>(*area), "y");
  window->Close();
  window.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(fw::qt::WidgetOf(*area), nullptr);
  EXPECT_EQ(area->Text(), "xyone\rtwo");
}

// A text area with HideSelection shows no selection while another window is
// active, and shows it again when its own window is; the focus moving on to
// another control of the active window keeps it on show. Without it, the
// selection stays on show.
TEST_F(QtTest, HideSelectionPutsTheSelectionAwayOnlyWhileTheWindowIsInactive) {
  auto window = fw::Window::Create<ViewWindow>();
  auto other = fw::Window::Create<ViewWindow>();
  window->area->SetText("Pick eight teams");
  auto* area = WidgetFor<QPlainTextEdit>(*window->area);
  for (bool hide : {true, false}) {
    window->area->SetHideSelection(hide);
    ASSERT_TRUE(Activate(*window));
    area->setFocus();
    area->selectAll();
    fw::qt::WidgetOf(*window->field)->setFocus(Qt::TabFocusReason);  // Tab to the next control
    EXPECT_FALSE(area->hasFocus());
    EXPECT_EQ(area->textCursor().selectedText(), "Pick eight teams");
    ASSERT_TRUE(Activate(*other));
    EXPECT_EQ(area->textCursor().hasSelection(), !hide);
    ASSERT_TRUE(Activate(*window));
    EXPECT_EQ(area->textCursor().selectedText(), "Pick eight teams");
  }
  // A click into the inactive window places the cursor before the window
  // hears that it is active: the click wins.
  window->area->SetHideSelection(true);
  area->selectAll();
  ASSERT_TRUE(Activate(*other));
  QTest::mouseClick(area->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
  ASSERT_TRUE(Activate(*window));
  EXPECT_FALSE(area->textCursor().hasSelection());
}

// The middle of the top edge of a widget's border, as drawn now.
QColor TopBorder(QWidget* widget) {
  return widget->grab().toImage().pixelColor(widget->width() / 2, 0);
}

// A focused text area with UseFocusRing draws the ring a focused text field
// draws; without UseFocusRing it keeps its plain border.
TEST_F(QtTest, AFocusedTextAreaDrawsTheTextFieldsFocusRingWhereItUsesOne) {
  auto window = fw::Window::Create<ViewWindow>();
  ASSERT_TRUE(Activate(*window));
  QWidget* field = fw::qt::WidgetOf(*window->field);
  QWidget* area = fw::qt::WidgetOf(*window->area);
  const QColor plain = TopBorder(area);
  field->setFocus();
  const QColor fieldRing = TopBorder(field);
  EXPECT_NE(fieldRing, plain);
  for (bool ring : {true, false}) {
    window->area->SetUseFocusRing(ring);
    area->setFocus();
    ASSERT_TRUE(area->hasFocus());
    EXPECT_EQ(TopBorder(area), ring ? fieldRing : plain) << "UseFocusRing " << ring;
  }
}

// Styled text on the clipboard alone, as some programs copy it: a styled text
// area takes it with its styles, an unstyled one its plain text. The Text
// stays the plain text, with a CR between paragraphs.
TEST_F(QtTest, PastedHtmlKeepsItsStylesInAStyledTextAreaOnly) {
  auto window = fw::Window::Create<ViewWindow>();
  ASSERT_TRUE(Activate(*window));
  auto* area = WidgetFor<QPlainTextEdit>(*window->area);
  auto formatAt = [&](int position) {
    QTextCursor cursor(area->document());
    cursor.setPosition(position + 1);  // the format of the character before
    return cursor.charFormat();
  };
  for (bool styled : {true, false}) {
    SCOPED_TRACE(styled ? "styled" : "unstyled");
    window->area->SetStyled(styled);
    window->area->SetText("");
    auto* copied = new QMimeData;
    copied->setHtml(
        "<p><b>Bold</b> <i style=\"color:#ff0000\">red</i></p>"
        "<p><span style=\"font-family:'Liberation Serif'; font-size:20px\">big</span></p>");
    QApplication::clipboard()->setMimeData(copied);
    area->setFocus();
    QTest::keyClick(area, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->area->Text(), "Bold red\rbig");
    EXPECT_EQ(formatAt(0).fontWeight() == QFont::Bold, styled);
    EXPECT_EQ(formatAt(5).fontItalic(), styled);
    EXPECT_EQ(formatAt(5).foreground().color() == QColor(255, 0, 0), styled);
    EXPECT_EQ(formatAt(9).font().pixelSize() == 20, styled);
    EXPECT_EQ(formatAt(9).font().families().value(0) == "Liberation Serif", styled);
    // One step to undo.
    area->undo();
    EXPECT_EQ(window->area->Text(), "");
  }
}

// Pasted styled text brings nothing in from files it names (a style sheet
// here; a named pipe would stall the program).
TEST_F(QtTest, PastedHtmlReadsNoFileItNames) {
  auto window = fw::Window::Create<ViewWindow>();
  window->area->SetStyled(true);
  QTemporaryDir folder;
  const QString sheet = folder.filePath("bold.css");
  QFile file(sheet);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("span { font-weight: bold; color: #ff0000 }");
  file.close();
  auto* copied = new QMimeData;
  copied->setHtml("<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"" +
                  QUrl::fromLocalFile(sheet).toString() +
                  "\"></head><body><span>as is</span></body></html>");
  QApplication::clipboard()->setMimeData(copied);
  auto* area = WidgetFor<QPlainTextEdit>(*window->area);
  area->setFocus();
  area->paste();
  EXPECT_EQ(window->area->Text(), "as is");
  EXPECT_NE(area->textCursor().charFormat().fontWeight(), QFont::Bold);
}

// Styled text Qt would take long over (nested 40 000 deep, over a megabyte,
// a paragraph of 10 000 runs of one style to lay out) comes in as the
// clipboard's plain text, or where the clipboard holds the HTML alone, as the
// HTML's text without styles; in an unstyled area too.
TEST_F(QtTest, PastedHtmlTooDeepOrTooLargeComesInAsPlainText) {
  auto window = fw::Window::Create<ViewWindow>();
  ASSERT_TRUE(Activate(*window));
  auto* area = WidgetFor<QPlainTextEdit>(*window->area);
  QString large;
  std::string largeText;
  while (large.size() < (1 << 20)) {
    large += "<p style=\"color:#123456\"><b>big</b>&nbsp;one</p>\n";
    largeText += largeText.empty() ? "big one" : "\rbig one";
  }
  const std::tuple<QString, std::string> cases[] = {
      {QString("<b><i><u>").repeated(13333) + "deep", "deep"},
      {large, largeText},
      {QString("<b>a</b>c").repeated(5000), QString("ac").repeated(5000).toStdString()}};
  for (const auto& [html, text] : cases) {
    for (auto [styled, plain] : {std::pair{true, ""}, {true, "as plain"}, {false, ""}}) {
      SCOPED_TRACE(text.substr(0, 8) + (styled ? " styled " : " unstyled ") + plain);
      window->area->SetStyled(styled);
      window->area->SetText("");
      auto* copied = new QMimeData;
      copied->setHtml(html);
      if (*plain) copied->setText(plain);
      QApplication::clipboard()->setMimeData(copied);
      area->paste();
      EXPECT_EQ(window->area->Text(), *plain ? plain : text);
      QTextCursor first(area->document());
      first.setPosition(1);
      EXPECT_NE(first.charFormat().fontWeight(), QFont::Bold);
    }
  }
}

// Ordinary styled text with elements that hold nothing (word-break hints, a
// table's column group) or after an unclosed <link> comes in with its styles,
// and the same whatever the area held before: the Instructions' text, or the
// text this very paste brought.
TEST_F(QtTest, PastedHtmlWithEmptyElementsKeepsItsStylesWhateverTheAreaHeld) {
  auto window = fw::Window::Create<ViewWindow>();
  ASSERT_TRUE(Activate(*window));
  auto* area = WidgetFor<QPlainTextEdit>(*window->area);
  window->area->SetStyled(true);
  const QString shapes[] = {"<p><b style=\"font-size:20px\">Links</b> <i>here</i>: " +
                                QString("http://ex<wbr>.com/<wbr>a<wbr>/b ").repeated(34) + "</p>",
                            "<table><colgroup>" + QString("<col width=64>").repeated(200) +
                                "</colgroup><tr>" + QString("<td><b>v</b></td>").repeated(200) +
                                "</tr></table>",
                            "<link rel=\"stylesheet\" href=\"x.css\"><p><b>text</b> two</p>"};
  for (const QString& html : shapes) {
    SCOPED_TRACE(html.left(24).toStdString());
    window->area->SetText("Instructions");
    std::string first;
    for (int paste = 0; paste < 2; ++paste) {
      auto* copied = new QMimeData;
      copied->setHtml(html);
      QApplication::clipboard()->setMimeData(copied);
      area->selectAll();
      area->paste();
      if (paste == 0) first = window->area->Text();
      EXPECT_EQ(window->area->Text(), first);
      QTextCursor cursor(area->document());
      cursor.setPosition(1);
      EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold) << "paste " << paste;
    }
  }
}

TEST_F(QtTest, TimerActionComesFromTheEventLoopAfterItsPeriod) {
  auto window = fw::Window::Create<ViewWindow>();
  int actions = 0;
  window->timer->Bind(fw::Timer::kAction, fw::Delegate{"( Timer )", [&](fw::Object*, auto&) {
                                                         ++actions;
                                                         return false;
                                                       }});
  window->timer->SetPeriod(50);
  window->timer->SetMode(fw::Timer::kModeSingle);
  EXPECT_EQ(actions, 0);
  Wait(20);
  EXPECT_EQ(actions, 0);
  QTRY_COMPARE_WITH_TIMEOUT(actions, 1, 2000);
  Wait(120);
  EXPECT_EQ(actions, 1);
}

TEST_F(QtTest, ClosingFromInsideAHandlerOfTheWindowIsSafe) {
  auto window = fw::Window::Create<ViewWindow>();
  std::weak_ptr<fw::Window> weak = window;
  bool aliveDuring = false;
  window->button->SetEnabled(true);
  window->button->Bind(fw::PushButton::kAction,
                       fw::Delegate{"( PushButton )", [&](fw::Object*, auto&) {
                                      auto self = weak.lock();
                                      self->Close();
                                      self.reset();
                                      aliveDuring = !weak.expired();
                                      return false;
                                    }});
  auto* widget = WidgetFor<QPushButton>(*window->button);
  window.reset();
  QTest::mouseClick(widget, Qt::LeftButton);
  EXPECT_TRUE(aliveDuring);
  EXPECT_TRUE(weak.expired());
  EXPECT_EQ(fw::Window::GetImplicitWindow(ViewWindow::StaticClass()), nullptr);
}

}  // namespace
