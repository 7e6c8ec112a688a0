#include "framework/qt/QtControlViews.h"

#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "framework/Buttons.h"
#include "framework/ComboBox.h"
#include "framework/Label.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/RoundRectangle.h"
#include "framework/Strings.h"
#include "framework/TextEdit.h"
#include "framework/Window.h"
#include "framework/qt/ContextMenuKey.h"
#include "framework/qt/QtSpelling.h"
#include "framework/qt/QtTextAreaWidget.h"
#include "framework/qt/QtWindowView.h"

namespace fw::qt {

QString SystemFontFamily() {
  static const QString family = [] {
    for (const char* candidate : {"Liberation Sans", "Nimbus Sans", "Arial"})
      if (QFontDatabase::hasFamily(candidate)) return QString(candidate);
    return QApplication::font().family();
  }();
  return family;
}

QColor ToQColor(const Color& color) { return QColor(color.red, color.green, color.blue); }

QString ToDisplayText(const std::string& text) {
  QString display = QString::fromStdString(text);
  display.replace("\r\n", "\n");
  display.replace('\r', '\n');
  return display;
}

std::string FromDisplayText(const QString& text) {
  QString stored = text;
  stored.replace('\n', '\r');
  return stored.toStdString();
}

namespace {

class MouseDownForwarder : public QObject {
 public:
  MouseDownForwarder(QObject* owner, std::function<bool(int, int)> mouseDown)
      : QObject(owner), mouseDown_(std::move(mouseDown)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) {
      auto* press = static_cast<QMouseEvent*>(event);
      QPoint at = press->position().toPoint();
      return mouseDown_(at.x(), at.y());
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool(int, int)> mouseDown_;
};

}  // namespace

void ForwardMouseDown(QWidget* widget, QObject* owner, std::function<bool(int, int)> mouseDown) {
  widget->installEventFilter(new MouseDownForwarder(owner, std::move(mouseDown)));
}

QWidget* WidgetOf(const Control& control) {
  auto* view = dynamic_cast<QtControlViewBase*>(control.View());
  return view ? view->Widget() : nullptr;
}

QtControlViewBase::QtControlViewBase(Control& control, QWidget* widget)
    : control_(&control), widget_(widget) {}

QtControlViewBase::~QtControlViewBase() = default;

void QtControlViewBase::Release() {
  control_ = nullptr;
  // The widget belongs to its window's widget; this view may be inside one of
  // the widget's signals right now.
  if (widget_) {
    widget_->disconnect(this);
    if (!widget_->parentWidget()) widget_->deleteLater();
  }
  deleteLater();
}

void QtControlViewBase::Update(Aspect aspect) {
  if (!control_ || !widget_) return;
  auto* rect = dynamic_cast<RectControl*>(control_);
  if (rect) {
    if (aspect == Aspect::All || aspect == Aspect::Parent || aspect == Aspect::Geometry) Place();
    if (aspect == Aspect::All || aspect == Aspect::Enabled) widget_->setEnabled(rect->Enabled());
    // A widget without its parent yet would show as a window of its own.
    if ((aspect == Aspect::All || aspect == Aspect::Visible) && widget_->parentWidget())
      widget_->setVisible(rect->Visible());
    if (aspect == Aspect::All || aspect == Aspect::Font) ApplyFont();
    if (aspect == Aspect::All || aspect == Aspect::Options)
      if (!rect->TabStop()) widget_->setFocusPolicy(Qt::NoFocus);
  }
  UpdateOwn(aspect);
}

void QtControlViewBase::Place() {
  auto* rect = static_cast<RectControl*>(control_);
  auto window = rect->Window();
  QWidget* parent = nullptr;
  int left = rect->Left(), top = rect->Top();
  if (auto frame = rect->Parent()) {
    parent = WidgetOf(*frame);
    left -= frame->Left();
    top -= frame->Top();
  }
  if (!parent && window) {
    if (auto* windowView = dynamic_cast<QtWindowView*>(window->View()))
      parent = windowView->Content();
  }
  bool reparent = parent && widget_->parentWidget() != parent;
  if (reparent) widget_->setParent(parent);
  // Sized before it is shown: a widget shown without a size of its own is
  // first given its preferred size, which measures all of its contents.
  widget_->setGeometry(left, top, rect->Width(), rect->Height());
  if (reparent) widget_->setVisible(rect->Visible());
}

void QtControlViewBase::ApplyFont() {
  auto* rect = static_cast<RectControl*>(control_);
  QFont font = widget_->font();
  if (EqualsIgnoreCase(rect->TextFont(), "System") || rect->TextFont().empty())
    font.setFamily(SystemFontFamily());
  else
    font.setFamily(QString::fromStdString(rect->TextFont()));
  double size = rect->TextSize();
  font.setPixelSize(size > 0 ? static_cast<int>(std::lround(size)) : kDefaultTextPixels);
  font.setBold(rect->Bold());
  font.setItalic(rect->Italic());
  font.setUnderline(rect->Underline());
  widget_->setFont(font);
}

namespace {

template <class C, class W>
class View : public QtControlViewBase {
 public:
  explicit View(Control& control) : QtControlViewBase(control, new W), widget(static_cast<W*>(Widget())) {}

