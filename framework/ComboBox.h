#pragma once
// A combo box: a popup menu whose text the user may also type.
#include "framework/PopupMenu.h"

namespace fw {

class ComboBox : public PopupMenu {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  std::string Text() const override { return text_; }
  void SetText(const std::string& text);
  void UserEdited(const std::string& text) { text_ = text; }

  FW_PROPERTY(bool, UseFocusRing, useFocusRing_, true, Aspect::Options)
  FW_PROPERTY(bool, AutoComplete, autoComplete_, false, Aspect::Options)

 private:
  std::string text_;
};

}  // namespace fw
