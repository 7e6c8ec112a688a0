#include "framework/Window.h"

#include <algorithm>

#include "framework/Buttons.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/Runtime.h"
#include "framework/Strings.h"
#include "framework/TextEdit.h"
#include "framework/Timer.h"

namespace fw {

namespace {
// The framework keeps every open window; a window's class has at most one.
std::vector<std::shared_ptr<Window>>& OpenList() {
  static std::vector<std::shared_ptr<Window>> open;
  return open;
}
}  // namespace

const ClassInfo& Window::StaticClass() {
  return BuildOnce([] {
    using W = Window;
    ClassInfo c("Window", &Object::StaticClass());
    c.Method("Constructor").Method("Show").Method("Close").Method("_ControlByName",
                                                                "( String ) as Object");
    c.Property(AccessorProperty<W, int32_t>("Placement", &W::SetPlacement, &W::Placement))
        .Property(AccessorProperty<W, int32_t>("Width", &W::SetWidth, &W::Width))
        .Property(AccessorProperty<W, int32_t>("Height", &W::SetHeight, &W::Height))
        .Property(AccessorProperty<W, int32_t>("MinWidth", &W::SetMinWidth, &W::MinWidth))
        .Property(AccessorProperty<W, int32_t>("MinHeight", &W::SetMinHeight, &W::MinHeight))
        .Property(AccessorProperty<W, int32_t>("MaxWidth", &W::SetMaxWidth, &W::MaxWidth))
        .Property(AccessorProperty<W, int32_t>("MaxHeight", &W::SetMaxHeight, &W::MaxHeight))
        .Property(AccessorProperty<W, int32_t>("Frame", &W::SetFrame, &W::Frame))
        .Property(AccessorProperty<W, bool>("Composite", &W::SetComposite, &W::Composite))
        .Property(AccessorProperty<W, bool>("HasBackColor", &W::SetHasBackColor, &W::HasBackColor))
        .Property(AccessorProperty<W, Color>("BackColor", &W::SetBackColor, &W::BackColor))
        .Property(AccessorProperty<W, std::string>("Title", &W::SetTitle, &W::Title))
        .Property(AccessorProperty<W, bool>("Visible", &W::SetVisible, &W::Visible))
        .Property(AccessorProperty<W, bool>("FullScreen", &W::SetFullScreen, &W::FullScreen))
        .Property(AccessorProperty<W, bool>("MenuBarVisible", &W::SetMenuBarVisible,
                                            &W::MenuBarVisible))
        .Property(AccessorProperty<W, bool>("CloseButton", &W::SetCloseButton, &W::CloseButton))
        .Property(AccessorProperty<W, bool>("Resizeable", &W::SetResizeable, &W::Resizeable))
        .Property(AccessorProperty<W, bool>("LiveResize", &W::SetLiveResize, &W::LiveResize))
        .Property(AccessorProperty<W, bool>("MaximizeButton", &W::SetMaximizeButton,
                                            &W::MaximizeButton))
        .Property(AccessorProperty<W, bool>("MinimizeButton", &W::SetMinimizeButton,
                                            &W::MinimizeButton))
        .Property(AccessorProperty<W, int32_t>("MacProcId", &W::SetMacProcId, &W::MacProcId));
    return c;
  });
}

Window::~Window() {
  // A text the user typed is read from its widget when asked for; a control
  // that outlives the window keeps it from now on.
  for (const auto& control : controls_)
    if (auto* edit = dynamic_cast<TextEdit*>(control.get())) edit->Text();
  // Controls go first: their views are children of the window's view.
  byName_.clear();
  controls_.clear();
  if (view_) view_->Release();
}

std::shared_ptr<Window> Window::GetImplicitWindow(const ClassInfo& cls) {
  for (const auto& window : OpenList())
    if (&window->Class() == &cls && !window->closed_) return window;
  return nullptr;
}

std::vector<std::shared_ptr<Window>> Window::OpenWindows() { return OpenList(); }

void Window::CloseAll() {
  auto open = OpenList();
  for (const auto& window : open) window->Close();
}

void Window::Construct() {
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  OpenList().push_back(self);
  try {
    if (RuntimeActive()) view_ = TheBackend().CreateWindowView(*this);
    Layout();
    CreateControls();
    if (view_) view_->ControlsCreated();
    AddMenuHandlers(*this);
    constructed_ = true;
    // Open comes once for each control, in creation order, now that all exist.
    auto controls = controls_;
    for (const auto& control : controls) {
      if (closed_) break;
      if (IsA(control.get(), PopupMenu::StaticClass())) control->RaiseEvent(PopupMenu::kOpen);
      else if (IsA(control.get(), Listbox::StaticClass())) control->RaiseEvent(Listbox::kOpen);
    }
    if (visible_ && !closed_) Show();
  } catch (...) {
    Close();
    throw;
  }
}

void Window::Show() {
  if (closed_) return;
  visible_ = true;
  if (view_) view_->Show();
}

void Window::Close() {
  if (closed_) return;
  // Whoever closes the window may hold its last reference through the list.
  auto self = shared_from_this();
  closed_ = true;
  for (const auto& control : controls_)
    if (auto timer = std::dynamic_pointer_cast<Timer>(control)) timer->SetMode(Timer::kModeOff);
  auto& open = OpenList();
  open.erase(std::remove(open.begin(), open.end(), self), open.end());
  if (view_) view_->Hide();
}

void Window::AddControl(const std::shared_ptr<Control>& control, const std::string& name) {
  if (!control) throw NilObjectException("a nil control cannot be added to a window");
  if (byName_.count(name))
    throw InvalidArgumentException("the window already has a control named " + name);
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  control->SetName(name);
  ControlView* view = nullptr;
  controls_.push_back(control);
  byName_.emplace(name, control);
  if (view_) view = TheBackend().CreateControlView(*control);
  control->AttachTo(self, view);
  if (auto child = dynamic_cast<PaneChild*>(control.get())) child->SetWindow(self);
}

std::shared_ptr<Control> Window::ControlByName(std::string_view name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

std::shared_ptr<Control> Window::RequiredControl(std::string_view name) const {
  std::shared_ptr<Control> control = ControlByName(name);
  if (!control)
    throw NilObjectException(Class().Name() + " has no control " + std::string(name));
  return control;
}

void Window::SetMenuBar(const std::shared_ptr<fw::MenuItem>& bar) {
  menuBar_ = bar;
  Changed(Aspect::MenuBar);
}

void Window::AddMenuHandler(const std::string& itemName, Delegate handler) {
  menuHandlers_.emplace_back(itemName, std::move(handler));
}

bool Window::HasMenuHandler(const std::string& itemName) const {
  return std::any_of(menuHandlers_.begin(), menuHandlers_.end(),
                     [&](const auto& h) { return EqualsIgnoreCase(h.first, itemName); });
}

bool Window::HandleMenuCommand(const fw::MenuItem& item) {
  for (const auto& [name, handler] : menuHandlers_) {
    if (!EqualsIgnoreCase(name, item.Name)) continue;
    auto self = shared_from_this();
    Delegate call = handler;
    bool handled = false;
    CallHandler([&] { handled = call.call(nullptr, {}); });
    return handled;
  }
  return false;
}

void Window::RunEnableMenuItems() {
  if (menuBar_) {
    for (const auto& menu : menuBar_->Items())
      for (const auto& item : menu->Items())
        if (item->AutoEnable && HasMenuHandler(item->Name)) item->Enabled = true;
  }
  auto self = shared_from_this();
  CallHandler([&] { EnableMenuItems(); });
}

void Window::UserClose() {
  if (!closeButton_) return;
  DeliverEvent([&] { Close(); });
}

void Window::EndUpdate() {
  if (batch_ > 0 && --batch_ == 0 && view_) view_->Update(Aspect::All);
}

void Window::Changed(Aspect aspect) {
  if (view_ && batch_ == 0) view_->Update(aspect);
}

}  // namespace fw