 protected:
  C& Model() { return static_cast<C&>(*Subject()); }
  W* widget;
};

// Gives the widget a control's colours. A palette set on a widget is palette
// data of its own, new on every set, and passed on to its children; the style
// keeps what it has drawn (a scroll bar's groove and handle) in the
// application's pixmap cache under the identity of that data. A widget of
// every new window with a palette of its own would thus add entries that no
// later window can use, until the cache is full. So a widget whose colours
// are those it inherits in its enabled states keeps the inherited palette.
void MirrorColours(QWidget* widget,
                   std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours) {
  if (widget->testAttribute(Qt::WA_SetPalette)) widget->setPalette(QPalette());
  QPalette palette = widget->palette();
  bool inherited = std::all_of(colours.begin(), colours.end(), [&](const auto& colour) {
    return palette.color(QPalette::Active, colour.first) == colour.second &&
           palette.color(QPalette::Inactive, colour.first) == colour.second;
  });
  if (inherited) return;
  for (const auto& [role, colour] : colours) palette.setColor(role, colour);
  widget->setPalette(palette);
}

bool Is(Aspect aspect, std::initializer_list<Aspect> which) {
  if (aspect == Aspect::All) return true;
  for (Aspect a : which)
    if (a == aspect) return true;
  return false;
}

// The wheel never picks a row: a picker changes by a click or the keyboard.
// The wheel goes on to the window, which scrolls where it must, and leaves
// the focus where it was, so that typing still reaches the focused picker.
class PickerWidget : public QComboBox {
 public:
  PickerWidget() { setFocusPolicy(Qt::StrongFocus); }

 protected:
  void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

// A popup menu's rows and selection; the combo box adds its editable text.
template <class C>
class RowsView : public View<C, PickerWidget> {
 public:
  explicit RowsView(Control& control) : View<C, PickerWidget>(control) {
    this->connect(this->widget, &QComboBox::activated, this, [this](int row) {
      if (this->Subject()) this->Model().UserSelect(row);
    });
  }

 protected:
  void UpdateOwn(Aspect aspect) override {
    QSignalBlocker block(this->widget);
    if (Is(aspect, {Aspect::Rows})) MirrorRows();
    // Adding rows makes the combo box pick its first row: the control's own
    // selection always wins.
    if (Is(aspect, {Aspect::Rows, Aspect::Selection}))
      this->widget->setCurrentIndex(this->Model().ListIndex());
    UpdateText(aspect);
  }
  virtual void UpdateText(Aspect) {}

 private:
  // A picker is filled one row at a time, and each row reaches the view on
  // its own: append only what the widget lacks while it shows the rows
  // before it, else show all rows anew. Each refill of the whole list made
  // filling a picker cost the square of its rows.
  void MirrorRows() {
    const std::vector<std::string>& rows = this->Model().Rows();
    QComboBox* combo = this->widget;
    if (shown_.size() > rows.size() || !std::equal(shown_.begin(), shown_.end(), rows.begin())) {
      combo->clear();
      shown_.clear();
    }
    QStringList added;
    for (size_t i = shown_.size(); i < rows.size(); ++i)
      added.append(QString::fromStdString(rows[i]));
    if (!added.isEmpty()) combo->addItems(added);
    shown_.insert(shown_.end(), rows.begin() + static_cast<std::ptrdiff_t>(shown_.size()),
                  rows.end());
  }

