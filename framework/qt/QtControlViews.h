#pragma once
// The Qt views of the framework's controls: one view class per control class.
// A view mirrors its control's state into its widget without raising any
// event, and hands the user's input to the control's user-input entry point.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "framework/Backend.h"
#include "framework/Control.h"
#include "framework/Value.h"

class QColor;
class QFont;

namespace fw::qt {

// Text size unit 0 is one pixel per point; controls without a size use this.
inline constexpr int kDefaultTextPixels = 12;

// The family that the design font "System" stands for: a face with the
// metrics the designed control sizes expect, where the machine has it.
QString SystemFontFamily();

QColor ToQColor(const Color& color);
// The design texts break lines with a CR; Qt breaks them with "\n".
QString ToDisplayText(const std::string& text);
std::string FromDisplayText(const QString& text);

class QtControlViewBase : public QObject, public ControlView {
 public:
  QtControlViewBase(Control& control, QWidget* widget);
  ~QtControlViewBase() override;
  void Update(Aspect aspect) override;
  void Release() override;
  QWidget* Widget() const { return widget_; }
  Control* Subject() const { return control_; }

 protected:
  // The class's own state; called for every aspect.
  virtual void UpdateOwn(Aspect aspect) = 0;
  void ApplyFont();

 private:
  void Place();
  Control* control_;
  QPointer<QWidget> widget_;
};

// Sends a mouse press on a widget to a control's MouseDown entry point.
void ForwardMouseDown(QWidget* widget, QObject* owner, std::function<bool(int, int)> mouseDown);

// Makes the view of a control's class; nil for controls without a face.
ControlView* MakeControlView(Control& control);
// The widget a control's children go into (its frame's widget).
QWidget* WidgetOf(const Control& control);

}  // namespace fw::qt
