#include "framework/Buttons.h"

#include "framework/Runtime.h"

namespace fw {

const ClassInfo& CheckBox::StaticClass() {
  return BuildOnce([] {
    using K = CheckBox;
    ClassInfo c("CheckBox", &RectControl::StaticClass());
    c.Property(AccessorProperty<K, std::string>("Caption", &K::SetCaption, &K::Caption))
        .Property(AccessorProperty<K, int32_t>("State", &K::SetState, &K::State))
        .Property(AccessorProperty<K, bool>("Value", &K::SetValue, &K::Value))
        .Event(kAction, "Action", "( CheckBox )");
    return c;
  });
}

void CheckBox::SetState(int32_t state) {
  if (state < 0 || state > 2)
    throw OutOfBoundsException("a check box state is 0, 1 or 2, not " + std::to_string(state));
  if (state == state_) return;
  state_ = state;
  Changed(Aspect::Value);
}

void CheckBox::UserClick(bool checked) {
  if (!Enabled()) return;
  DeliverEvent([&] {
    SetValue(checked);
    RaiseEvent(kAction);
  });
}

const ClassInfo& PushButton::StaticClass() {
  return BuildOnce([] {
    using P = PushButton;
    ClassInfo c("PushButton", &RectControl::StaticClass());
    c.Property(AccessorProperty<P, std::string>("Caption", &P::SetCaption, &P::Caption))
        .Property(AccessorProperty<P, bool>("Default", &P::SetDefault, &P::Default))
        .Property(AccessorProperty<P, bool>("Cancel", &P::SetCancel, &P::Cancel))
        .Property(AccessorProperty<P, int32_t>("ButtonStyle", &P::SetButtonStyle,
                                               &P::ButtonStyle))
        .Event(kAction, "Action", "( PushButton )");
    return c;
  });
}

void PushButton::Push() {
  if (Enabled()) RaiseEvent(kAction);
}

void PushButton::UserClick() {
  DeliverEvent([&] { Push(); });
}

}  // namespace fw
