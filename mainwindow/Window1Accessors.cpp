// The control and menu item accessors: each asks anew at every call, so it
// answers for the window it is called on, a new one after Restart included.
#include "mainwindow/Window1.h"

namespace {

std::shared_ptr<fw::MenuItem> BarOf(const Window1& window) {
  std::shared_ptr<fw::MenuItem> bar = window.MenuBar();
  if (!bar) throw fw::NilObjectException("the main window has no menu bar");
  return bar;
}

}  // namespace

#define WINDOW1_ACCESSOR(Class, Name) \
  std::shared_ptr<fw::Class> Window1::Name() { return NamedControl<fw::Class>(#Name); }
WINDOW1_CONTROLS(WINDOW1_ACCESSOR)
#undef WINDOW1_ACCESSOR

#define WINDOW1_MENU_ACCESSOR(Class, Name) \
  std::shared_ptr<fw::Class> Window1::Name() { return fw::Cast<fw::Class>(BarOf(*this)->Lookup(#Name)); }
WINDOW1_MENU_ITEMS(WINDOW1_MENU_ACCESSOR)
#undef WINDOW1_MENU_ACCESSOR
