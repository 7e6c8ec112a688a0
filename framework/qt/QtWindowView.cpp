#include "framework/qt/QtWindowView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include <xcb/xcb.h>

#include "framework/Control.h"
#include "framework/MenuItem.h"
#include "framework/Runtime.h"
#include "framework/Strings.h"
#include "framework/Window.h"
#include "framework/qt/QtControlViews.h"

namespace fw::qt {

namespace {

class TopLevelWidget : public QWidget {
 public:
  Window* window = nullptr;
  // The window manager's frame and its place for the window become known
  // only once the window is on the screen, and it tells by moving the window
  // (a move the window system reports, not one of the program's own).
  std::function<void(bool bySystem)> moved;

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The framework decides: a window without a close box stays open.
    event->ignore();
    if (window) window->UserClose();
  }
  void moveEvent(QMoveEvent* event) override {
    QWidget::moveEvent(event);
    if (moved) moved(event->spontaneous());
  }
};

// Room kept around a control that the keyboard brings into view.
constexpr int kFocusMargin = 16;

// The frame of the first window until the window manager has framed it: a
// title bar and borders larger than most, so that the window asks for less
// than the whole screen and no window manager takes it for a full-screen one.
const QMargins kFrameGuess(8, 40, 8, 8);

// Whether a window manager frames the windows. On X11 one that runs says so
// on the root window, with a window of its own that names itself the same
// way (a window manager that has quit leaves the root's word behind).
// Elsewhere the desktop's compositor always frames them.
bool WindowManagerRuns() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return true;
  xcb_connection_t* connection = x11->connection();
  const char kCheck[] = "_NET_SUPPORTING_WM_CHECK";
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(connection,
                            xcb_intern_atom(connection, 1, sizeof kCheck - 1, kCheck), nullptr),
      &std::free);
  if (!atom || atom->atom == XCB_ATOM_NONE) return false;
  auto named = [&](xcb_window_t window) -> xcb_window_t {
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) < 4) return XCB_WINDOW_NONE;
    return *static_cast<xcb_window_t*>(xcb_get_property_value(reply.get()));
  };
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const xcb_window_t check = named(root);
  return check != XCB_WINDOW_NONE && named(check) == check;
}

// Keeps the keyboard focus on the window's control while the content moves
// between the window and its scroll area, which hides it for a moment.
template <class Move>
void KeepingFocus(QWidget* content, Move move) {
  QPointer<QWidget> focus = QApplication::focusWidget();
  if (focus && !content->isAncestorOf(focus)) focus = nullptr;
  move();
  if (focus && QApplication::focusWidget() != focus) focus->setFocus(Qt::OtherFocusReason);
}

QKeySequence ShortcutOf(const std::string& text) {
  // "Cmd" is the platform's primary modifier: Ctrl here.
  return QKeySequence(QString::fromStdString(ReplaceAll(text, "Cmd", "Ctrl")));
}

QLineEdit* FocusedLineEdit() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) return line;
  if (auto* combo = qobject_cast<QComboBox*>(focus)) return combo->lineEdit();
  return nullptr;
}

bool EditApplies(EditCommand command) {
  bool clipboardText = !QApplication::clipboard()->text().isEmpty();
  if (QLineEdit* line = FocusedLineEdit()) {
    switch (command) {
      case EditCommand::Undo: return line->isUndoAvailable();
      case EditCommand::Cut:
      case EditCommand::Clear: return line->hasSelectedText() && !line->isReadOnly();
      case EditCommand::Copy: return line->hasSelectedText();
      case EditCommand::Paste: return clipboardText && !line->isReadOnly();
      case EditCommand::SelectAll: return !line->text().isEmpty();
      case EditCommand::None: return false;
    }
  }
  if (auto* area = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget())) {
    bool selection = area->textCursor().hasSelection();
    switch (command) {
      case EditCommand::Undo: return area->document()->isUndoAvailable() && !area->isReadOnly();
      case EditCommand::Cut:
      case EditCommand::Clear: return selection && !area->isReadOnly();
      case EditCommand::Copy: return selection;
      case EditCommand::Paste: return area->canPaste();
      case EditCommand::SelectAll: return !area->document()->isEmpty();
      case EditCommand::None: return false;
    }
  }
  return false;
}

