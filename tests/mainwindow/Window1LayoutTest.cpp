// The main window as built: every control where, what and how the design
// says, checked against the design written out here once more.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/MenuBar1.h"
#include "framework/Runtime.h"
#include "framework/Strings.h"
#include "mainwindow/Contact.h"
#include "mainwindow/Window1.h"
#include "tests/support/HeadlessFixture.h"

namespace {

// name | class | left,top | width x height | caption or text | enabled | visible |
// text size | style | parent | tab index | other | events
const char* const kDesign[] = {
    "PopupMenu1|PopupMenu|23,47|80x20||1|1|9||window|0||Open,Change",
    "PopupMenu2|PopupMenu|115,47|80x20||1|1|9||window|1||Open,Change",
    "PopupMenu3|PopupMenu|207,47|80x20||1|1|9||window|2||Open,Change",
    "PopupMenu4|PopupMenu|299,47|80x20||1|1|9||window|3||Open,Change",
    "PopupMenu5|PopupMenu|391,47|80x20||1|1|9||window|4||Open,Change",
    "PopupMenu6|PopupMenu|483,47|80x20||1|1|9||window|5||Open,Change",
    "PopupMenu7|PopupMenu|575,47|80x20||1|1|9||window|6||Open,Change",
    "PopupMenu8|PopupMenu|667,47|80x20||1|1|9||window|7||Open,Change",
    "PopupMenu9|PopupMenu|29,87|80x20||0|1|9||window|8||Open",
    "PopupMenu10|PopupMenu|114,87|80x20||0|1|9||window|9||Open",
    "PopupMenu11|PopupMenu|206,87|80x20||0|1|9||window|10||Open",
    "PopupMenu12|PopupMenu|298,87|80x20||0|1|9||window|11||Open",
    "PopupMenu13|PopupMenu|390,87|80x20||0|1|9||window|12||Open",
    "PopupMenu14|PopupMenu|482,87|80x20||0|1|9||window|13||Open",
    "PopupMenu15|PopupMenu|574,87|80x20||0|1|9||window|14||Open",
    "PopupMenu16|PopupMenu|666,87|80x20||0|1|9||window|15||Open",
    "CheckBox1|CheckBox|759,44|58x20|DONE|1|1|9||window|16||Action",
    "CheckBox2|CheckBox|758,88|58x20|DONE|0|1|9||window|17||Action",
    "RoundRectangle1|RoundRectangle|20,120|172x129||1|1|||window|18|border FF0000|",
    "PopupMenu17|PopupMenu|23,193|80x20||0|1|9||RoundRectangle1|0||Change",
    "PopupMenu18|PopupMenu|106,193|80x20||0|1|9||RoundRectangle1|1||Change",
    "TextField1|TextField|29,159|41x22||1|1|||RoundRectangle1|2||",
    "TextField2|TextField|126,159|41x22||1|1|||RoundRectangle1|3||",
    "Label1|Label|56,126|100x20|Pasta Bowl|1|1|||RoundRectangle1|4|centred|",
    "PushButton1|PushButton|66,215|80x20|Play|0|1|10||RoundRectangle1|5||Action",
    "RoundRectangle2|RoundRectangle|204,120|172x129||1|1|||window|21|border 00FF00|",
    "PopupMenu19|PopupMenu|207,193|80x20||0|1|9||RoundRectangle2|0||Change",
    "PopupMenu20|PopupMenu|290,193|80x20||0|1|9||RoundRectangle2|1||Change",
    "TextField3|TextField|213,159|41x22||1|1|||RoundRectangle2|2||",
    "TextField4|TextField|310,159|41x22||1|1|||RoundRectangle2|3||",
    "Label2|Label|240,126|100x20|Salad Bowl|1|1|||RoundRectangle2|4|centred|",
    "PushButton2|PushButton|250,215|80x20|Play|0|1|10||RoundRectangle2|5||Action",
    "RoundRectangle3|RoundRectangle|391,120|172x129||1|1|||window|24|border FF00FF|",
    "Label3|Label|427,126|100x20|Cereal Bowl|1|1|||RoundRectangle3|4|centred|",
    "PopupMenu22|PopupMenu|477,193|80x20||0|1|9||RoundRectangle3|6||Change",
    "PopupMenu21|PopupMenu|391,193|80x20||0|1|9||RoundRectangle3|7||Change",
    "PushButton3|PushButton|427,215|80x20|Play|0|1|10||RoundRectangle3|8||Action",
    "TextField5|TextField|402,159|41x22||1|1|||RoundRectangle3|9||",
    "TextField6|TextField|497,159|41x22||1|1|||RoundRectangle3|10||",
    "RoundRectangle4|RoundRectangle|575,120|172x129||1|1|||window|28|border FF8000|",
    "Label4|Label|611,126|100x20|Soup Bowl|1|1|||RoundRectangle4|0|centred|",
    "TextField7|TextField|587,159|41x22||1|1|||RoundRectangle4|1||",
    "TextField8|TextField|687,159|41x22||1|1|||RoundRectangle4|2||",
    "PopupMenu23|PopupMenu|579,193|80x20||0|1|9||RoundRectangle4|3||Change",
    "PushButton4|PushButton|625,215|80x20|Play|0|1|10||RoundRectangle4|4||Action",
    "PopupMenu24|PopupMenu|668,193|80x20||0|1|9||window|29||Change",
    "Label5|Label|23,15|100x20|Teams:|1|1|||window|30||",
    "Label6|Label|22,67|100x20|Strength:|1|1|||window|31||",
    "Label7|Label|204,3|445x39|What if we had a quandrel in 2012?\rHow often would the strongest "
    "team win?|1|1||B|window|32|centred multiline|",
    "RoundRectangle5|RoundRectangle|310,385|202x112||1|1|||window|34|border 000000|",
    "Label19|Label|361,394|100x20|Silver Bowl|1|1|||RoundRectangle5|0|centred|",
    "Label20|Label|320,419|77x20|TEAM: TBA|1|1|9|BU|RoundRectangle5|1||",
    "Label21|Label|401,419|100x20|TEAM: TBA|1|1|9|BU|RoundRectangle5|2||",
    "TextField13|TextField|320,442|41x22||1|1|||RoundRectangle5|3||",
    "TextField14|TextField|401,442|41x22||1|1|||RoundRectangle5|4||",
    "Label23|Label|493,473|13x20||1|0|||RoundRectangle5|5||",
    "PushButton7|PushButton|361,472|80x20|Play|0|1|||RoundRectangle5|6||Action",
    "Label22|Label|310,473|16x20||1|0|||RoundRectangle5|7||",
    "RoundRectangle6|RoundRectangle|126,261|202x112||1|1|||window|35|border 000000|",
    "Label9|Label|180,269|100x20|China Bowl|1|1|||RoundRectangle6|0|centred|",
    "Label10|Label|146,291|83x20|TEAM: TBA|1|1|9|BU|RoundRectangle6|1||",
    "Label11|Label|232,291|83x20|TEAM: TBA|1|1|9|BU|RoundRectangle6|2||",
    "PushButton5|PushButton|194,349|80x20|Play|0|1|||RoundRectangle6|3||Action",
    "TextField9|TextField|146,315|41x22||1|1|||RoundRectangle6|4||",
    "TextField10|TextField|233,315|41x22||1|1|||RoundRectangle6|5||",
    "Label12|Label|132,349|10x20||1|0|||RoundRectangle6|6||",
    "Label13|Label|310,349|10x20||1|0|||RoundRectangle6|7||",
    "RoundRectangle7|RoundRectangle|497,261|202x112||1|1|||window|36|border 000000|",
    "TextField11|TextField|511,315|41x22||1|1|||RoundRectangle7|3||",
    "TextField12|TextField|609,315|41x22||1|1|||RoundRectangle7|4||",
    "Label18|Label|677,343|12x20||1|0|||RoundRectangle7|7||",
    "Label17|Label|506,349|10x20||1|0|||RoundRectangle7|6||",
    "Label14|Label|553,269|100x20|Crystal Bowl|1|1|||RoundRectangle7|0|centred|",
    "Label15|Label|509,289|83x20|TEAM: TBA|1|1|9|BU|RoundRectangle7|1||",
    "Label16|Label|609,291|83x20|TEAM: TBA|1|1|9|BU|RoundRectangle7|2||",
    "PushButton6|PushButton|564,349|80x20|Play|0|1|||RoundRectangle7|5||Action",
    "PushButton8|PushButton|546,569|80x20|Restart|1|1|||window|40||Action",
    "PushButton9|PushButton|129,527|80x20|Replay|0|1|||window|41||Action",
    "Label26|Label|536,590|214x20|quandrel@example.org|1|1||U|window|43|text 6666FF|MouseDown",
    "Listbox1|Listbox|310,505|205x105||1|1|10||window|45||Open",
    "Timer1|Window1.Timer1||||||||||mode 0 period 500|Action",
    "Timer2|Window1.Timer2||||||||||mode 0 period 500|Action",
    "PushButton10|PushButton|115,563|103x20|ReplayAll|0|1|||window|46||Action",
    "Label28|Label|536,510|53x20|UserID:|1|1|||window|47||",
    "TextField15|TextField|592,505|80x22||1|1|||window|48||",
    "PushButton11|PushButton|536,539|99x20|Save_List|0|1|||window|49||Action",
    "Timer3|Window1.Timer3||||||||||mode 0 period 500|Action",
};

struct Expected {
  std::string name, cls, text, style, parent, other;
  int left = 0, top = 0, width = 0, height = 0, tab = 0;
  bool enabled = false, visible = false;
  double size = 0;
  std::set<std::string> events;
};

Expected Parse(const char* line) {
  std::vector<std::string> f = fw::Split(line, "|");
  EXPECT_EQ(f.size(), 13u) << line;
  f.resize(13);
  Expected e;
  e.name = f[0];
  e.cls = f[1];
  std::sscanf(f[2].c_str(), "%d,%d", &e.left, &e.top);
  std::sscanf(f[3].c_str(), "%dx%d", &e.width, &e.height);
  e.text = f[4];
  e.enabled = f[5] == "1";
  e.visible = f[6] == "1";
  e.size = f[7].empty() ? 0 : std::stod(f[7]);
  e.style = f[8];
  e.parent = f[9] == "window" ? "" : f[9];
  e.tab = f[10].empty() ? 0 : std::stoi(f[10]);
  e.other = f[11];
  if (!f[12].empty())
    for (const std::string& event : fw::Split(f[12], ",")) e.events.insert(event);
  return e;
}

fw::Color Hex(const std::string& text) {
  auto byte = [&](size_t at) { return static_cast<uint8_t>(std::stoi(text.substr(at, 2), nullptr, 16)); };
  return {byte(0), byte(2), byte(4)};
}

std::string After(const std::string& other, const std::string& word) {
  size_t at = other.find(word + " ");
  return at == std::string::npos ? std::string() : other.substr(at + word.size() + 1, 6);
}

// The events bound on a control, by the framework's event indices.
std::set<std::string> BoundEvents(const fw::Control& control) {
  std::set<std::string> bound;
  for (int index : {0, 1, 15, 16}) {
    if (!control.HasHandler(index)) continue;
    const fw::EventInfo* event = control.Class().FindEvent(index);
    bound.insert(event ? event->name : "?");
  }
  return bound;
}

class Window1LayoutTest : public testing_support::HeadlessTest {};

TEST_F(Window1LayoutTest, EveryControlIsBuiltAsDesigned) {
  auto window = GetWindow1();
  const auto& controls = window->Controls();
  ASSERT_EQ(controls.size(), std::size(kDesign));
  ASSERT_EQ(std::string(kContactAddress), "quandrel@example.org");

  for (size_t i = 0; i < std::size(kDesign); ++i) {
    const Expected e = Parse(kDesign[i]);
    SCOPED_TRACE(e.name);
    const auto& control = controls[i];
    ASSERT_EQ(control->Name(), e.name);
    EXPECT_EQ(window->ControlByName(e.name), control);
    EXPECT_EQ(control->Class().Name(), e.cls);
    EXPECT_EQ(BoundEvents(*control), e.events);

    if (auto timer = std::dynamic_pointer_cast<fw::Timer>(control)) {
      EXPECT_EQ(timer->Mode(), 0);
      EXPECT_EQ(timer->Period(), 500);
      EXPECT_FALSE(timer->Pending());
      continue;
    }
    auto rect = std::dynamic_pointer_cast<fw::RectControl>(control);
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->Index(), INT32_MIN);
    EXPECT_EQ(rect->Left(), e.left);
    EXPECT_EQ(rect->Top(), e.top);
    EXPECT_EQ(rect->Width(), e.width);
    EXPECT_EQ(rect->Height(), e.height);
    EXPECT_EQ(rect->Enabled(), e.enabled);
    EXPECT_EQ(rect->Visible(), e.visible);
    EXPECT_EQ(rect->TextSize(), e.size);
    EXPECT_EQ(rect->TextUnit(), 0);
    EXPECT_EQ(rect->Bold(), e.style.find('B') != std::string::npos);
    EXPECT_EQ(rect->Underline(), e.style.find('U') != std::string::npos);
    EXPECT_FALSE(rect->Italic());
    EXPECT_EQ(rect->TextFont(), "System");
    EXPECT_EQ(rect->InitialParent(), e.parent);
    EXPECT_EQ(rect->Parent() ? rect->Parent()->Name() : std::string(), e.parent);
    EXPECT_EQ(rect->TabIndex(), e.tab);
    EXPECT_TRUE(rect->LockLeft() && rect->LockTop() && !rect->LockRight() && !rect->LockBottom());

    if (auto label = std::dynamic_pointer_cast<fw::Label>(control)) {
      EXPECT_EQ(label->Text(), e.text);
      EXPECT_EQ(label->TextAlign(), e.other.find("centred") != std::string::npos ? 1 : 0);
      EXPECT_EQ(label->MultiLine(), e.other.find("multiline") != std::string::npos);
      const std::string colour = After(e.other, "text");
      EXPECT_EQ(label->TextColor(), colour.empty() ? fw::kBlack : Hex(colour));
    } else if (auto button = std::dynamic_pointer_cast<fw::PushButton>(control)) {
      EXPECT_EQ(button->Caption(), e.text);
      EXPECT_TRUE(button->TabStop());
    } else if (auto box = std::dynamic_pointer_cast<fw::CheckBox>(control)) {
      EXPECT_EQ(box->Caption(), e.text);
      EXPECT_FALSE(box->Value());
    } else if (auto field = std::dynamic_pointer_cast<fw::TextField>(control)) {
      EXPECT_EQ(field->Text(), "");
      EXPECT_TRUE(field->Border());
      EXPECT_EQ(field->BackColor(), fw::kWhite);
    } else if (auto frame = std::dynamic_pointer_cast<fw::RoundRectangle>(control)) {
      EXPECT_EQ(frame->BorderColor(), Hex(After(e.other, "border")));
      EXPECT_EQ(frame->FillColor(), fw::kWhite);
      EXPECT_EQ(frame->OvalWidth(), 16);
    } else if (auto list = std::dynamic_pointer_cast<fw::Listbox>(control)) {
      EXPECT_EQ(list->ColumnCount(), 2);
      EXPECT_EQ(list->ColumnWidths(), "85%,15%");
      EXPECT_EQ(list->ListCount(), 0);
      EXPECT_EQ(list->HeadingIndex(), -1);
      EXPECT_EQ(list->GridLinesHorizontal(), 2);
      EXPECT_EQ(list->GridLinesVertical(), 5);
    }
  }
}

