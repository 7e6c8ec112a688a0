#pragma once
// A small window for the framework's tests: two popup menus around a list box,
// a check box, a push button and a timer, each handler writing one line to a
// journal that outlives the window.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Buttons.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/Record.h"
#include "framework/Timer.h"
#include "framework/Window.h"

namespace framework_tests {

inline std::vector<std::string>& Journal() {
  static std::vector<std::string> journal;
  return journal;
}

class EventWindow : public fw::Window {
 public:
  static const fw::ClassInfo& StaticClass() {
    return fw::BuildOnce(
        [] { return fw::ClassInfo("FrameworkTestEventWindow", &fw::Window::StaticClass()); });
  }
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  std::vector<std::shared_ptr<fw::PopupMenu>> popups;
  std::shared_ptr<fw::Listbox> list;
  std::shared_ptr<fw::CheckBox> check;
  std::shared_ptr<fw::PushButton> button;
  std::shared_ptr<fw::Timer> timer;
  // What the button's and the timer's Action do besides writing the journal.
  std::function<void()> onPush;
  std::function<void()> onTimer;

  void PopupOpen(fw::PopupMenu& popup) { Open(popup.Name()); }
  void ListOpen(fw::Listbox& listbox) { Open(listbox.Name()); }
  void PopupChange(fw::PopupMenu& popup) {
    Journal().push_back("Change " + popup.Name() + " " + std::to_string(popup.ListIndex()));
  }
  void CheckAction(fw::CheckBox& box) {
    Journal().push_back("Action " + box.Name() + " " + std::to_string(box.Value()));
  }
  void ButtonAction(fw::PushButton& pushed) {
    Journal().push_back("Action " + pushed.Name());
    if (onPush) onPush();
  }
  void TimerAction(fw::Timer& fired) {
    Journal().push_back("Action " + fired.Name());
    if (onTimer) onTimer();
  }

 protected:
  void CreateControls() override {
    AddPopup("Popup1");
    list = std::make_shared<fw::Listbox>();
    AddControl(list, "List1");
    list->Bind(fw::Listbox::kOpen,
               fw::MethodDelegate(*this, &EventWindow::ListOpen, "( Listbox )"));
    AddPopup("Popup2");
    // A record that selects row 0 of a menu that has no rows yet.
    fw::SetProperties(*popups.back(), fw::RecordBuilder().Int32("ListIndex", 0).Bytes());

    check = std::make_shared<fw::CheckBox>();
    AddControl(check, "Check1");
    check->Bind(fw::CheckBox::kAction,
                fw::MethodDelegate(*this, &EventWindow::CheckAction, "( CheckBox )"));
    button = std::make_shared<fw::PushButton>();
    AddControl(button, "Button1");
    button->Bind(fw::PushButton::kAction,
                 fw::MethodDelegate(*this, &EventWindow::ButtonAction, "( PushButton )"));
    timer = std::make_shared<fw::Timer>();
    AddControl(timer, "Timer1");
    fw::SetProperties(*timer, fw::RecordBuilder().Int32("Mode", 0).Int32("Period", 500).Bytes());
    timer->Bind(fw::Timer::kAction,
                fw::MethodDelegate(*this, &EventWindow::TimerAction, "( Timer )"));
  }

 private:
  void AddPopup(const std::string& name) {
    auto popup = std::make_shared<fw::PopupMenu>();
    AddControl(popup, name);
    popup->Bind(fw::PopupMenu::kOpen,
                fw::MethodDelegate(*this, &EventWindow::PopupOpen, "( PopupMenu )"));
    popup->Bind(fw::PopupMenu::kChange,
                fw::MethodDelegate(*this, &EventWindow::PopupChange, "( PopupMenu )"));
    popups.push_back(popup);
  }
  void Open(const std::string& name) {
    Journal().push_back("Open " + name + " " + std::to_string(Controls().size()));
  }
};

}  // namespace framework_tests