void RunEdit(EditCommand command) {
  if (QLineEdit* line = FocusedLineEdit()) {
    switch (command) {
      case EditCommand::Undo: line->undo(); break;
      case EditCommand::Cut: line->cut(); break;
      case EditCommand::Copy: line->copy(); break;
      case EditCommand::Paste: line->paste(); break;
      case EditCommand::Clear: line->del(); break;
      case EditCommand::SelectAll: line->selectAll(); break;
      case EditCommand::None: break;
    }
    // Edits from the menu reach the control as the user's typing does.
    Q_EMIT line->textEdited(line->text());
    return;
  }
  if (auto* area = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget())) {
    switch (command) {
      case EditCommand::Undo: area->undo(); break;
      case EditCommand::Cut: area->cut(); break;
      case EditCommand::Copy: area->copy(); break;
      case EditCommand::Paste: area->paste(); break;
      case EditCommand::Clear: area->textCursor().removeSelectedText(); break;
      case EditCommand::SelectAll: area->selectAll(); break;
      case EditCommand::None: break;
    }
  }
}

}  // namespace

void RunMenuCommand(Window& window, const MenuItem& item) {
  if (window.HandleMenuCommand(item)) return;
  if (IsA(&item, QuitMenuItem::StaticClass())) {
    RuntimeQuit();
    return;
  }
  EditCommand edit = EditCommandOf(item);
  if (edit != EditCommand::None && EditApplies(edit)) RunEdit(edit);
}

QtWindowView::QtWindowView(Window& window) : window_(&window) {
  auto* top = new TopLevelWidget;
  top->window = &window;
  top_ = top;
  auto* layout = new QVBoxLayout(top);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  content_ = new QWidget(top);
  content_->setAutoFillBackground(true);
  layout->addWidget(content_);
  top->moved = [this](bool bySystem) {
    // The first move the window system reports is the window manager's place
    // for the window: from then on its place is known, and once it shows
    // framed, where its frame lies.
    const bool placedNow = bySystem && top_->isVisible() && !std::exchange(placeKnown_, true);
    if ((placedNow && framed_) || Frame() != fittedFrame_) Fit();
  };
}

QtWindowView::~QtWindowView() = default;

void QtWindowView::Release() {
  window_ = nullptr;
  if (auto* top = static_cast<TopLevelWidget*>(top_.data())) {
    top->window = nullptr;
    top->moved = nullptr;
    top->hide();
    // This view may be inside a signal of one of the window's widgets.
    top->deleteLater();
  }
  deleteLater();
}

void QtWindowView::Update(Aspect aspect) {
  if (!window_ || !top_) return;
  bool all = aspect == Aspect::All;
  if (all || aspect == Aspect::Title) top_->setWindowTitle(QString::fromStdString(window_->Title()));
  if (all || aspect == Aspect::Geometry) {
    content_->setFixedSize(window_->Width(), window_->Height());
    if (!window_->Resizeable())
      top_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    else
      top_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
  }
  if (all || aspect == Aspect::Colors) {
    QPalette palette = content_->palette();
    if (window_->HasBackColor())
      palette.setColor(QPalette::Window, ToQColor(window_->BackColor()));
    else
      palette = QApplication::palette();
    content_->setPalette(palette);
  }
  if (all || aspect == Aspect::Options) ApplyFlags();
  if (all || aspect == Aspect::MenuBar) BuildMenuBar();
  if (all || aspect == Aspect::Geometry || aspect == Aspect::MenuBar) Fit();
}

QMargins QtWindowView::Frame() const {
  // Known once the window shows on the screen: the window manager frames a
  // window before it maps it. Before that, the frame a window had last, as the
  // window manager gives them all the same; a window just mapped, not yet
  // framed, would tell of none. Without a window manager there is none.
  static std::optional<QMargins> learnt;
  if (QWindow* handle = top_->windowHandle(); handle && handle->isExposed())
    learnt = handle->frameMargins();
  if (!learnt) {
    static const bool managed = WindowManagerRuns();
    if (!managed) learnt = QMargins();
  }
  return learnt.value_or(kFrameGuess);
}

