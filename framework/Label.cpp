#include "framework/Label.h"

#include "framework/Runtime.h"

namespace fw {

const ClassInfo& Label::StaticClass() {
  return BuildOnce([] {
    using L = Label;
    ClassInfo c("Label", &RectControl::StaticClass());
    c.Property(AccessorProperty<L, std::string>("Text", &L::SetText, &L::Text))
        .Property(AccessorProperty<L, int32_t>("TextAlign", &L::SetTextAlign, &L::TextAlign))
        .Property(AccessorProperty<L, Color>("TextColor", &L::SetTextColor, &L::TextColor))
        .Property(AccessorProperty<L, bool>("MultiLine", &L::SetMultiLine, &L::MultiLine))
        .Property(AccessorProperty<L, bool>("Selectable", &L::SetSelectable, &L::Selectable))
        .Property(AccessorProperty<L, bool>("Transparent", &L::SetTransparent, &L::Transparent))
        .Event(kMouseDown, "MouseDown", "( Label, Int32, Int32 ) as Boolean");
    return c;
  });
}

bool Label::UserMouseDown(int32_t x, int32_t y) {
  if (!Enabled()) return false;
  bool handled = false;
  DeliverEvent([&] { handled = RaiseEvent(kMouseDown, {x, y}); });
  return handled;
}

}  // namespace fw
