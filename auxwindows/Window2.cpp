#include "auxwindows/Window2.h"

#include <string>

#include "auxwindows/AuxDesign.h"
#include "framework/Record.h"
#include "framework/Runtime.h"

namespace {

using auxwindows::ControlDesign;
using auxwindows::Kind;

// The product page, shown by the link label and opened by a mouse-down on it.
constexpr const char* kProductPage = "https://quandrel.example.org/";

// In creation order, which is also the drawing order: the empty combo box
// lies over the corner of the name label.
// clang-format off
const ControlDesign kControls[] = {
    {.name = "Label1", .cls = Kind::Label, .left = 89, .top = 25, .width = 142, .height = 53,
     .text = "Quandrel 2012\rversion 3.1.0", .textSize = 18, .bold = true, .tabIndex = 0,
     .extras = {.centred = true, .multiline = true}},
    {.name = "PushButton1", .cls = Kind::PushButton, .left = 211, .top = 149, .width = 69,
     .height = 31, .text = "OK", .tabIndex = 1,
     .extras = {.buttonStyle = auxwindows::kButtonStyle}},
    {.name = "Label3", .cls = Kind::Label, .left = 11, .top = 160, .width = 178, .height = 20,
     .text = kProductPage, .textSize = 9, .underline = true, .tabIndex = 2,
     .extras = {.colour = {0x66, 0x66, 0xFF}}},
    {.name = "ComboBox1", .cls = Kind::ComboBox, .left = 20, .top = 20, .width = 80,
     .height = 20, .tabIndex = 3},
};
// clang-format on

const std::vector<std::string>& Records() {
  static const std::vector<std::string> records = auxwindows::ControlRecords(kControls);
  return records;
}

fw::Delegate HandlerOf(Window2& window, std::string_view control) {
  if (control == "PushButton1")
    return fw::MethodDelegate(window, &Window2::PushButton1_Action, auxwindows::kActionSignature);
  if (control == "Label3")
    return fw::MethodDelegate(window, &Window2::Label3_MouseDown, auxwindows::kMouseDownSignature);
  return {};
}

}  // namespace

const fw::ClassInfo& Window2::StaticClass() {
  return fw::BuildOnce([] {
    return auxwindows::ClassTable("Window2", kControls,
                                  {{"PushButton1_Action", auxwindows::kActionSignature},
                                   {"Label3_MouseDown", auxwindows::kMouseDownSignature}});
  });
}

void Window2::Layout() {
  static const std::string record = auxwindows::WindowRecord(300, 200, "About Quandrel");
  fw::SetProperties(*this, record);
}

void Window2::CreateControls() { CreateControls0(); }

void Window2::CreateControls0() {
  auxwindows::CreateControls(*this, kControls, Records(),
                             [this](std::string_view name) { return HandlerOf(*this, name); });
}

std::shared_ptr<fw::Label> Window2::Label1() {
  return NamedControl<fw::Label>("Label1");
}
std::shared_ptr<fw::PushButton> Window2::PushButton1() {
  return NamedControl<fw::PushButton>("PushButton1");
}
std::shared_ptr<fw::Label> Window2::Label3() {
  return NamedControl<fw::Label>("Label3");
}
std::shared_ptr<fw::ComboBox> Window2::ComboBox1() {
  return NamedControl<fw::ComboBox>("ComboBox1");
}

void Window2::PushButton1_Action(fw::PushButton&) { Close(); }

bool Window2::Label3_MouseDown(fw::Label&, int32_t, int32_t) {
  // The handler keeps its own copy of the address rather than reading the
  // label; the box then closes whether or not a browser came up.
  const std::string page = kProductPage;
  fw::ShowURL(page);
  GetWindow2()->Close();
  return false;
}

std::shared_ptr<Window2> GetWindow2() { return auxwindows::SingleInstance<Window2>(); }