QRect QtWindowView::Room(const QScreen& screen) {
  QRect area = screen.availableGeometry();
  // At a fractional scale the area, the frame and the window are each
  // rounded to whole pixels on their own, which can put the frame's last row
  // just past the area.
  const qreal ratio = screen.devicePixelRatio();
  if (ratio != std::floor(ratio)) area.adjust(1, 1, -1, -1);
  return area;
}

void QtWindowView::Fit() {
  if (!window_ || !top_ || !content_) return;
  QScreen* screen = top_->screen();
  if (!screen) return;
  fittedFrame_ = Frame();
  const QRect room = Room(*screen);
  const QRect area = room.marginsRemoved(fittedFrame_);
  const QSize designed(window_->Width(), window_->Height());
  const int menu =
      menuBar_ ? menuBar_->heightForWidth(std::min(designed.width(), area.width())) : 0;
  const QSize inside(area.width(), area.height() - menu);
  if (designed.width() <= inside.width() && designed.height() <= inside.height())
    Unscroll();
  else
    Scroll(inside);
  // Sized now, even before it first shows, so that its place on the screen
  // is judged by its real size.
  top_->layout()->activate();
  KeepOnScreen(room);
}

void QtWindowView::Scroll(QSize room) {
  if (!scroller_) {
    auto* scroller = new QScrollArea(top_);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    KeepingFocus(content_, [&] {
      top_->layout()->removeWidget(content_);
      scroller->setWidget(content_);
      top_->layout()->addWidget(scroller);
      // Shown before the layout sizes the window: a window laid out around
      // nothing but its menu bar would be unmapped and mapped anew, losing
      // its focus, its workspace and its minimised state.
      scroller->show();
    });
    // A click gives the focus to a control under the pointer, already in
    // view; the keyboard may give it to one out of view, which then comes in.
    connect(qApp, &QApplication::focusChanged, scroller, [scroller](QWidget*, QWidget* now) {
      if (now && QApplication::mouseButtons() == Qt::NoButton && scroller->widget() &&
          scroller->widget()->isAncestorOf(now))
        scroller->ensureWidgetVisible(now, kFocusMargin, kFocusMargin);
    });
    scroller_ = scroller;
  }
  // A scroll bar along one side takes room from the other.
  const QSize designed(window_->Width(), window_->Height());
  const int bar = scroller_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
  bool wide = false, tall = false;
  for (int pass = 0; pass < 2; ++pass) {
    wide = designed.width() > room.width() - (tall ? bar : 0);
    tall = designed.height() > room.height() - (wide ? bar : 0);
  }
  const QSize whole(designed.width() + (tall ? bar : 0), designed.height() + (wide ? bar : 0));
  const QSize shown = whole.boundedTo(room);
  if (window_->Resizeable()) {
    scroller_->setMinimumSize(0, 0);
    scroller_->setMaximumSize(whole);
    const int menu = menuBar_ ? menuBar_->heightForWidth(shown.width()) : 0;
    top_->resize(shown.width(), shown.height() + menu);
  } else {
    scroller_->setFixedSize(shown);
  }
}

void QtWindowView::Unscroll() {
  if (!scroller_) return;
  KeepingFocus(content_, [&] {
    scroller_->takeWidget();
    top_->layout()->removeWidget(scroller_);
    delete scroller_.data();
    top_->layout()->addWidget(content_);
    content_->show();
  });
}

