#pragma once
// What text fields and text areas share: the editable text and its options.
#include "framework/Control.h"

namespace fw {

class TextEdit : public RectControl {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // The user typed: the text follows without raising anything.
  void UserEdited(const std::string& text) { text_ = text; }

  FW_PROPERTY(std::string, Text, text_, {}, Aspect::Text)
  FW_PROPERTY(bool, Border, border_, true, Aspect::Options)
  FW_PROPERTY(bool, UseFocusRing, useFocusRing_, true, Aspect::Options)
  FW_PROPERTY(Color, TextColor, textColor_, kBlack, Aspect::Colors)
  FW_PROPERTY(Color, BackColor, backColor_, kWhite, Aspect::Colors)
  FW_PROPERTY(std::string, Format, format_, {}, Aspect::Options)
  FW_PROPERTY(std::string, Mask, mask_, {}, Aspect::Options)
  FW_PROPERTY(bool, ReadOnly, readOnly_, false, Aspect::Options)
  FW_PROPERTY(int32_t, LimitText, limitText_, 0, Aspect::Options)
  FW_PROPERTY(bool, AcceptTabs, acceptTabs_, false, Aspect::Options)
  FW_PROPERTY(int32_t, Alignment, alignment_, 0, Aspect::Options)
  FW_PROPERTY(bool, AutomaticallyCheckSpelling, checkSpelling_, false, Aspect::Options)
};

class TextField : public TextEdit {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  FW_PROPERTY(bool, Password, password_, false, Aspect::Options)
  FW_PROPERTY(std::string, CueText, cueText_, {}, Aspect::Options)
};

class TextArea : public TextEdit {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  FW_PROPERTY(bool, MultiLine, multiLine_, true, Aspect::Options)
  FW_PROPERTY(bool, ScrollBarHorizontal, scrollBarHorizontal_, false, Aspect::Options)
  FW_PROPERTY(bool, ScrollBarVertical, scrollBarVertical_, true, Aspect::Options)
  FW_PROPERTY(bool, Styled, styled_, false, Aspect::Options)
  FW_PROPERTY(bool, HideSelection, hideSelection_, true, Aspect::Options)
};

}  // namespace fw
