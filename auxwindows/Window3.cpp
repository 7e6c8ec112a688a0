#include "auxwindows/Window3.h"

#include <string>

#include "auxwindows/AuxDesign.h"
#include "framework/Record.h"

namespace {

using auxwindows::ControlDesign;
using auxwindows::Kind;

// The button's right edge lines up with the text area's, 508 pixels in.
const std::vector<ControlDesign>& Designs() {
  // clang-format off
  static const std::vector<ControlDesign> controls{
      {.name = "TextArea1", .cls = Kind::TextArea, .left = 28, .top = 24, .width = 480,
       .height = 259, .text = InstructionsText().c_str(), .tabIndex = 0},
      {.name = "PushButton1", .cls = Kind::PushButton, .left = 428, .top = 308, .width = 80,
       .height = 20, .text = "OK", .tabIndex = 1,
       .extras = {.buttonStyle = auxwindows::kButtonStyle}},
  };
  // clang-format on
  return controls;
}

const std::vector<std::string>& Records() {
  static const std::vector<std::string> records = auxwindows::ControlRecords(Designs());
  return records;
}

// Only the button has a handler; the text area's edits go nowhere.
fw::Delegate HandlerOf(Window3& window, std::string_view control) {
  if (control == "PushButton1")
    return fw::MethodDelegate(window, &Window3::PushButton1_Action, auxwindows::kActionSignature);
  return {};
}

}  // namespace

const fw::ClassInfo& Window3::StaticClass() {
  return fw::BuildOnce([] {
    return auxwindows::ClassTable("Window3", Designs(),
                                  {{"PushButton1_Action", auxwindows::kActionSignature}});
  });
}

void Window3::Layout() {
  static const std::string record = auxwindows::WindowRecord(600, 361, "Instructions");
  fw::SetProperties(*this, record);
}

void Window3::CreateControls() { CreateControls0(); }

void Window3::CreateControls0() {
  auxwindows::CreateControls(*this, Designs(), Records(),
                             [this](std::string_view name) { return HandlerOf(*this, name); });
}

std::shared_ptr<fw::TextArea> Window3::TextArea1() {
  return NamedControl<fw::TextArea>("TextArea1");
}
std::shared_ptr<fw::PushButton> Window3::PushButton1() {
  return NamedControl<fw::PushButton>("PushButton1");
}

void Window3::PushButton1_Action(fw::PushButton&) { Close(); }

std::shared_ptr<Window3> GetWindow3() { return auxwindows::SingleInstance<Window3>(); }
