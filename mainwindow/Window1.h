#pragma once
// The main window: the one window that carries the whole tournament. Its
// properties and its 87 controls are all of the tournament's state.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Buttons.h"
#include "framework/Label.h"
#include "framework/Listbox.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/RoundRectangle.h"
#include "framework/TextEdit.h"
#include "framework/Timer.h"
#include "framework/Window.h"

// The controls in creation order: class, then name.
#define WINDOW1_CONTROLS(X)                                                                 \
  X(PopupMenu, PopupMenu1) X(PopupMenu, PopupMenu2) X(PopupMenu, PopupMenu3)                \
  X(PopupMenu, PopupMenu4) X(PopupMenu, PopupMenu5) X(PopupMenu, PopupMenu6)                \
  X(PopupMenu, PopupMenu7) X(PopupMenu, PopupMenu8) X(PopupMenu, PopupMenu9)                \
  X(PopupMenu, PopupMenu10) X(PopupMenu, PopupMenu11) X(PopupMenu, PopupMenu12)             \
  X(PopupMenu, PopupMenu13) X(PopupMenu, PopupMenu14) X(PopupMenu, PopupMenu15)             \
  X(PopupMenu, PopupMenu16) X(CheckBox, CheckBox1) X(CheckBox, CheckBox2)                   \
  X(RoundRectangle, RoundRectangle1) X(PopupMenu, PopupMenu17) X(PopupMenu, PopupMenu18)    \
  X(TextField, TextField1) X(TextField, TextField2) X(Label, Label1)                        \
  X(PushButton, PushButton1) X(RoundRectangle, RoundRectangle2) X(PopupMenu, PopupMenu19)   \
  X(PopupMenu, PopupMenu20) X(TextField, TextField3) X(TextField, TextField4)               \
  X(Label, Label2) X(PushButton, PushButton2) X(RoundRectangle, RoundRectangle3)            \
  X(Label, Label3) X(PopupMenu, PopupMenu22) X(PopupMenu, PopupMenu21)                      \
  X(PushButton, PushButton3) X(TextField, TextField5) X(TextField, TextField6)              \
  X(RoundRectangle, RoundRectangle4) X(Label, Label4) X(TextField, TextField7)              \
  X(TextField, TextField8) X(PopupMenu, PopupMenu23) X(PushButton, PushButton4)             \
  X(PopupMenu, PopupMenu24) X(Label, Label5) X(Label, Label6) X(Label, Label7)              \
  X(RoundRectangle, RoundRectangle5) X(Label, Label19) X(Label, Label20) X(Label, Label21)  \
  X(TextField, TextField13) X(TextField, TextField14) X(Label, Label23)                     \
  X(PushButton, PushButton7) X(Label, Label22) X(RoundRectangle, RoundRectangle6)           \
  X(Label, Label9) X(Label, Label10) X(Label, Label11) X(PushButton, PushButton5)           \
  X(TextField, TextField9) X(TextField, TextField10) X(Label, Label12) X(Label, Label13)    \
  X(RoundRectangle, RoundRectangle7) X(TextField, TextField11) X(TextField, TextField12)    \
  X(Label, Label18) X(Label, Label17) X(Label, Label14) X(Label, Label15) X(Label, Label16)  \
  X(PushButton, PushButton6) X(PushButton, PushButton8) X(PushButton, PushButton9)          \
  X(Label, Label26) X(Listbox, Listbox1) X(Timer, Timer1) X(Timer, Timer2)                  \
  X(PushButton, PushButton10) X(Label, Label28) X(TextField, TextField15)                   \
  X(PushButton, PushButton11) X(Timer, Timer3)

// The control event handlers in the class table's order: name, sender class.
// Label26_MouseDown, which also takes the click's position and answers a
// Boolean, stands apart.
#define WINDOW1_HANDLERS(X)                                                                 \
  X(PopupMenu1_Open, PopupMenu) X(PopupMenu1_Change, PopupMenu)                             \
  X(PopupMenu2_Open, PopupMenu) X(PopupMenu2_Change, PopupMenu)                             \
  X(PopupMenu3_Open, PopupMenu) X(PopupMenu3_Change, PopupMenu)                             \
  X(PopupMenu4_Open, PopupMenu) X(PopupMenu4_Change, PopupMenu)                             \
  X(PopupMenu5_Open, PopupMenu) X(PopupMenu5_Change, PopupMenu)                             \
  X(PopupMenu6_Open, PopupMenu) X(PopupMenu6_Change, PopupMenu)                             \
  X(PopupMenu7_Open, PopupMenu) X(PopupMenu7_Change, PopupMenu)                             \
  X(PopupMenu8_Open, PopupMenu) X(PopupMenu8_Change, PopupMenu)                             \
  X(PopupMenu9_Open, PopupMenu) X(PopupMenu10_Open, PopupMenu) X(PopupMenu11_Open, PopupMenu) \
  X(PopupMenu12_Open, PopupMenu) X(PopupMenu13_Open, PopupMenu)                             \
  X(PopupMenu14_Open, PopupMenu) X(PopupMenu15_Open, PopupMenu)                             \
  X(PopupMenu16_Open, PopupMenu) X(CheckBox1_Action, CheckBox) X(CheckBox2_Action, CheckBox) \
  X(PopupMenu17_Change, PopupMenu) X(PopupMenu18_Change, PopupMenu)                         \
  X(PushButton1_Action, PushButton) X(PopupMenu19_Change, PopupMenu)                        \
  X(PopupMenu20_Change, PopupMenu) X(PushButton2_Action, PushButton)                        \
  X(PopupMenu22_Change, PopupMenu) X(PopupMenu21_Change, PopupMenu)                         \
  X(PushButton3_Action, PushButton) X(PopupMenu23_Change, PopupMenu)                        \
  X(PushButton4_Action, PushButton) X(PopupMenu24_Change, PopupMenu)                        \
  X(PushButton7_Action, PushButton) X(PushButton5_Action, PushButton)                       \
  X(PushButton6_Action, PushButton) X(PushButton8_Action, PushButton)                       \
  X(PushButton9_Action, PushButton)

