#pragma once
// The application object: one per process, it holds the application's menu
// bar.
#include <memory>

#include "framework/MenuItem.h"

namespace fw {

class Application : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  std::shared_ptr<fw::MenuItem> MenuBar() const { return menuBar_; }
  void SetMenuBar(const std::shared_ptr<fw::MenuItem>& bar);

 private:
  std::shared_ptr<fw::MenuItem> menuBar_;
};

}  // namespace fw
