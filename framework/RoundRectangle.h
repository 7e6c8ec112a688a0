#pragma once
// A frame with rounded corners; other controls may sit inside it.
#include "framework/Control.h"

namespace fw {

class RoundRectangle : public RectControl {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  FW_PROPERTY(Color, FillColor, fillColor_, kWhite, Aspect::Colors)
  FW_PROPERTY(int32_t, BorderWidth, borderWidth_, 1, Aspect::Colors)
  FW_PROPERTY(Color, BorderColor, borderColor_, kBlack, Aspect::Colors)
  FW_PROPERTY(int32_t, OvalWidth, ovalWidth_, 16, Aspect::Colors)
  FW_PROPERTY(int32_t, OvalHeight, ovalHeight_, 16, Aspect::Colors)
};

}  // namespace fw