#define WINDOW1_LATE_HANDLERS(X)                                                            \
  X(Listbox1_Open, Listbox) X(Timer1_Action, Timer) X(Timer2_Action, Timer)                 \
  X(PushButton10_Action, PushButton) X(PushButton11_Action, PushButton) X(Timer3_Action, Timer)

// The menu item accessors in the class table's order: class, then name.
#define WINDOW1_MENU_ITEMS(X)                                                               \
  X(MenuItem, instructionsMenu) X(MenuItem, instructionsinstructions) X(MenuItem, EditMenu) \
  X(MenuItem, EditSelectAll) X(MenuItem, UntitledMenu0) X(MenuItem, EditClear)              \
  X(MenuItem, EditPaste) X(MenuItem, EditCopy) X(MenuItem, EditCut)                         \
  X(MenuItem, UntitledMenu1) X(MenuItem, EditUndo) X(MenuItem, FileMenu)                    \
  X(AppleMenuItem, FileAboutQuandrel2012) X(QuitMenuItem, FileQuit)

// The main window's three timers: each its own class ("Window1.Timer1" and so
// on), a Timer that knows its owning window and its control-array index.
template <int N>
class Window1Timer : public fw::Timer, public fw::PaneChild {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  void SetWindow(const std::shared_ptr<fw::Window>& window) override { ownerWindow_ = window; }
  std::shared_ptr<fw::Window> Window() const override { return ownerWindow_.lock(); }
  int32_t Index() const override { return index_; }
  void SetIndex(int32_t index) override { index_ = index; }
  void Constructor() {}

 private:
  int32_t index_ = 0;
  // Held weakly: the window owns its timers.
  std::weak_ptr<fw::Window> ownerWindow_;
};
using Window1Timer1 = Window1Timer<1>;
using Window1Timer2 = Window1Timer<2>;
using Window1Timer3 = Window1Timer<3>;

class Window1 : public fw::Window {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  // The team pool: pool entries not yet placed in a match-up slot.
  std::vector<std::string> team;
  // Opened flags of team places 1 to 8.
  int32_t one = 0, two = 0, three = 0, four = 0, five = 0, six = 0, seven = 0, eight = 0;
  // 1 once the results table has been filled.
  int32_t listit = 0;
  std::string TeamList;

  Window1();

  // Construction hooks.
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();
  void CreateControls1();
  void CreateControls2();

  // Control accessors: each looks its control up by name at every call.
#define WINDOW1_ACCESSOR(Class, Name) std::shared_ptr<fw::Class> Name();
  WINDOW1_CONTROLS(WINDOW1_ACCESSOR)
#undef WINDOW1_ACCESSOR

  // Control event handlers.
#define WINDOW1_HANDLER(Name, Sender) void Name(fw::Sender& sender);
  WINDOW1_HANDLERS(WINDOW1_HANDLER)
  bool Label26_MouseDown(fw::Label& sender, int32_t x, int32_t y);
  WINDOW1_LATE_HANDLERS(WINDOW1_HANDLER)
#undef WINDOW1_HANDLER

  // Menu item accessors.
#define WINDOW1_MENU_ACCESSOR(Class, Name) std::shared_ptr<fw::Class> Name();
  WINDOW1_MENU_ITEMS(WINDOW1_MENU_ACCESSOR)
#undef WINDOW1_MENU_ACCESSOR

  // Menu commands.
  void AddMenuHandlers(fw::Window& window) override;
  void Event_EnableMenuItems();
  bool FileAboutQuandrel2012_Action();
  bool Instructionsinstructions_Action();

 protected:
  void EnableMenuItems() override { Event_EnableMenuItems(); }
};

// The main window's single instance: the open one, or a new one.
std::shared_ptr<Window1> GetWindow1();
