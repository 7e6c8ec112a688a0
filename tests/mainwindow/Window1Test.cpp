// The main window class: its table, its single instance, its accessors and
// its timers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MenuBar1.h"
#include "framework/Runtime.h"
#include "mainwindow/Window1.h"
#include "tests/support/HeadlessFixture.h"

namespace {

constexpr const char* kTeamList =
    "Notre Dame (.9978),Alabama (.9441),Florida (.8984),Oregon (.8621),Kansas State (.8226),"
    "Stanford (.7683),Georgia (.7583),LSU (.7511),Texas A&M (.6756),South Carolina (.6604)";

class Window1Test : public testing_support::HeadlessTest {};

std::vector<int32_t> Flags(const Window1& w) {
  return {w.one, w.two, w.three, w.four, w.five, w.six, w.seven, w.eight, w.listit};
}

TEST_F(Window1Test, PropertiesStartAtTheirDefaults) {
  // Before construction: nothing has run yet that could open a team place.
  auto bare = std::make_shared<Window1>();
  EXPECT_TRUE(bare->team.empty());
  EXPECT_EQ(Flags(*bare), std::vector<int32_t>(9, 0));
  EXPECT_EQ(bare->TeamList, kTeamList);
  EXPECT_EQ(bare->TeamList.size(), 172u);
}

TEST_F(Window1Test, SingleInstanceUntilClosedThenAFreshOne) {
  auto first = GetWindow1();
  const std::vector<int32_t> flagsWhenBuilt = Flags(*first);
  EXPECT_EQ(first->listit, 0);
  EXPECT_EQ(GetWindow1(), first);

  first->team = {"Alabama (.9441)_9"};
  first->one = first->two = first->listit = 7;
  first->TeamList.clear();
  first->Close();
  auto second = GetWindow1();
  EXPECT_NE(second, first);
  EXPECT_TRUE(second->team.empty());
  EXPECT_EQ(Flags(*second), flagsWhenBuilt);
  EXPECT_EQ(second->TeamList, kTeamList);
  EXPECT_EQ(second->MenuBar(), first->MenuBar());
}

TEST_F(Window1Test, AccessorsAnswerForTheirOwnWindow) {
  auto first = GetWindow1();
  auto picker = first->PopupMenu22();
  ASSERT_TRUE(picker);
  EXPECT_EQ(picker->Name(), "PopupMenu22");
  EXPECT_EQ(first->PopupMenu22(), picker);
  EXPECT_NE(first->PopupMenu21(), picker);
  // Every accessor returns the control registered under its own name.
#define CHECK_ACCESSOR(Class, Name)                                       \
  EXPECT_EQ(std::static_pointer_cast<fw::Control>(first->Name()),         \
            first->ControlByName(#Name)) << #Name;
  WINDOW1_CONTROLS(CHECK_ACCESSOR)
#undef CHECK_ACCESSOR

  first->PushButton8()->SetEnabled(false);
  first->Close();
  auto second = GetWindow1();
  EXPECT_NE(second->PopupMenu22(), picker);
  EXPECT_EQ(second->PopupMenu22()->Window(), std::static_pointer_cast<fw::Window>(second));
  EXPECT_TRUE(second->PushButton8()->Enabled());
}

class BareWindow : public Window1 {
 protected:
  void CreateControls() override {}
};

TEST_F(Window1Test, AMissingControlOrMenuBarRaisesNilObject) {
  auto bare = fw::Window::Create<BareWindow>();
  EXPECT_THROW(bare->PopupMenu1(), fw::NilObjectException);
  EXPECT_THROW(bare->Timer3(), fw::NilObjectException);
  bare->SetMenuBar(nullptr);
  EXPECT_THROW(bare->EditCopy(), fw::NilObjectException);
}

TEST_F(Window1Test, MenuItemAccessorsFindTheBarsItems) {
  auto window = GetWindow1();
  EXPECT_EQ(window->EditCopy()->Text, "&Copy");
  EXPECT_EQ(window->instructionsinstructions()->Text, "instructions");
  EXPECT_EQ(window->FileMenu()->Text, "&File");
  EXPECT_TRUE(window->FileQuit());
  EXPECT_TRUE(window->FileAboutQuandrel2012());
  EXPECT_EQ(window->UntitledMenu0()->Text, "-");
}

std::vector<std::string> ExpectedMethods() {
  std::vector<std::string> names = {"Layout", "CreateControls", "_CreateControls0",
                                    "_CreateControls1", "_CreateControls2"};
  const char* controls[] = {
      "PopupMenu1", "PopupMenu2", "PopupMenu3", "PopupMenu4", "PopupMenu5", "PopupMenu6",
      "PopupMenu7", "PopupMenu8", "PopupMenu9", "PopupMenu10", "PopupMenu11", "PopupMenu12",
      "PopupMenu13", "PopupMenu14", "PopupMenu15", "PopupMenu16", "CheckBox1", "CheckBox2",
      "RoundRectangle1", "PopupMenu17", "PopupMenu18", "TextField1", "TextField2", "Label1",
      "PushButton1", "RoundRectangle2", "PopupMenu19", "PopupMenu20", "TextField3",
      "TextField4", "Label2", "PushButton2", "RoundRectangle3", "Label3", "PopupMenu22",
      "PopupMenu21", "PushButton3", "TextField5", "TextField6", "RoundRectangle4", "Label4",
      "TextField7", "TextField8", "PopupMenu23", "PushButton4", "PopupMenu24", "Label5",
      "Label6", "Label7", "RoundRectangle5", "Label19", "Label20", "Label21", "TextField13",
      "TextField14", "Label23", "PushButton7", "Label22", "RoundRectangle6", "Label9",
      "Label10", "Label11", "PushButton5", "TextField9", "TextField10", "Label12", "Label13",
      "RoundRectangle7", "TextField11", "TextField12", "Label18", "Label17", "Label14",
      "Label15", "Label16", "PushButton6", "PushButton8", "PushButton9", "Label26",
      "Listbox1", "Timer1", "Timer2", "PushButton10", "Label28", "TextField15",
      "PushButton11", "Timer3"};
  names.insert(names.end(), std::begin(controls), std::end(controls));
  for (int i = 1; i <= 8; ++i) {
    names.push_back("PopupMenu" + std::to_string(i) + "_Open");
    names.push_back("PopupMenu" + std::to_string(i) + "_Change");
  }
  for (int i = 9; i <= 16; ++i) names.push_back("PopupMenu" + std::to_string(i) + "_Open");
  for (const char* name :
       {"CheckBox1_Action", "CheckBox2_Action", "PopupMenu17_Change", "PopupMenu18_Change",
        "PushButton1_Action", "PopupMenu19_Change", "PopupMenu20_Change", "PushButton2_Action",
        "PopupMenu22_Change", "PopupMenu21_Change", "PushButton3_Action", "PopupMenu23_Change",
        "PushButton4_Action", "PopupMenu24_Change", "PushButton7_Action", "PushButton5_Action",
        "PushButton6_Action", "PushButton8_Action", "PushButton9_Action", "Label26_MouseDown",
        "Listbox1_Open", "Timer1_Action", "Timer2_Action", "PushButton10_Action",
        "PushButton11_Action", "Timer3_Action", "instructionsMenu", "instructionsinstructions",
        "EditMenu", "EditSelectAll", "UntitledMenu0", "EditClear", "EditPaste", "EditCopy",
        "EditCut", "UntitledMenu1", "EditUndo", "FileMenu", "FileAboutQuandrel2012",
        "FileQuit", "AddMenuHandlers", "Event_EnableMenuItems",
        "_FileAboutQuandrel2012_Action", "_Instructionsinstructions_Action"})
    names.push_back(name);
  return names;
}

TEST_F(Window1Test, ClassTableOrderAndDeclarations) {
  const fw::ClassInfo& cls = Window1::StaticClass();
  EXPECT_EQ(cls.Name(), "Window1");
  EXPECT_EQ(cls.Base(), &fw::Window::StaticClass());
  EXPECT_EQ(fw::ClassRegistry::Lookup("Window1"), &cls);

  std::vector<std::string> names;
  for (const auto& method : cls.Methods()) {
    names.push_back(method.name);
    EXPECT_EQ(method.attributes.at("__Scope"), "Public") << method.name;
    const bool batch = method.name.rfind("_CreateControls", 0) == 0;
    EXPECT_EQ(method.attributes.count("Hidden"), batch ? 1u : 0u) << method.name;
  }
  EXPECT_EQ(names, ExpectedMethods());
  EXPECT_EQ(cls.Methods().size(), 5u + 87 + 50 + 14 + 4);

  std::map<std::string, std::string> signatures;
  for (const auto& method : cls.Methods()) signatures[method.name] = method.signature;
  EXPECT_EQ(signatures["PopupMenu1_Change"], "( PopupMenu )");
  EXPECT_EQ(signatures["Label26_MouseDown"], "( Label, Int32, Int32 ) as Boolean");
  EXPECT_EQ(signatures["Timer3"], "(  ) as Timer");
  EXPECT_EQ(signatures["FileQuit"], "(  ) as QuitMenuItem");
  EXPECT_EQ(signatures["_FileAboutQuandrel2012_Action"], "(  ) as Boolean");

  std::vector<std::pair<std::string, fw::ValueType>> properties;
  for (const auto& property : cls.Properties()) properties.emplace_back(property.name, property.type);
  using T = fw::ValueType;
  const std::vector<std::pair<std::string, fw::ValueType>> expected = {
      {"team", T::String}, {"one", T::Int32},   {"two", T::Int32},    {"three", T::Int32},
      {"four", T::Int32},  {"five", T::Int32},  {"six", T::Int32},    {"seven", T::Int32},
      {"eight", T::Int32}, {"listit", T::Int32}, {"TeamList", T::String}};
  EXPECT_EQ(properties, expected);

  // The pool reads as its entries joined by commas.
  auto window = GetWindow1();
  window->team = {"Alabama (.9441)_9", "LSU (.7511)_8"};
  EXPECT_EQ(std::get<std::string>(cls.FindProperty("team")->get(*window)),
            "Alabama (.9441)_9,LSU (.7511)_8");
}

TEST_F(Window1Test, TimerClassesAndTheirWindow) {
  for (const auto* cls : {&Window1Timer1::StaticClass(), &Window1Timer2::StaticClass(),
                          &Window1Timer3::StaticClass()}) {
    EXPECT_TRUE(cls->IsSubclassOf(fw::Timer::StaticClass()));
    std::vector<std::string> names;
    for (const auto* c = cls; c && c != &fw::Control::StaticClass(); c = c->Base())
      for (auto it = c->Methods().rbegin(); it != c->Methods().rend(); ++it)
        names.insert(names.begin(), it->name);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Reset", "addActionNotificationReceiver",
                         "removeActionNotificationReceiver", "_CallAction", "_SetWindow",
                         "Window", "_Index", "_SetIndex", "Constructor"}))
        << cls->Name();
  }
  EXPECT_EQ(Window1Timer2::StaticClass().Name(), "Window1.Timer2");

