#pragma once
// The Instructions window: the built-in instructions text and OK.
#include <memory>
#include <string>

#include "framework/Buttons.h"
#include "framework/TextEdit.h"
#include "framework/Window.h"

class Window3 : public fw::Window {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  std::shared_ptr<fw::TextArea> TextArea1();
  std::shared_ptr<fw::PushButton> PushButton1();

  void PushButton1_Action(fw::PushButton& sender);
};

// The instructions text as the window first shows it.
const std::string& InstructionsText();

// The Instructions window's single instance: the open one, or a new one.
std::shared_ptr<Window3> GetWindow3();
