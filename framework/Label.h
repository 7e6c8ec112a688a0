#pragma once
// A label: a line or more of text; it reports a mouse-down.
#include "framework/Control.h"

namespace fw {

class Label : public RectControl {
 public:
  static constexpr int kMouseDown = 16;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  FW_PROPERTY(std::string, Text, text_, {}, Aspect::Text)
  FW_PROPERTY(int32_t, TextAlign, textAlign_, 0, Aspect::Text)
  FW_PROPERTY(Color, TextColor, textColor_, kBlack, Aspect::Colors)
  FW_PROPERTY(bool, MultiLine, multiLine_, false, Aspect::Text)
  FW_PROPERTY(bool, Selectable, selectable_, false, Aspect::Options)
  FW_PROPERTY(bool, Transparent, transparent_, false, Aspect::Colors)

 public:
  // The user pressed the mouse button on the label.
  bool UserMouseDown(int32_t x, int32_t y);
};

}  // namespace fw