  Window1Timer1 loose;
  EXPECT_EQ(loose.Window(), nullptr);

  auto window = GetWindow1();
  for (auto timer : {window->Timer1(), window->Timer2(), window->Timer3()}) {
    auto child = std::dynamic_pointer_cast<fw::PaneChild>(timer);
    ASSERT_TRUE(child);
    EXPECT_EQ(child->Window(), std::static_pointer_cast<fw::Window>(window));
  }
}

int actions = 0;
std::exception_ptr CountingHelper(void (*function)(void*), void* argument) {
  ++actions;
  return fw::DefaultExceptionHelper(function, argument);
}

TEST_F(Window1Test, TimerStartedInAHandlerFiresOnceAfterItsPeriod) {
  auto window = GetWindow1();
  for (auto timer : {window->Timer1(), window->Timer2(), window->Timer3()})
    EXPECT_FALSE(timer->Pending());
  backend.Advance(5000);

  actions = 0;
  fw::RuntimeSetExceptionHelper(&CountingHelper);
  bool pendingInside = false;
  fw::CallHandler([&] {
    window->Timer2()->SetMode(1);
    pendingInside = window->Timer2()->Pending();
  });
  EXPECT_TRUE(pendingInside);
  // The handler that started it, and nothing inside it. Timer2's own Action
  // pushes only the final's Play button, which is shut in a new window.
  EXPECT_EQ(actions, 1);
  backend.Advance(499);
  EXPECT_EQ(actions, 1);
  backend.Advance(1);
  EXPECT_EQ(actions, 2);
  backend.Advance(2000);
  EXPECT_EQ(actions, 2);
  EXPECT_FALSE(window->Timer2()->Pending());
  EXPECT_EQ(window->Timer2()->Mode(), 0);
  fw::RuntimeSetExceptionHelper(nullptr);
}

TEST_F(Window1Test, ClosingTheWindowStopsItsTimers) {
  auto first = GetWindow1();
  first->Timer2()->SetMode(1);
  first->Close();
  auto second = GetWindow1();
  EXPECT_FALSE(first->Timer2()->Pending());
  EXPECT_FALSE(second->Timer2()->Pending());
}

}  // namespace