  // The rows the widget shows: this view is the only one to change them.
  std::vector<std::string> shown_;
};

using PopupMenuView = RowsView<PopupMenu>;

class ComboBoxView : public RowsView<ComboBox> {
 public:
  explicit ComboBoxView(Control& control) : RowsView(control) {
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    connect(widget->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
      if (Subject()) Model().UserEdited(text.toStdString());
    });
  }

 protected:
  void UpdateText(Aspect aspect) override {
    if (Is(aspect, {Aspect::Rows, Aspect::Selection, Aspect::Text}))
      widget->setEditText(QString::fromStdString(Model().Text()));
  }
};

class LabelView : public View<Label, QLabel> {
 public:
  explicit LabelView(Control& control) : View(control) {
    widget->setTextFormat(Qt::PlainText);
    ForwardMouseDown(widget, this, [this](int x, int y) {
      return Subject() ? Model().UserMouseDown(x, y) : false;
    });
  }

 protected:
  void UpdateOwn(Aspect aspect) override {
    if (Is(aspect, {Aspect::Text})) {
      widget->setText(ToDisplayText(Model().Text()));
      widget->setWordWrap(Model().MultiLine());
      Qt::Alignment horizontal = Model().TextAlign() == 1   ? Qt::AlignHCenter
                                 : Model().TextAlign() == 2 ? Qt::AlignRight
                                                            : Qt::AlignLeft;
      widget->setAlignment(horizontal | (Model().MultiLine() ? Qt::AlignTop : Qt::AlignVCenter));
    }
    if (Is(aspect, {Aspect::Colors}))
      MirrorColours(widget, {{QPalette::WindowText, ToQColor(Model().TextColor())}});
    if (Is(aspect, {Aspect::Options}))
      widget->setTextInteractionFlags(Model().Selectable() ? Qt::TextSelectableByMouse
                                                           : Qt::NoTextInteraction);
  }
};

template <class W>
void PaintTextColours(W* widget, const TextEdit& model) {
  MirrorColours(widget, {{QPalette::Text, ToQColor(model.TextColor())},
                         {QPalette::Base, ToQColor(model.BackColor())}});
}

class TextFieldView : public View<TextField, QLineEdit> {
 public:
  explicit TextFieldView(Control& control) : View(control) {
    connect(widget, &QLineEdit::textEdited, this, [this](const QString& text) {
      if (Subject()) Model().UserEdited(text.toStdString());
    });
    OpenContextMenuOnShiftF10(widget);
  }

 protected:
  void UpdateOwn(Aspect aspect) override {
    QSignalBlocker block(widget);
    if (Is(aspect, {Aspect::Text})) {
      QString text = QString::fromStdString(Model().Text());
      if (widget->text() != text) widget->setText(text);
    }
    if (Is(aspect, {Aspect::Colors})) PaintTextColours(widget, Model());
    if (Is(aspect, {Aspect::Options})) {
      widget->setFrame(Model().Border());
      widget->setEchoMode(Model().Password() ? QLineEdit::Password : QLineEdit::Normal);
      widget->setReadOnly(Model().ReadOnly());
      widget->setPlaceholderText(QString::fromStdString(Model().CueText()));
      widget->setMaxLength(Model().LimitText() > 0 ? Model().LimitText() : 32767);
    }
  }
};

class TextAreaView : public View<TextArea, TextAreaWidget> {
 public:
  explicit TextAreaView(Control& control) : View(control) {
    // Qt reports the spelling marks' new layout as a change of the text:
    // that is no edit of the user's.
    connect(widget, &QPlainTextEdit::textChanged, this, [this] {
      if (Subject() && !SpellingHighlighter::Remarking())
        Model().UserEdited([edit = QPointer(widget)]() -> std::optional<std::string> {
          if (!edit) return std::nullopt;
          return FromDisplayText(edit->toPlainText());
        });
    });
    connect(widget, &TextAreaWidget::ContextMenuRequested, this,
            [this](const QPoint& at, bool keyboard) { ShowContextMenu(at, keyboard); });
    OpenContextMenuOnShiftF10(widget);
  }

