#pragma once
// What text fields and text areas share: the editable text and its options.
#include <functional>
#include <optional>
#include <utility>

#include "framework/Control.h"

namespace fw {

class TextEdit : public RectControl {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // The user typed: the text follows without raising anything.
  void UserEdited(const std::string& text) {
    typed_ = nullptr;
    text_ = text;
  }
  // The same for a long text: typed gives the text when it is next read, so
  // that a keystroke in a megabyte of text does not copy the megabyte; where
  // it gives none (its widget is gone), the text stays as last read.
  void UserEdited(std::function<std::optional<std::string>()> typed) { typed_ = std::move(typed); }

  const std::string& Text() const {
    if (typed_)
      if (std::optional<std::string> typed = std::exchange(typed_, nullptr)())
        text_ = std::move(*typed);
    return text_;
  }
  void SetText(const std::string& value) {
    if (Text() == value) return;
    text_ = value;
    Changed(Aspect::Text);
  }

 private:
  mutable std::string text_;
  mutable std::function<std::optional<std::string>()> typed_;

 public:
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
