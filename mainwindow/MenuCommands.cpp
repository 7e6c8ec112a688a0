// The window's own menu commands: About and the instructions. Each opens its
// single-instance window modelessly and leaves the tournament alone.
#include "auxwindows/Window2.h"
#include "auxwindows/Window3.h"
#include "mainwindow/Window1.h"

namespace {

// A nil window cannot be shown; with windows made on demand it never is.
template <class W>
bool ShowWindow(const std::shared_ptr<W>& window, const char* what) {
  if (!window) throw fw::NilObjectException(std::string("no ") + what + " window to show");
  window->Show();
  return true;
}

}  // namespace

void Window1::AddMenuHandlers(fw::Window& window) {
  // The framework names the window the handlers serve; they are registered
  // on this one, which receives the menu commands.
  Window1& served = fw::CastRef<Window1>(window);
  AddMenuHandler(
      "FileAboutQuandrel2012",
      fw::MethodDelegate(served, &Window1::FileAboutQuandrel2012_Action, "(  ) as Boolean"));
  AddMenuHandler(
      "Instructionsinstructions",
      fw::MethodDelegate(served, &Window1::Instructionsinstructions_Action, "(  ) as Boolean"));
}

// Every item keeps what its AutoEnable setting gives it.
void Window1::Event_EnableMenuItems() {}

bool Window1::FileAboutQuandrel2012_Action() { return ShowWindow(GetWindow2(), "About"); }

bool Window1::Instructionsinstructions_Action() { return ShowWindow(GetWindow3(), "Instructions"); }