 protected:
  void UpdateOwn(Aspect aspect) override {
    QSignalBlocker block(widget);
    if (Is(aspect, {Aspect::Text})) {
      QString text = ToDisplayText(Model().Text());
      if (widget->toPlainText() != text) widget->setPlainText(text);
    }
    if (Is(aspect, {Aspect::Colors})) PaintTextColours(widget, Model());
    if (Is(aspect, {Aspect::Options})) {
      CheckSpelling(Model().AutomaticallyCheckSpelling());
      widget->setFrameShape(Model().Border() ? QFrame::StyledPanel : QFrame::NoFrame);
      widget->SetFocusRing(Model().Border() && Model().UseFocusRing());
      widget->SetHideSelection(Model().HideSelection());
      widget->SetStyled(Model().Styled());
      widget->setReadOnly(Model().ReadOnly());
      widget->setTabChangesFocus(!Model().AcceptTabs());
      widget->setVerticalScrollBarPolicy(Model().ScrollBarVertical() ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAlwaysOff);
      widget->setHorizontalScrollBarPolicy(Model().ScrollBarHorizontal() ? Qt::ScrollBarAsNeeded
                                                                         : Qt::ScrollBarAlwaysOff);
      widget->setLineWrapMode(Model().ScrollBarHorizontal() ? QPlainTextEdit::NoWrap
                                                            : QPlainTextEdit::WidgetWidth);
    }
  }

 private:
  // Marks come with the highlighter and go with it.
  void CheckSpelling(bool on) {
    if (on && !highlighter_) {
      highlighter_ = new SpellingHighlighter(widget);
    } else if (!on && highlighter_) {
      highlighter_->Detach();
      delete highlighter_;
    }
  }

  // The usual edit menu; on an unknown word, its corrections above it: the
  // word under the pointer, or for the keyboard the word at the caret.
  void ShowContextMenu(const QPoint& at, bool keyboard) {
    QMenu* menu = widget->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (highlighter_ && !widget->isReadOnly()) {
      QTextCursor word =
          keyboard ? highlighter_->UnknownWordAtCaret() : highlighter_->UnknownWordAt(at);
      if (!word.isNull())
        AddCorrections(*menu, word.selectedText(), [this, word](const QString& replacement) {
          QTextCursor replaced = word;
          replaced.insertText(replacement);  // one step to undo
          widget->setTextCursor(replaced);
        });
    }
    menu->popup(widget->viewport()->mapToGlobal(at));
  }

  QPointer<SpellingHighlighter> highlighter_;
};

class CheckBoxView : public View<CheckBox, QCheckBox> {
 public:
  explicit CheckBoxView(Control& control) : View(control) {
    connect(widget, &QCheckBox::clicked, this, [this](bool checked) {
      if (Subject()) Model().UserClick(checked);
    });
  }

 protected:
  void UpdateOwn(Aspect aspect) override {
    QSignalBlocker block(widget);
    if (Is(aspect, {Aspect::Text})) widget->setText(QString::fromStdString(Model().Caption()));
    if (Is(aspect, {Aspect::Value})) widget->setChecked(Model().Value());
  }
};

class PushButtonView : public View<PushButton, QPushButton> {
 public:
  explicit PushButtonView(Control& control) : View(control) {
    connect(widget, &QPushButton::clicked, this, [this] {
      if (Subject()) Model().UserClick();
    });
  }

