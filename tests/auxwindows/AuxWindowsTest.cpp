// The About box and the Instructions window on the headless backend: their
// design, their single instance, the ways they close, and the instructions
// text to the byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "auxwindows/AuxDesign.h"
#include "auxwindows/Window2.h"
#include "auxwindows/Window3.h"
#include "framework/Record.h"
#include "tests/support/HeadlessFixture.h"

namespace {

using testing_support::HeadlessTest;

constexpr const char* kPage = "https://quandrel.example.org/";

// The sixteen paragraphs, written out here once more, one a line.
const char* const kParagraphs[] = {
    R"( A search of Google with terms like "NFL Variance Randomness" will show that randomness plays a significant roll in determining results. That should not be a surprise.  The same should be true in the college game. There are many factors that can not be well controlled, which can impact the game, such as, illness, injury, weather, officiating, personal relationships, academic problems, and so on. That is why we play the game.)",
    R"(What is commonly suggested is a 8 team single elimination tournament.)",
    R"(SO)",
    R"(STEP 1: choose your 8 quandrel teams from the final 10 in the last BCS bowl of 2012 (listed with their BCS rating), then check "DONE.")",
    R"(STEP 2: choose what you believe is the relative strength of each team then check "DONE." A team rated 8 will win over a team rated 2 on average, 80% of the time with a standard deviation of around 5 %. )",
    R"(The suggested strength for each team you choose is based on the BCS rating (times 10 then rounded to an integer).)",
    R"(Step 3: Choose your team match-ups for the first round.)",
    R"(Step 4: Play each round)",
    R"(Step 5: Replay, Replay All  OR Restart)",
    R"(Replay: Lets you replay all games one at the time )",
    R"(ReplayAll: Replays all games for you. )",
    R"(=====)",
    R"(The winner of the Silver Bowl, each time, is recorded in the table below it. The teams are listed in the table in order of their bowl appearance. (The first two were in the Pasta Bowl, the next two were in the Salad Bowl and so on.))",
    R"(You can save your results. The table will be saved in a file named "UsernameTodaysDate.txt", included in the same folder as this application.)",
    R"(=====)",
    R"(Restart will restart from the beginning)",
};

// An empty line stands after paragraphs 4 to 9; a single CR after the others.
std::string ExpectedInstructions() {
  std::string text;
  for (int n = 1; n <= 16; ++n) {
    text += kParagraphs[n - 1];
    if (n < 16) text += (n >= 4 && n <= 9) ? "\r\r" : "\r";
  }
  return text;
}

template <class W>
int OpenCount() {
  auto open = fw::Window::OpenWindows();
  return static_cast<int>(std::count_if(
      open.begin(), open.end(), [](const auto& w) { return &w->Class() == &W::StaticClass(); }));
}

std::vector<std::string> KeysOf(const std::string& record) {
  std::vector<std::string> keys;
  for (const auto& entry : fw::DecodeRecord(record)) keys.push_back(entry.key);
  return keys;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

TEST(InstructionsTextTest, MatchesTheSixteenParagraphsToTheByte) {
  const std::string& text = InstructionsText();
  const std::string expected = ExpectedInstructions();
  EXPECT_EQ(text, expected);
  ASSERT_EQ(text.size(), expected.size());

  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(text.front(), ' ');
  EXPECT_NE(text[1], ' ');
  EXPECT_NE(text.back(), '\r');
  EXPECT_NE(text.find("surprise.  The"), std::string::npos);
  EXPECT_NE(text.find("Replay All  OR Restart"), std::string::npos);

  // Every CR where the paragraphs meet, and nowhere else.
  std::vector<size_t> crs, expectedCrs;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\r') crs.push_back(i);
  size_t at = 0;
  for (int n = 1; n < 16; ++n) {
    at += std::string(kParagraphs[n - 1]).size();
    expectedCrs.push_back(at++);
    if (n >= 4 && n <= 9) expectedCrs.push_back(at++);
  }
  EXPECT_EQ(crs, expectedCrs);
  EXPECT_EQ(crs.size(), 21u);

  // The paragraphs that end with a blank keep it before their CR.
  for (const char* end : {"5 %. \r\r", "one at the time \r", "for you. \r"})
    EXPECT_NE(text.find(end), std::string::npos) << end;
}

// The keys of each record, in record order, as the design format fixes them:
// every control record opens with the same twelve.
constexpr const char* kHeadKeys =
    "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex "
    "TabIndex ";

struct RecordCase {
  auxwindows::Kind kind;
  const char* keysAfterHead;
};

class ControlRecordKeys : public ::testing::TestWithParam<RecordCase> {};

TEST_P(ControlRecordKeys, HoldExactlyTheClassKeysInOrder) {
  // clang-format off
  auxwindows::ControlDesign design{.name = "X", .cls = GetParam().kind, .left = 1, .top = 2,
                                   .width = 3, .height = 4, .text = "t", .tabIndex = 5};
  // clang-format on
  EXPECT_EQ(KeysOf(fw::DesignRecord(design)),
            Words(kHeadKeys + std::string(GetParam().keysAfterHead)));
}

INSTANTIATE_TEST_SUITE_P(
    AuxWindows, ControlRecordKeys,
    ::testing::Values(
        RecordCase{auxwindows::Kind::Label,
                   "Text TextAlign TextColor Multiline Enabled Visible Selectable Transparent "
                   "HelpTag AutoDeactivate TextFont Bold Italic Underline DataSource DataField "
                   "InitialParent"},
        RecordCase{auxwindows::Kind::PushButton,
                   "TabStop Caption Default Cancel Enabled Visible HelpTag AutoDeactivate "
                   "ButtonStyle TextFont Bold Italic Underline InitialParent"},
        RecordCase{auxwindows::Kind::ComboBox,
                   "TabStop Enabled InitialValue ListIndex Visible HelpTag AutoDeactivate "
                   "UseFocusRing TextFont Bold Italic Underline DataSource DataField AutoComplete"},
        RecordCase{auxwindows::Kind::TextArea,
                   "TabStop Border Multiline ScrollbarHorizontal ScrollbarVertical Styled "
                   "UseFocusRing TextColor BackColor Enabled Format Visible HelpTag AutoDeactivate "
                   "HideSelection TextFont Bold Italic Underline Text Mask ReadOnly LimitText "
                   "AcceptTabs Alignment AutomaticallyCheckSpelling DataSource DataField"}));

TEST(WindowRecordTest, HoldsTheWindowKeysInOrderWithSizeAndTitle) {
  const std::string record = auxwindows::WindowRecord(600, 361, "Instructions");
  EXPECT_EQ(KeysOf(record),
            Words("Placement Width Height MinWidth MinHeight MaxWidth MaxHeight Frame Composite "
                  "HasBackColor BackColor Title Visible FullScreen MenuBarVisible CloseButton "
                  "Resizeable LiveResize MaximizeButton MinimizeButton MacProcID"));
  auto entries = fw::DecodeRecord(record);
  EXPECT_EQ(std::get<int32_t>(entries[1].value), 600);
  EXPECT_EQ(std::get<int32_t>(entries[2].value), 361);
  EXPECT_EQ(std::get<std::string>(entries[11].value), "Instructions");
}

TEST(AuxClassTablesTest, ListTheirOwnMethodsInOrderAsPublic) {
  struct Row {
    const fw::ClassInfo& cls;
    std::vector<std::string> methods;
  };
  const Row rows[] = {
      {Window2::StaticClass(),
       {"Layout|", "CreateControls|", "_CreateControls0|", "Label1|(  ) as Label",
        "PushButton1|(  ) as PushButton", "Label3|(  ) as Label", "ComboBox1|(  ) as ComboBox",
        "PushButton1_Action|( PushButton )",
        "Label3_MouseDown|( Label, Int32, Int32 ) as Boolean"}},
      {Window3::StaticClass(),
       {"Layout|", "CreateControls|", "_CreateControls0|", "TextArea1|(  ) as TextArea",
        "PushButton1|(  ) as PushButton", "PushButton1_Action|( PushButton )"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.cls.Name());
    EXPECT_EQ(row.cls.Base(), &fw::Window::StaticClass());
    std::vector<std::string> methods;
    for (const fw::MethodInfo& m : row.cls.Methods()) {
      methods.push_back(m.name + "|" + m.signature);
      EXPECT_EQ(m.attributes.at("__Scope"), "Public") << m.name;
      EXPECT_EQ(m.attributes.count("Hidden"), m.name == "_CreateControls0" ? 1u : 0u) << m.name;
    }
    EXPECT_EQ(methods, row.methods);
  }
}

TEST_F(HeadlessTest, BothWindowsAreFixedDocumentWindowsWithAPlainOk) {
  struct Row {
    std::shared_ptr<fw::Window> window;
    int32_t width, height;
    const char* title;
    const char* controls;
  };
  const Row rows[] = {
      {GetWindow2(), 300, 200, "About Quandrel", "Label1 PushButton1 Label3 ComboBox1"},
      {GetWindow3(), 600, 361, "Instructions", "TextArea1 PushButton1"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.title);
    const fw::Window& w = *row.window;
    EXPECT_EQ(w.Width(), row.width);
    EXPECT_EQ(w.Height(), row.height);
    EXPECT_EQ(w.Title(), row.title);
    EXPECT_TRUE(w.CloseButton());
    EXPECT_FALSE(w.Resizeable());
    EXPECT_FALSE(w.MaximizeButton());
    EXPECT_TRUE(w.MinimizeButton());
    EXPECT_FALSE(w.HasBackColor());
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.MenuBar(), nullptr);

    std::vector<std::string> names;
    int32_t tab = 0;
    for (const auto& control : w.Controls()) {
      names.push_back(control->Name());
      auto placed = fw::Cast<fw::RectControl>(control);
      EXPECT_EQ(placed->TextUnit(), 0) << control->Name();
      EXPECT_EQ(placed->TabIndex(), tab++) << control->Name();
      EXPECT_EQ(control->Index(), fw::Control::kNoIndex);
      EXPECT_EQ(placed->InitialParent(), "");
    }
    EXPECT_EQ(names, Words(row.controls));

    auto ok = fw::Cast<fw::PushButton>(w.ControlByName("PushButton1"));
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_EQ(ok->ButtonStyle(), 6);
    EXPECT_FALSE(ok->Default());
    EXPECT_FALSE(ok->Cancel());
    EXPECT_EQ(ok->TextSize(), 0);
    EXPECT_TRUE(ok->HasHandler(fw::PushButton::kAction));
  }
}

TEST_F(HeadlessTest, AboutBoxControlsFollowTheDesign) {
  auto box = GetWindow2();

  auto name = box->Label1();
  EXPECT_EQ(name->Text(), "Quandrel 2012\rversion 3.1.0");
  EXPECT_EQ(name->TextSize(), 18);
  EXPECT_EQ(name->TextAlign(), 1);
  EXPECT_TRUE(name->Bold());
  EXPECT_TRUE(name->MultiLine());
  EXPECT_EQ(name->TextColor(), fw::kBlack);
  EXPECT_EQ(name->Left(), 89);
  EXPECT_EQ(name->Width(), 142);
  EXPECT_EQ(name->Height(), 53);
  EXPECT_FALSE(name->HasHandler(fw::Label::kMouseDown));

  auto ok = box->PushButton1();
  EXPECT_EQ(ok->Left(), 211);
  EXPECT_EQ(ok->Top(), 149);
  EXPECT_EQ(ok->Width(), 69);
  EXPECT_EQ(ok->Height(), 31);

  auto link = box->Label3();
  EXPECT_EQ(link->Text(), kPage);
  EXPECT_EQ(link->TextSize(), 9);
  EXPECT_EQ(link->TextColor(), (fw::Color{0x66, 0x66, 0xFF}));
  EXPECT_TRUE(link->Underline());
  EXPECT_FALSE(link->Bold());
  EXPECT_EQ(link->TextAlign(), 0);
  EXPECT_TRUE(link->HasHandler(fw::Label::kMouseDown));

  auto combo = box->ComboBox1();
  EXPECT_EQ(combo->ListCount(), 0);
  EXPECT_EQ(combo->Text(), "");
  EXPECT_EQ(combo->Left(), 20);
  EXPECT_TRUE(combo->TabStop());
  EXPECT_FALSE(combo->AutoComplete());
}

TEST_F(HeadlessTest, InstructionsWindowControlsFollowTheDesign) {
  auto window = GetWindow3();

  auto area = window->TextArea1();
  EXPECT_EQ(area->Text(), ExpectedInstructions());
  EXPECT_EQ(area->Left(), 28);
  EXPECT_EQ(area->Top(), 24);
  EXPECT_EQ(area->Width(), 480);
  EXPECT_EQ(area->Height(), 259);
  EXPECT_TRUE(area->MultiLine());
  EXPECT_FALSE(area->ScrollBarHorizontal());
  EXPECT_TRUE(area->ScrollBarVertical());
  EXPECT_TRUE(area->Styled());
  EXPECT_TRUE(area->AutomaticallyCheckSpelling());
  EXPECT_FALSE(area->ReadOnly());
  EXPECT_FALSE(area->AcceptTabs());
  EXPECT_EQ(area->LimitText(), 0);
  EXPECT_TRUE(area->Border());

  auto ok = window->PushButton1();
  EXPECT_EQ(ok->Left(), 428);
  EXPECT_EQ(ok->Top(), 308);
  EXPECT_EQ(ok->Left() + ok->Width(), area->Left() + area->Width());
  EXPECT_EQ(ok->Height(), 20);
}

TEST_F(HeadlessTest, TheLinkOpensTheProductPageAndClosesTheBox) {
  for (bool opens : {true, false}) {
    services.urls.clear();
    services.urlOpens = opens;
    auto box = GetWindow2();
    EXPECT_FALSE(box->Label3()->UserMouseDown(170, 3));
    EXPECT_EQ(services.urls, std::vector<std::string>{kPage});
    EXPECT_TRUE(box->IsClosed());
    EXPECT_EQ(OpenCount<Window2>(), 0);
  }
}

TEST_F(HeadlessTest, AccessorKeepsOneInstanceAndNeverShows) {
  auto box = GetWindow2();
  box->SetVisible(false);
  EXPECT_EQ(GetWindow2(), box);
  EXPECT_FALSE(box->Visible());
  EXPECT_EQ(OpenCount<Window2>(), 1);

  auto window = GetWindow3();
  EXPECT_EQ(GetWindow3(), window);
  EXPECT_EQ(OpenCount<Window3>(), 1);
  // The two windows register no menu handlers of their own.
  for (const char* item : {"FileAboutQuandrel2012", "Instructionsinstructions"}) {
    EXPECT_FALSE(box->HasMenuHandler(item));
    EXPECT_FALSE(window->HasMenuHandler(item));
  }
}

}  // namespace