TEST_F(Window1LayoutTest, WindowTakesItsDesignAndTheMenuBar) {
  auto window = GetWindow1();
  EXPECT_EQ(window->Width(), 850);
  EXPECT_EQ(window->Height(), 650);
  EXPECT_EQ(window->Title(), "So You Want A Quandrel?");
  EXPECT_TRUE(window->Visible());
  EXPECT_FALSE(window->CloseButton());
  EXPECT_FALSE(window->MaximizeButton());
  EXPECT_TRUE(window->MinimizeButton());
  EXPECT_FALSE(window->Resizeable());
  EXPECT_TRUE(window->MenuBarVisible());
  EXPECT_EQ(window->MenuBar(), std::static_pointer_cast<fw::MenuItem>(GetMenuBar1()));
}

// Counts every handler run that goes through the call wrapper while the
// controls are being created.
int handlerRunsDuringCreation = 0;
int handlerRuns = 0;
bool creating = false;

std::exception_ptr CountingHelper(void (*function)(void*), void* argument) {
  ++handlerRuns;
  if (creating) ++handlerRunsDuringCreation;
  return fw::DefaultExceptionHelper(function, argument);
}

class ProbeWindow : public Window1 {
 protected:
  void CreateControls() override {
    creating = true;
    Window1::CreateControls();
    creating = false;
  }
};

TEST_F(Window1LayoutTest, NoHandlerRunsWhileTheControlsAreBuilt) {
  handlerRuns = handlerRunsDuringCreation = 0;
  fw::RuntimeSetExceptionHelper(&CountingHelper);
  auto window = fw::Window::Create<ProbeWindow>();
  fw::RuntimeSetExceptionHelper(nullptr);
  EXPECT_EQ(handlerRunsDuringCreation, 0);
  // The probe does see handlers: the pickers' and the table's Open events,
  // raised once the controls exist, came through it.
  EXPECT_GE(handlerRuns, 17);
}

}  // namespace
