#include "mainwindow/Window1.h"

#include <string>

#include "app/MenuBar1.h"
#include "framework/Record.h"
#include "framework/Strings.h"
#include "mainwindow/Window1Records.h"

namespace {

// The season's final top ten with their BCS ratings; never changed while the
// program runs.
constexpr const char* kTeamList =
    "Notre Dame (.9978),Alabama (.9441),Florida (.8984),Oregon (.8621),"
    "Kansas State (.8226),Stanford (.7683),Georgia (.7583),LSU (.7511),"
    "Texas A&M (.6756),South Carolina (.6604)";

const std::map<std::string, std::string> kPublic{{"__Scope", "Public"}};
const std::map<std::string, std::string> kHiddenPublic{{"__Scope", "Public"}, {"Hidden", "True"}};

// The team pool is a String array; the class table shows it as one String,
// its entries joined by commas (pool entries never hold a comma).
fw::PropertyInfo TeamProperty() {
  return fw::PropertyInfo{
      "team", fw::ValueType::String,
      [](fw::Object& o, const fw::Value& v) {
        const std::string& text = std::get<std::string>(v);
        auto& team = static_cast<Window1&>(o).team;
        team = text.empty() ? std::vector<std::string>{} : fw::Split(text, ",");
      },
      [](const fw::Object& o) {
        return fw::Value(fw::Join(static_cast<const Window1&>(o).team, ","));
      }};
}

}  // namespace

const fw::ClassInfo& Window1::StaticClass() {
  return fw::BuildOnce([] {
    fw::ClassInfo c("Window1", &fw::Window::StaticClass());
    c.Method("Layout", {}, kPublic).Method("CreateControls", {}, kPublic);
    for (const char* batch : {"_CreateControls0", "_CreateControls1", "_CreateControls2"})
      c.Method(batch, {}, kHiddenPublic);
#define WINDOW1_ACCESSOR_ENTRY(Class, Name) c.Method(#Name, "(  ) as " #Class, kPublic);
    WINDOW1_CONTROLS(WINDOW1_ACCESSOR_ENTRY)
#undef WINDOW1_ACCESSOR_ENTRY
#define WINDOW1_HANDLER_ENTRY(Name, Sender) c.Method(#Name, "( " #Sender " )", kPublic);
    WINDOW1_HANDLERS(WINDOW1_HANDLER_ENTRY)
    c.Method("Label26_MouseDown", "( Label, Int32, Int32 ) as Boolean", kPublic);
    WINDOW1_LATE_HANDLERS(WINDOW1_HANDLER_ENTRY)
#undef WINDOW1_HANDLER_ENTRY
#define WINDOW1_MENU_ENTRY(Class, Name) c.Method(#Name, "(  ) as " #Class, kPublic);
    WINDOW1_MENU_ITEMS(WINDOW1_MENU_ENTRY)
#undef WINDOW1_MENU_ENTRY
    c.Method("AddMenuHandlers", "( Window )", kPublic)
        .Method("Event_EnableMenuItems", {}, kPublic)
        .Method("_FileAboutQuandrel2012_Action", "(  ) as Boolean", kPublic)
        .Method("_Instructionsinstructions_Action", "(  ) as Boolean", kPublic);

    c.Property(TeamProperty());
    c.Attribute("team", "String()");
    c.Property(fw::FieldProperty("one", &Window1::one))
        .Property(fw::FieldProperty("two", &Window1::two))
        .Property(fw::FieldProperty("three", &Window1::three))
        .Property(fw::FieldProperty("four", &Window1::four))
        .Property(fw::FieldProperty("five", &Window1::five))
        .Property(fw::FieldProperty("six", &Window1::six))
        .Property(fw::FieldProperty("seven", &Window1::seven))
        .Property(fw::FieldProperty("eight", &Window1::eight))
        .Property(fw::FieldProperty("listit", &Window1::listit))
        .Property(fw::FieldProperty("TeamList", &Window1::TeamList));
    return c;
  });
}

Window1::Window1() : TeamList(kTeamList) {}

void Window1::Layout() {
  // The menu bar goes in before the record: the record shows it.
  SetMenuBar(GetMenuBar1());
  fw::SetProperties(*this, window1::WindowRecord());
}

void Window1::CreateControls() {
  CreateControls0();
  CreateControls1();
  CreateControls2();
}

std::shared_ptr<Window1> GetWindow1() {
  std::shared_ptr<fw::Window> window = fw::Window::GetImplicitWindow(Window1::StaticClass());
  if (!window) window = fw::Window::Create<Window1>();
  return fw::Cast<Window1>(window);
}

template <int N>
const fw::ClassInfo& Window1Timer<N>::StaticClass() {
  return fw::BuildOnce([] {
    // Timer's own table already lists Reset, the two actionSource operations
    // and _CallAction; these follow them.
    fw::ClassInfo c("Window1.Timer" + std::to_string(N), &fw::Timer::StaticClass());
    c.Method("_SetWindow", "( Window )")
        .Method("Window", "(  ) as Window")
        .Method("_Index", "(  ) as Int32")
        .Method("_SetIndex", "( Int32 )")
        .Method("Constructor");
    c.Attribute("Interfaces", "actionSource,_PaneChild");
    return c;
  });
}

template class Window1Timer<1>;
template class Window1Timer<2>;
template class Window1Timer<3>;