void QtWindowView::KeepOnScreen(const QRect& area) {
  // The whole frame on the screen where it can be, and its top edge always:
  // the title bar and the menu bar are never above the screen. A window that
  // fits is placed by the window manager and left where it puts it; one that
  // does not starts at the area's corner. Either is brought inside only where
  // its frame lies outside the area.
  // A window not yet shown nor sized takes its size from its layout when it
  // shows; until then it has the platform's default size.
  const bool sized = top_->isVisible() || top_->testAttribute(Qt::WA_Resized);
  const QSize size = sized ? top_->size() : top_->sizeHint();
  const QSize outer = size.grownBy(fittedFrame_);
  const bool fits = outer.width() <= area.width() && outer.height() <= area.height();
  const bool ownPlace = top_->testAttribute(Qt::WA_Moved);
  // A shown window's place is the window system's: until it has told it, the
  // place the platform holds is the one it had before (the screen's corner
  // for a new window), not where the window manager has put it; and until
  // the window shows framed, its frame may be a guess.
  const bool placed = top_->isVisible() ? (placeKnown_ && framed_) || ownPlace : ownPlace;
  if (top_->isVisible() && !placed) return;
  if (!placed && fits) return;
  // The client's place and the frame as this view knows it: the platform's
  // own frame-inclusive move takes the frame of a window not yet framed as
  // none, and would put its title bar above the screen.
  const QPoint inset(fittedFrame_.left(), fittedFrame_.top());
  const QPoint from = placed ? top_->geometry().topLeft() - inset : area.topLeft();
  if (placed) {
    // At a scale other than 1 the place, the size and each side of the frame
    // are rounded on their own: a frame the window manager put flush with
    // the area may seem a pixel or two past it.
    const int slack = top_->devicePixelRatio() == 1.0 ? 0 : 2;
    if (area.adjusted(-slack, -slack, slack, slack).contains(QRect(from, outer))) return;
  }
  QPoint at = from;
  at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
  at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
  if (at != from || !placed) top_->setGeometry(QRect(at + inset, size));
}

void QtWindowView::WatchScreen() {
  QWindow* handle = top_->windowHandle();
  if (!handle) return;
  if (handle != watched_) {
    watched_ = handle;
    // The frame becomes known when the window first shows.
    handle->installEventFilter(this);
    // Fitted once the change is through: a place given while the window
    // system still reports the move that took the window to another screen
    // would be overwritten by that move.
    connect(
        handle, &QWindow::screenChanged, this,
        [this] {
          WatchScreen();
          Fit();
        },
        Qt::QueuedConnection);
  }
  disconnect(screenGeometry_);
  disconnect(screenDpi_);
  if (QScreen* screen = handle->screen()) {
    screenGeometry_ = connect(
        screen, &QScreen::availableGeometryChanged, this, [this] { Fit(); }, Qt::QueuedConnection);
    screenDpi_ = connect(
        screen, &QScreen::logicalDotsPerInchChanged, this, [this] { Fit(); },
        Qt::QueuedConnection);
  }
}

void QtWindowView::ApplyFlags() {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint;
  if (window_->CloseButton()) flags |= Qt::WindowCloseButtonHint;
  if (window_->MinimizeButton()) flags |= Qt::WindowMinimizeButtonHint;
  if (window_->MaximizeButton()) flags |= Qt::WindowMaximizeButtonHint;
  bool shown = top_->isVisible();
  top_->setWindowFlags(flags);
  if (shown) top_->show();
}

void QtWindowView::BuildMenuBar() {
  auto bar = window_->MenuBar();
  const MenuItem* source = window_->MenuBarVisible() ? bar.get() : nullptr;
  if (source == builtFrom_ && (menuBar_ || !source)) return;
  builtFrom_ = source;
  if (menuBar_) {
    top_->layout()->setMenuBar(nullptr);
    menuBar_->deleteLater();
  }
  if (!source) return;
  menuBar_ = new QMenuBar(top_);
  menuBar_->setNativeMenuBar(false);
  for (const auto& menu : source->Items()) {
    QMenu* qmenu = menuBar_->addMenu(QString::fromStdString(menu->Text));
    qmenu->setObjectName(QString::fromStdString(menu->Name));
    std::weak_ptr<MenuItem> weakMenu = menu;
    connect(qmenu, &QMenu::aboutToShow, this, [this, weakMenu] {
      if (auto m = weakMenu.lock(); m && window_) RefreshMenu(*m);
    });
    for (const auto& item : menu->Items()) {
      if (item->IsSeparator()) {
        qmenu->addSeparator()->setObjectName(QString::fromStdString(item->Name));
        continue;
      }
      QAction* action = qmenu->addAction(QString::fromStdString(item->Text));
      action->setObjectName(QString::fromStdString(item->Name));
      if (!item->KeyboardShortcut.empty()) action->setShortcut(ShortcutOf(item->KeyboardShortcut));
      if (IsA(item.get(), QuitMenuItem::StaticClass()))
        action->setShortcutContext(Qt::ApplicationShortcut);
      std::weak_ptr<MenuItem> weakItem = item;
      connect(action, &QAction::triggered, this, [this, weakItem] {
        auto chosen = weakItem.lock();
        if (!chosen || !window_) return;
        auto hold = window_->shared_from_this();
        DeliverEvent([&] { RunMenuCommand(*window_, *chosen); });
      });
    }
  }
  top_->layout()->setMenuBar(menuBar_);
}

