#pragma once
// A window: its design values, its controls registered by name, its menu bar
// and menu handlers, and the single open instance of each window class.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Backend.h"
#include "framework/Control.h"
#include "framework/Delegate.h"
#include "framework/MenuItem.h"

namespace fw {

class Window : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  ~Window() override;

  // Makes and builds a window of class W: Layout, CreateControls, the
  // controls' Open events, the menu handlers; shown when its record says so.
  template <class W>
  static std::shared_ptr<W> Create() {
    auto window = std::make_shared<W>();
    window->Construct();
    return window;
  }
  // The open window of exactly this class, or nil.
  static std::shared_ptr<Window> GetImplicitWindow(const ClassInfo& cls);
  static std::vector<std::shared_ptr<Window>> OpenWindows();
  static void CloseAll();

  void Show();
  void Close();
  bool IsClosed() const { return closed_; }

  // Registers a control under its name: the window owns it from now on.
  void AddControl(const std::shared_ptr<Control>& control, const std::string& name);
  // The control of that name, or nil.
  std::shared_ptr<Control> ControlByName(std::string_view name) const;
  // The control of that name, cast to C: a name the window does not know
  // raises NilObjectException, a control of another class IllegalCastException.
  template <class C>
  std::shared_ptr<C> NamedControl(std::string_view name) const {
    return Cast<C>(RequiredControl(name));
  }
  const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }

  std::shared_ptr<fw::MenuItem> MenuBar() const { return menuBar_; }
  void SetMenuBar(const std::shared_ptr<fw::MenuItem>& bar);
  // Menu handlers go by the item's Name, compared without regard to case.
  void AddMenuHandler(const std::string& itemName, Delegate handler);
  bool HasMenuHandler(const std::string& itemName) const;
  // Runs the handler for the item; true when one handled it.
  bool HandleMenuCommand(const fw::MenuItem& item);
  // Before a menu shows: items with handlers are enabled, then the window's
  // own EnableMenuItems runs.
  void RunEnableMenuItems();

  // The user asked to close the window with its close box.
  void UserClose();

  void BeginUpdate() override { ++batch_; }
  void EndUpdate() override;
  WindowView* View() const { return view_; }

  FW_PROPERTY(int32_t, Placement, placement_, 0, Aspect::Options)
  FW_PROPERTY(int32_t, Width, width_, 300, Aspect::Geometry)
  FW_PROPERTY(int32_t, Height, height_, 300, Aspect::Geometry)
  FW_PROPERTY(int32_t, MinWidth, minWidth_, 64, Aspect::Geometry)
  FW_PROPERTY(int32_t, MinHeight, minHeight_, 64, Aspect::Geometry)
  FW_PROPERTY(int32_t, MaxWidth, maxWidth_, 32000, Aspect::Geometry)
  FW_PROPERTY(int32_t, MaxHeight, maxHeight_, 32000, Aspect::Geometry)
  FW_PROPERTY(int32_t, Frame, frame_, 0, Aspect::Options)
  FW_PROPERTY(bool, Composite, composite_, false, Aspect::Options)
  FW_PROPERTY(bool, HasBackColor, hasBackColor_, false, Aspect::Colors)
  FW_PROPERTY(Color, BackColor, backColor_, kWhite, Aspect::Colors)
  FW_PROPERTY(std::string, Title, title_, {}, Aspect::Title)
  FW_PROPERTY(bool, Visible, visible_, true, Aspect::Visible)
  FW_PROPERTY(bool, FullScreen, fullScreen_, false, Aspect::Options)
  FW_PROPERTY(bool, MenuBarVisible, menuBarVisible_, true, Aspect::MenuBar)
  FW_PROPERTY(bool, CloseButton, closeButton_, true, Aspect::Options)
  FW_PROPERTY(bool, Resizeable, resizeable_, true, Aspect::Geometry)
  FW_PROPERTY(bool, LiveResize, liveResize_, false, Aspect::Options)
  FW_PROPERTY(bool, MaximizeButton, maximizeButton_, true, Aspect::Options)
  FW_PROPERTY(bool, MinimizeButton, minimizeButton_, true, Aspect::Options)
  FW_PROPERTY(int32_t, MacProcId, macProcId_, 0, Aspect::Options)

 protected:
  // The construction hooks, in this order.
  virtual void Layout() {}
  virtual void CreateControls() {}
  // Registers the window's menu handlers; given the window they serve.
  virtual void AddMenuHandlers(Window&) {}
  // The window's EnableMenuItems event.
  virtual void EnableMenuItems() {}

  void Changed(Aspect aspect);

 private:
  void Construct();
  std::shared_ptr<Control> RequiredControl(std::string_view name) const;

  std::vector<std::shared_ptr<Control>> controls_;
  std::map<std::string, std::shared_ptr<Control>, std::less<>> byName_;
  std::shared_ptr<fw::MenuItem> menuBar_;
  std::vector<std::pair<std::string, Delegate>> menuHandlers_;
  WindowView* view_ = nullptr;
  bool closed_ = false;
  bool constructed_ = false;
  int batch_ = 0;
};

}  // namespace fw
