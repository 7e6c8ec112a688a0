#include "framework/RoundRectangle.h"

namespace fw {

const ClassInfo& RoundRectangle::StaticClass() {
  return BuildOnce([] {
    using R = RoundRectangle;
    ClassInfo c("RoundRectangle", &RectControl::StaticClass());
    c.Property(AccessorProperty<R, Color>("FillColor", &R::SetFillColor, &R::FillColor))
        .Property(AccessorProperty<R, int32_t>("BorderWidth", &R::SetBorderWidth, &R::BorderWidth))
        .Property(AccessorProperty<R, Color>("BorderColor", &R::SetBorderColor, &R::BorderColor))
        .Property(AccessorProperty<R, int32_t>("OvalWidth", &R::SetOvalWidth, &R::OvalWidth))
        .Property(AccessorProperty<R, int32_t>("OvalHeight", &R::SetOvalHeight, &R::OvalHeight));
    return c;
  });
}

}  // namespace fw
