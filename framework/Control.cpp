#include "framework/Control.h"

#include "framework/Runtime.h"
#include "framework/Window.h"

namespace fw {

const ClassInfo& Control::StaticClass() {
  return BuildOnce([] {
    ClassInfo c("Control", &Object::StaticClass());
    c.Property(AccessorProperty<Control, std::string>("Name", &Control::SetName, &Control::Name));
    c.Property(AccessorProperty<Control, int32_t>("Index", &Control::SetIndex, &Control::Index));
    return c;
  });
}

Control::~Control() {
  if (view_) view_->Release();
}

void Control::AttachTo(const std::shared_ptr<fw::Window>& window, ControlView* view) {
  window_ = window;
  view_ = view;
}

void Control::Bind(int eventIndex, Delegate handler) {
  const EventInfo* event = Class().FindEvent(eventIndex);
  if (!event)
    throw InvalidArgumentException(Class().Name() + " has no event number " +
                                   std::to_string(eventIndex));
  if (event->signature != handler.signature)
    throw InvalidArgumentException("the handler of " + Class().Name() + "." + event->name +
                                   " must have the signature \"" + event->signature +
                                   "\", not \"" + handler.signature + "\"");
  handlers_[eventIndex] = std::move(handler);
}

bool Control::RaiseEvent(int eventIndex, const EventArgs& args) {
  auto it = handlers_.find(eventIndex);
  if (it == handlers_.end()) return false;
  // The handler may rebind or close the window: hold both for the whole run.
  Delegate handler = it->second;
  std::shared_ptr<Object> self = shared_from_this();
  std::shared_ptr<fw::Window> window = window_.lock();
  bool result = false;
  CallHandler([&] { result = handler.call(this, args); });
  return result;
}

void Control::EndUpdate() {
  if (batch_ > 0 && --batch_ == 0 && view_) view_->Update(Aspect::All);
}

void Control::Changed(Aspect aspect) {
  if (view_ && batch_ == 0) view_->Update(aspect);
}

const ClassInfo& RectControl::StaticClass() {
  return BuildOnce([] {
    using R = RectControl;
    ClassInfo c("RectControl", &Control::StaticClass());
    c.Property(AccessorProperty<R, int32_t>("Left", &R::SetLeft, &R::Left))
        .Property(AccessorProperty<R, int32_t>("Top", &R::SetTop, &R::Top))
        .Property(AccessorProperty<R, int32_t>("Width", &R::SetWidth, &R::Width))
        .Property(AccessorProperty<R, int32_t>("Height", &R::SetHeight, &R::Height))
        .Property(AccessorProperty<R, bool>("LockLeft", &R::SetLockLeft, &R::LockLeft))
        .Property(AccessorProperty<R, bool>("LockTop", &R::SetLockTop, &R::LockTop))
        .Property(AccessorProperty<R, bool>("LockRight", &R::SetLockRight, &R::LockRight))
        .Property(AccessorProperty<R, bool>("LockBottom", &R::SetLockBottom, &R::LockBottom))
        .Property(AccessorProperty<R, int32_t>("TabPanelIndex", &R::SetTabPanelIndex,
                                               &R::TabPanelIndex))
        .Property(AccessorProperty<R, int32_t>("TabIndex", &R::SetTabIndex, &R::TabIndex))
        .Property(AccessorProperty<R, bool>("TabStop", &R::SetTabStop, &R::TabStop))
        .Property(AccessorProperty<R, bool>("Enabled", &R::SetEnabled, &R::Enabled))
        .Property(AccessorProperty<R, bool>("Visible", &R::SetVisible, &R::Visible))
        .Property(AccessorProperty<R, std::string>("HelpTag", &R::SetHelpTag, &R::HelpTag))
        .Property(AccessorProperty<R, bool>("AutoDeactivate", &R::SetAutoDeactivate,
                                            &R::AutoDeactivate))
        .Property(AccessorProperty<R, std::string>("TextFont", &R::SetTextFont, &R::TextFont))
        .Property(AccessorProperty<R, bool>("Bold", &R::SetBold, &R::Bold))
        .Property(AccessorProperty<R, bool>("Italic", &R::SetItalic, &R::Italic))
        .Property(AccessorProperty<R, bool>("Underline", &R::SetUnderline, &R::Underline))
        .Property(AccessorProperty<R, std::string>("DataSource", &R::SetDataSource,
                                                   &R::DataSource))
        .Property(AccessorProperty<R, std::string>("DataField", &R::SetDataField,
                                                   &R::DataField))
        .Property(AccessorProperty<R, std::string>("InitialParent", &R::SetInitialParent,
                                                   &R::InitialParent));
    return c;
  });
}

std::shared_ptr<RectControl> RectControl::Parent() const {
  if (InitialParent().empty()) return nullptr;
  auto window = Window();
  if (!window) return nullptr;
  return std::dynamic_pointer_cast<RectControl>(window->ControlByName(InitialParent()));
}

}  // namespace fw
