#pragma once
// The Qt view of a window: a top-level widget with the menu bar above a
// content area of the window's designed size.
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "framework/Backend.h"

#include <QMenuBar>

namespace fw {
class MenuItem;
}

namespace fw::qt {

class QtWindowView : public QObject, public WindowView {
 public:
  explicit QtWindowView(Window& window);
  ~QtWindowView() override;

  void Update(Aspect aspect) override;
  void ControlsCreated() override;
  void Show() override;
  void Hide() override;
  bool IsShown() const override;
  void Release() override;

  QWidget* TopLevel() const { return top_; }
  QWidget* Content() const { return content_; }
  QMenuBar* MenuBarWidget() const { return menuBar_; }
  Window* Subject() const { return window_; }

 private:
  void BuildMenuBar();
  void ApplyFlags();
  void RefreshMenu(const MenuItem& menu);

  Window* window_;
  QPointer<QWidget> top_;
  QPointer<QWidget> content_;
  QPointer<QMenuBar> menuBar_;
  const MenuItem* builtFrom_ = nullptr;
};

// Runs a menu command as the framework does: the window's handler first, then
// Quit, then the Edit commands on the focused text control.
void RunMenuCommand(Window& window, const MenuItem& item);

}  // namespace fw::qt
