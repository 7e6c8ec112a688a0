#pragma once
// Menus: a menu bar holds top menus, which hold items. Items are found by
// their Name; a Text of "-" makes a separator.
#include <memory>
#include <string>
#include <vector>

#include "framework/Object.h"

namespace fw {

class MenuItem : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  std::string Name;
  std::string Text;
  std::string KeyboardShortcut;  // "Cmd+Q": Cmd is the platform's primary modifier
  bool AutoEnable = true;
  bool Enabled = true;

  void Append(const std::shared_ptr<MenuItem>& item);
  int32_t Count() const { return static_cast<int32_t>(children_.size()); }
  std::shared_ptr<MenuItem> Item(int32_t index) const;
  const std::vector<std::shared_ptr<MenuItem>>& Items() const { return children_; }
  // A direct child by Name, without regard to case; nil when none.
  std::shared_ptr<MenuItem> Child(const std::string& name) const;
  // Searches the children and their children by Name; nil when none.
  std::shared_ptr<MenuItem> Lookup(const std::string& name) const;
  bool IsSeparator() const { return Text == "-"; }

 private:
  std::vector<std::shared_ptr<MenuItem>> children_;
};

// Choosing it ends the event loop.
class QuitMenuItem : public MenuItem {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

// The item that belongs in the application menu (About).
class AppleMenuItem : public MenuItem {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

class MenuBar : public MenuItem {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

// The Edit items the framework serves on the focused text control.
enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear, SelectAll };
EditCommand EditCommandOf(const MenuItem& item);

}  // namespace fw