void QtWindowView::RefreshMenu(const MenuItem& menu) {
  auto hold = window_->shared_from_this();
  DeliverEvent([&] { window_->RunEnableMenuItems(); });
  if (!menuBar_ || !window_) return;
  for (const auto& item : menu.Items()) {
    auto* action = menuBar_->findChild<QAction*>(QString::fromStdString(item->Name));
    if (!action || item->IsSeparator()) continue;
    bool enabled = item->Enabled;
    EditCommand edit = EditCommandOf(*item);
    if (window_->HasMenuHandler(item->Name)) enabled = item->Enabled;
    else if (IsA(item.get(), QuitMenuItem::StaticClass())) enabled = true;
    else if (edit != EditCommand::None) enabled = EditApplies(edit);
    action->setEnabled(enabled);
  }
}

void QtWindowView::ControlsCreated() {
  if (!window_) return;
  // Tab order: by TabIndex among the controls of one parent, a frame's
  // controls right after the frame.
  std::vector<std::shared_ptr<RectControl>> all;
  for (const auto& control : window_->Controls())
    if (auto rect = std::dynamic_pointer_cast<RectControl>(control)) all.push_back(rect);
  std::vector<QWidget*> chain;
  std::function<void(const std::string&)> walk = [&](const std::string& parent) {
    std::vector<std::shared_ptr<RectControl>> level;
    for (const auto& rect : all)
      if (EqualsIgnoreCase(rect->InitialParent(), parent) &&
          (parent.empty() || !EqualsIgnoreCase(rect->Name(), parent)))
        level.push_back(rect);
    std::stable_sort(level.begin(), level.end(),
                     [](const auto& a, const auto& b) { return a->TabIndex() < b->TabIndex(); });
    for (const auto& rect : level) {
      QWidget* widget = WidgetOf(*rect);
      if (widget && rect->TabStop() && widget->focusPolicy() != Qt::NoFocus)
        chain.push_back(widget);
      if (!parent.empty() || rect->Name().empty()) continue;
      walk(rect->Name());
    }
  };
  walk("");
  for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void QtWindowView::Show() {
  if (!top_) return;
  if (!top_->isVisible()) placeKnown_ = false;
  Fit();
  // A window the user has minimised comes back too, not only to the front.
  top_->setWindowState(top_->windowState() & ~Qt::WindowMinimized);
  top_->show();
  top_->raise();
  top_->activateWindow();
  WatchScreen();
  if (Frame() != fittedFrame_) Fit();
}

bool QtWindowView::eventFilter(QObject* watched, QEvent* event) {
  // Once the window shows, its frame is known and its place is the window
  // manager's: both are checked then, and again whenever the frame changes.
  if (event->type() == QEvent::Expose && watched == watched_ && window_ && watched_->isExposed() &&
      (!framed_ || Frame() != fittedFrame_)) {
    framed_ = true;
    Fit();
  }
  return QObject::eventFilter(watched, event);
}

void QtWindowView::Hide() {
  if (top_) top_->hide();
  placeKnown_ = false;
}

bool QtWindowView::IsShown() const { return top_ && top_->isVisible(); }

}  // namespace fw::qt