 protected:
  void UpdateOwn(Aspect aspect) override {
    if (Is(aspect, {Aspect::Text})) widget->setText(QString::fromStdString(Model().Caption()));
    if (Is(aspect, {Aspect::Options})) {
      // Return presses a button only when the design makes it the default.
      widget->setAutoDefault(false);
      widget->setDefault(Model().Default());
    }
  }
};

class ListboxView : public View<Listbox, QTreeWidget> {
 public:
  explicit ListboxView(Control& control) : View(control) {
    widget->setRootIsDecorated(false);
    widget->setUniformRowHeights(true);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->header()->setStretchLastSection(false);
  }

 protected:
  void UpdateOwn(Aspect aspect) override {
    if (Is(aspect, {Aspect::Rows})) {
      int columns = std::max(Model().ColumnCount(), 1);
      widget->setColumnCount(columns);
      widget->clear();
      for (const auto& cells : Model().Rows()) {
        auto* item = new QTreeWidgetItem(widget);
        for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c)
          item->setText(c, QString::fromStdString(cells[static_cast<size_t>(c)]));
      }
    }
    if (Is(aspect, {Aspect::Options})) {
      widget->setHeaderHidden(!Model().HasHeading());
      widget->setFrameShape(Model().Border() ? QFrame::StyledPanel : QFrame::NoFrame);
      widget->setVerticalScrollBarPolicy(Model().ScrollBarVertical()
                                             ? (Model().AutoHideScrollbars() ? Qt::ScrollBarAsNeeded
                                                                             : Qt::ScrollBarAlwaysOn)
                                             : Qt::ScrollBarAlwaysOff);
      widget->setHorizontalScrollBarPolicy(Model().ScrollBarHorizontal() ? Qt::ScrollBarAsNeeded
                                                                         : Qt::ScrollBarAlwaysOff);
      widget->header()->setSectionResizeMode(Model().ColumnsResizable() ? QHeaderView::Interactive
                                                                        : QHeaderView::Fixed);
    }
    if (Is(aspect, {Aspect::Rows, Aspect::Geometry})) {
      std::vector<double> fractions = Model().ColumnFractions();
      int width = Model().Width() - 2 * widget->frameWidth();
      for (size_t c = 0; c < fractions.size(); ++c)
        widget->setColumnWidth(static_cast<int>(c), static_cast<int>(fractions[c] * width));
    }
  }
};

class FrameWidget : public QWidget {
 public:
  const RoundRectangle* model = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!model) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(ToQColor(model->BorderColor()));
    pen.setWidth(model->BorderWidth());
    painter.setPen(model->BorderWidth() > 0 ? pen : QPen(Qt::NoPen));
    painter.setBrush(ToQColor(model->FillColor()));
    double inset = model->BorderWidth() / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset),
                            model->OvalWidth() / 2.0, model->OvalHeight() / 2.0);
  }
};

class RoundRectangleView : public View<RoundRectangle, FrameWidget> {
 public:
  explicit RoundRectangleView(Control& control) : View(control) {
    widget->model = &Model();
    widget->setFocusPolicy(Qt::NoFocus);
  }
  void Release() override {
    if (widget && Widget()) widget->model = nullptr;
    QtControlViewBase::Release();
  }

 protected:
  void UpdateOwn(Aspect aspect) override {
    if (Is(aspect, {Aspect::Colors})) widget->update();
  }
};

}  // namespace

ControlView* MakeControlView(Control& control) {
  // Most derived classes first: a combo box is also a popup menu.
  if (IsA(&control, ComboBox::StaticClass())) return new ComboBoxView(control);
  if (IsA(&control, PopupMenu::StaticClass())) return new PopupMenuView(control);
  if (IsA(&control, Label::StaticClass())) return new LabelView(control);
  if (IsA(&control, TextField::StaticClass())) return new TextFieldView(control);
  if (IsA(&control, TextArea::StaticClass())) return new TextAreaView(control);
  if (IsA(&control, CheckBox::StaticClass())) return new CheckBoxView(control);
  if (IsA(&control, PushButton::StaticClass())) return new PushButtonView(control);
  if (IsA(&control, Listbox::StaticClass())) return new ListboxView(control);
  if (IsA(&control, RoundRectangle::StaticClass())) return new RoundRectangleView(control);
  return nullptr;  // timers have no face
}

}  // namespace fw::qt
