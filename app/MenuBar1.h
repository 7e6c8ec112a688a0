#pragma once
// The application's menu bar: File, Edit and Instructions, built in code.
#include <memory>

#include "framework/MenuItem.h"

class MenuBar1 : public fw::MenuBar {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  // Builds the three menus, File, Edit and Instructions, in this order.
  void Constructor();
  void Untitled0();
  void Untitled1();
  void Untitled2();
};

// The one menu bar: made and built on the first call, the same ever after.
std::shared_ptr<MenuBar1> GetMenuBar1();
// Releases the one menu bar at the end of the process.
void ReleaseMenuBar1();
