#include "app/MenuBar1.h"

namespace {

std::shared_ptr<MenuBar1>& TheMenuBar1() {
  static std::shared_ptr<MenuBar1> instance;
  return instance;
}

struct ItemRow {
  const char* name;
  const fw::ClassInfo& (*cls)();
  const char* text;
  const char* shortcut;  // nullptr: a separator, whose shortcut is never set
};

std::shared_ptr<fw::MenuItem> NewItem(const fw::ClassInfo& (*cls)()) {
  if (cls == &fw::QuitMenuItem::StaticClass) return std::make_shared<fw::QuitMenuItem>();
  if (cls == &fw::AppleMenuItem::StaticClass) return std::make_shared<fw::AppleMenuItem>();
  return std::make_shared<fw::MenuItem>();
}

// One top menu and its items, in table order.
void BuildMenu(fw::MenuBar& bar, const char* menuName, const char* menuText,
               std::initializer_list<ItemRow> items) {
  auto menu = std::make_shared<fw::MenuItem>();
  menu->Name = menuName;
  menu->AutoEnable = true;
  menu->Text = menuText;
  menu->KeyboardShortcut = "";
  bar.Append(menu);
  for (const ItemRow& row : items) {
    auto item = NewItem(row.cls);
    item->Name = row.name;
    item->AutoEnable = true;
    item->Text = row.text;
    if (row.shortcut) item->KeyboardShortcut = row.shortcut;
    auto top = bar.Child(menuName);
    if (!top) throw fw::NilObjectException(std::string("the menu bar has no menu ") + menuName);
    top->Append(item);
  }
}

constexpr auto kItem = &fw::MenuItem::StaticClass;

}  // namespace

const fw::ClassInfo& MenuBar1::StaticClass() {
  return fw::BuildOnce([] {
    fw::ClassInfo c("MenuBar1", &fw::MenuBar::StaticClass());
    c.Method("Untitled0").Method("Untitled1").Method("Untitled2").Method("Constructor");
    return c;
  });
}

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
  Untitled2();
}

void MenuBar1::Untitled0() {
  BuildMenu(*this, "FileMenu", "&File",
            {{"FileQuit", &fw::QuitMenuItem::StaticClass, "&Quit", "Cmd+Q"},
             {"FileAboutQuandrel2012", &fw::AppleMenuItem::StaticClass, "About Quandrel2012", ""}});
}

void MenuBar1::Untitled1() {
  BuildMenu(*this, "EditMenu", "&Edit",
            {{"EditUndo", kItem, "&Undo", "Cmd+Z"},
             {"UntitledMenu1", kItem, "-", nullptr},
             {"EditCut", kItem, "Cu&t", "Cmd+X"},
             {"EditCopy", kItem, "&Copy", "Cmd+C"},
             {"EditPaste", kItem, "&Paste", "Cmd+V"},
             {"EditClear", kItem, "&Delete", ""},
             {"UntitledMenu0", kItem, "-", nullptr},
             {"EditSelectAll", kItem, "Select &All", "Cmd+A"}});
}

void MenuBar1::Untitled2() {
  BuildMenu(*this, "instructionsMenu", "Instructions",
            {{"instructionsinstructions", kItem, "instructions", ""}});
}

std::shared_ptr<MenuBar1> GetMenuBar1() {
  auto& instance = TheMenuBar1();
  if (!instance) {
    auto bar = std::make_shared<MenuBar1>();
    bar->Constructor();
    instance = bar;
  }
  return instance;
}

void ReleaseMenuBar1() { TheMenuBar1().reset(); }
