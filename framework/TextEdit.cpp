#include "framework/TextEdit.h"

namespace fw {

const ClassInfo& TextEdit::StaticClass() {
  return BuildOnce([] {
    using T = TextEdit;
    ClassInfo c("TextEdit", &RectControl::StaticClass());
    c.Property(AccessorProperty<T, std::string>("Text", &T::SetText, &T::Text))
        .Property(AccessorProperty<T, bool>("Border", &T::SetBorder, &T::Border))
        .Property(AccessorProperty<T, bool>("UseFocusRing", &T::SetUseFocusRing, &T::UseFocusRing))
        .Property(AccessorProperty<T, Color>("TextColor", &T::SetTextColor, &T::TextColor))
        .Property(AccessorProperty<T, Color>("BackColor", &T::SetBackColor, &T::BackColor))
        .Property(AccessorProperty<T, std::string>("Format", &T::SetFormat, &T::Format))
        .Property(AccessorProperty<T, std::string>("Mask", &T::SetMask, &T::Mask))
        .Property(AccessorProperty<T, bool>("ReadOnly", &T::SetReadOnly, &T::ReadOnly))
        .Property(AccessorProperty<T, int32_t>("LimitText", &T::SetLimitText, &T::LimitText))
        .Property(AccessorProperty<T, bool>("AcceptTabs", &T::SetAcceptTabs, &T::AcceptTabs))
        .Property(AccessorProperty<T, int32_t>("Alignment", &T::SetAlignment, &T::Alignment))
        .Property(AccessorProperty<T, bool>("AutomaticallyCheckSpelling",
                                            &T::SetAutomaticallyCheckSpelling,
                                            &T::AutomaticallyCheckSpelling));
    return c;
  });
}

const ClassInfo& TextField::StaticClass() {
  return BuildOnce([] {
    using T = TextField;
    ClassInfo c("TextField", &TextEdit::StaticClass());
    c.Property(AccessorProperty<T, bool>("Password", &T::SetPassword, &T::Password))
        .Property(AccessorProperty<T, std::string>("CueText", &T::SetCueText, &T::CueText));
    return c;
  });
}

const ClassInfo& TextArea::StaticClass() {
  return BuildOnce([] {
    using T = TextArea;
    ClassInfo c("TextArea", &TextEdit::StaticClass());
    c.Property(AccessorProperty<T, bool>("MultiLine", &T::SetMultiLine, &T::MultiLine))
        .Property(AccessorProperty<T, bool>("ScrollBarHorizontal", &T::SetScrollBarHorizontal,
                                            &T::ScrollBarHorizontal))
        .Property(AccessorProperty<T, bool>("ScrollBarVertical", &T::SetScrollBarVertical,
                                            &T::ScrollBarVertical))
        .Property(AccessorProperty<T, bool>("Styled", &T::SetStyled, &T::Styled))
        .Property(AccessorProperty<T, bool>("HideSelection", &T::SetHideSelection,
                                            &T::HideSelection));
    return c;
  });
}

}  // namespace fw
