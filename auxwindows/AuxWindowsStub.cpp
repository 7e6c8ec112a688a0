// Placeholder until the About box and the Instructions window are built.
#include "auxwindows/Window2.h"
#include "auxwindows/Window3.h"

const fw::ClassInfo& Window2::StaticClass() {
  return fw::BuildOnce([] { return fw::ClassInfo("Window2", &fw::Window::StaticClass()); });
}
void Window2::Layout() {}
void Window2::CreateControls() {}
void Window2::CreateControls0() {}
void Window2::PushButton1_Action(fw::PushButton&) {}
bool Window2::Label3_MouseDown(fw::Label&, int32_t, int32_t) { return false; }
std::shared_ptr<Window2> GetWindow2() {
  auto open = fw::Cast<Window2>(fw::Window::GetImplicitWindow(Window2::StaticClass()));
  return open ? open : fw::Window::Create<Window2>();
}

const fw::ClassInfo& Window3::StaticClass() {
  return fw::BuildOnce([] { return fw::ClassInfo("Window3", &fw::Window::StaticClass()); });
}
void Window3::Layout() {}
void Window3::CreateControls() {}
void Window3::CreateControls0() {}
void Window3::PushButton1_Action(fw::PushButton&) {}
const std::string& InstructionsText() {
  static const std::string text;
  return text;
}
std::shared_ptr<Window3> GetWindow3() {
  auto open = fw::Cast<Window3>(fw::Window::GetImplicitWindow(Window3::StaticClass()));
  return open ? open : fw::Window::Create<Window3>();
}
