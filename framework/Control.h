#pragma once
// Controls: the framework half of every control holds its state and raises
// its events; a view of the backend mirrors that state on screen.
#include <map>
#include <memory>
#include <string>

#include "framework/Backend.h"
#include "framework/Delegate.h"
#include "framework/Object.h"

namespace fw {

class Window;

class Control : public Object {
 public:
  static constexpr int32_t kNoIndex = INT32_MIN;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  ~Control() override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  int32_t Index() const { return index_; }
  void SetIndex(int32_t index) { index_ = index; }
  std::shared_ptr<fw::Window> Window() const { return window_.lock(); }

  // Binds a handler to the event of this index; the signature must be the
  // event's own.
  void Bind(int eventIndex, Delegate handler);
  bool HasHandler(int eventIndex) const { return handlers_.count(eventIndex) != 0; }
  // Runs the bound handler at once, through the call wrapper; false when
  // there is none or it answered false.
  bool RaiseEvent(int eventIndex, const EventArgs& args = {});

  void BeginUpdate() override { ++batch_; }
  void EndUpdate() override;
  ControlView* View() const { return view_; }

 protected:
  void Changed(Aspect aspect);

 private:
  friend class fw::Window;
  void AttachTo(const std::shared_ptr<fw::Window>& window, ControlView* view);

  std::string name_;
  int32_t index_ = kNoIndex;
  std::weak_ptr<fw::Window> window_;
  std::map<int, Delegate> handlers_;
  ControlView* view_ = nullptr;
  int batch_ = 0;
};

// Declares a plain stored property with its getter and a setter that tells
// the view which aspect changed.
#define FW_PROPERTY(Type, Name, Field, Initial, ViewAspect)       \
 public:                                                          \
  const Type& Name() const { return Field; }                      \
  void Set##Name(const Type& value) {                             \
    if (Field == value) return;                                   \
    Field = value;                                                \
    Changed(ViewAspect);                                          \
  }                                                               \
                                                                  \
 private:                                                         \
  Type Field = Initial;

// A control with a place on the window: rectangle, parent frame, Tab order,
// enabled and visible state, text style.
class RectControl : public Control {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  FW_PROPERTY(int32_t, Left, left_, 0, Aspect::Geometry)
  FW_PROPERTY(int32_t, Top, top_, 0, Aspect::Geometry)
  FW_PROPERTY(int32_t, Width, width_, 80, Aspect::Geometry)
  FW_PROPERTY(int32_t, Height, height_, 20, Aspect::Geometry)
  FW_PROPERTY(bool, LockLeft, lockLeft_, true, Aspect::Options)
  FW_PROPERTY(bool, LockTop, lockTop_, true, Aspect::Options)
  FW_PROPERTY(bool, LockRight, lockRight_, false, Aspect::Options)
  FW_PROPERTY(bool, LockBottom, lockBottom_, false, Aspect::Options)
  FW_PROPERTY(int32_t, TabPanelIndex, tabPanelIndex_, 0, Aspect::Options)
  FW_PROPERTY(int32_t, TabIndex, tabIndex_, 0, Aspect::Options)
  FW_PROPERTY(bool, TabStop, tabStop_, false, Aspect::Options)
  FW_PROPERTY(bool, Enabled, enabled_, true, Aspect::Enabled)
  FW_PROPERTY(bool, Visible, visible_, true, Aspect::Visible)
  FW_PROPERTY(std::string, HelpTag, helpTag_, {}, Aspect::Options)
  FW_PROPERTY(bool, AutoDeactivate, autoDeactivate_, true, Aspect::Options)
  FW_PROPERTY(std::string, TextFont, textFont_, "System", Aspect::Font)
  FW_PROPERTY(double, TextSize, textSize_, 0.0, Aspect::Font)
  FW_PROPERTY(int32_t, TextUnit, textUnit_, 0, Aspect::Font)
  FW_PROPERTY(bool, Bold, bold_, false, Aspect::Font)
  FW_PROPERTY(bool, Italic, italic_, false, Aspect::Font)
  FW_PROPERTY(bool, Underline, underline_, false, Aspect::Font)
  FW_PROPERTY(std::string, DataSource, dataSource_, {}, Aspect::Options)
  FW_PROPERTY(std::string, DataField, dataField_, {}, Aspect::Options)
  FW_PROPERTY(std::string, InitialParent, initialParent_, {}, Aspect::Parent)

 public:
  // The frame this control sits in, or nil for the window itself.
  std::shared_ptr<RectControl> Parent() const;
};

}  // namespace fw
