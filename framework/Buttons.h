#pragma once
// The two clickable controls: the check box and the push button.
#include "framework/Control.h"

namespace fw {

class CheckBox : public RectControl {
 public:
  static constexpr int kAction = 15;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  FW_PROPERTY(std::string, Caption, caption_, {}, Aspect::Text)

 public:
  bool Value() const { return state_ == 1; }
  // Setting the check mark from code raises nothing.
  void SetValue(bool value) { SetState(value ? 1 : 0); }
  int32_t State() const { return state_; }
  void SetState(int32_t state);
  // The user clicked the box: the mark follows, then Action runs.
  void UserClick(bool checked);

 private:
  int32_t state_ = 0;
};

class PushButton : public RectControl {
 public:
  static constexpr int kAction = 15;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  FW_PROPERTY(std::string, Caption, caption_, {}, Aspect::Text)
  FW_PROPERTY(bool, Default, default_, false, Aspect::Options)
  FW_PROPERTY(bool, Cancel, cancel_, false, Aspect::Options)
  FW_PROPERTY(int32_t, ButtonStyle, buttonStyle_, 0, Aspect::Options)

 public:
  // Runs Action at once, nested; a disabled button does nothing, as it does
  // when clicked.
  void Push();
  void UserClick();
};

}  // namespace fw
