#include "framework/ComboBox.h"

namespace fw {

const ClassInfo& ComboBox::StaticClass() {
  return BuildOnce([] {
    using K = ComboBox;
    ClassInfo c("ComboBox", &PopupMenu::StaticClass());
    c.Property(AccessorProperty<K, bool>("UseFocusRing", &K::SetUseFocusRing, &K::UseFocusRing))
        .Property(AccessorProperty<K, bool>("AutoComplete", &K::SetAutoComplete,
                                            &K::AutoComplete));
    return c;
  });
}

void ComboBox::SetText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  Changed(Aspect::Text);
}

}  // namespace fw
