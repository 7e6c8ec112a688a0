#pragma once
// The Qt view of a window: a top-level widget with the menu bar above a
// content area of the window's designed size. Where the screen has less room
// than that, the content scrolls inside a window as large as the room allows.
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include "framework/Backend.h"

#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

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
  // The scroll area around the content while the screen is too small for
  // the window; nil while the window fits.
  QScrollArea* Scroller() const { return scroller_; }
  QMenuBar* MenuBarWidget() const { return menuBar_; }
  Window* Subject() const { return window_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenuBar();
  void ApplyFlags();
  void RefreshMenu(const MenuItem& menu);
  void Fit();
  void Scroll(QSize room);
  void Unscroll();
  void KeepOnScreen(const QRect& area);
  void WatchScreen();
  QMargins Frame() const;
  // The part of a screen a window's frame may cover.
  static QRect Room(const QScreen& screen);

  Window* window_;
  QPointer<QWidget> top_;
  QPointer<QWidget> content_;
  QPointer<QMenuBar> menuBar_;
  QPointer<QScrollArea> scroller_;
  QMargins fittedFrame_;
  // Whether the window has shown on the screen, framed.
  bool framed_ = false;
  // Whether the window system has told where the shown window is.
  bool placeKnown_ = false;
  QMetaObject::Connection screenGeometry_, screenDpi_;
  QPointer<QWindow> watched_;
  const MenuItem* builtFrom_ = nullptr;
};

// Runs a menu command as the framework does: the window's handler first, then
// Quit, then the Edit commands on the focused text control.
void RunMenuCommand(Window& window, const MenuItem& item);

}  // namespace fw::qt
