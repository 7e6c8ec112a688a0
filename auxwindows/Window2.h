#pragma once
// The About box: product name and version, OK, and the product page link.
#include <memory>

#include "framework/Buttons.h"
#include "framework/ComboBox.h"
#include "framework/Label.h"
#include "framework/Window.h"

class Window2 : public fw::Window {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  std::shared_ptr<fw::Label> Label1();
  std::shared_ptr<fw::PushButton> PushButton1();
  std::shared_ptr<fw::Label> Label3();
  std::shared_ptr<fw::ComboBox> ComboBox1();

  void PushButton1_Action(fw::PushButton& sender);
  bool Label3_MouseDown(fw::Label& sender, int32_t x, int32_t y);
};

// The About box's single instance: the open one, or a new one.
std::shared_ptr<Window2> GetWindow2();
