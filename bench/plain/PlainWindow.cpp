#include "bench/plain/PlainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

#include "mainwindow/Window1Records.h"

namespace plain {

namespace {

using window1::ControlClass;
using window1::ControlDesign;

constexpr int kDefaultTextPixels = 12;

class Frame : public QWidget {
 public:
  Frame(QWidget* parent, QColor border) : QWidget(parent), border_(border) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border_, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
  }

 private:
  QColor border_;
};

QColor ToQColor(const fw::Color& c) { return QColor(c.red, c.green, c.blue); }

QString DisplayText(const char* text) {
  QString display = QString::fromUtf8(text);
  display.replace('\r', '\n');
  return display;
}

// The rows the window's Open events give the team and strength pickers.
QStringList TeamRows() {
  return {"Choose",         "Notre Dame (.9978)",   "Alabama (.9441)",       "Florida (.8984)",
          "Oregon (.8621)", "Kansas State (.8226)", "Stanford (.7683)",      "Georgia (.7583)",
          "LSU (.7511)",    "Texas A&M (.6756)",    "South Carolina (.6604)"};
}

QStringList StrengthRows() { return {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}; }

// Picker number from its name: 1..8 team pickers, 9..16 strength pickers.
int PickerNumber(std::string_view name) {
  return std::stoi(std::string(name.substr(std::string_view("PopupMenu").size())));
}

QWidget* MakeWidget(const ControlDesign& d, QWidget* parent) {
  switch (d.cls) {
    case ControlClass::PopupMenu: {
      auto* combo = new QComboBox(parent);
      int number = PickerNumber(d.name);
      if (number <= 8) {
        combo->addItems(TeamRows());
      } else if (number <= 16) {
        combo->addItems(StrengthRows());
        combo->setCurrentIndex(5);
      }
      return combo;
    }
    case ControlClass::CheckBox:
      return new QCheckBox(QString::fromUtf8(d.text), parent);
    case ControlClass::RoundRectangle: {
      auto* frame = new Frame(parent, ToQColor(d.extras.colour));
      frame->setFocusPolicy(Qt::NoFocus);
      return frame;
    }
    case ControlClass::TextField:
      return new QLineEdit(parent);
    case ControlClass::Label: {
      auto* label = new QLabel(DisplayText(d.text), parent);
      label->setTextFormat(Qt::PlainText);
      label->setTextInteractionFlags(Qt::NoTextInteraction);
      label->setWordWrap(d.extras.multiline);
      label->setAlignment((d.extras.centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                          (d.extras.multiline ? Qt::AlignTop : Qt::AlignVCenter));
      if (!(d.extras.colour == fw::kBlack)) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, ToQColor(d.extras.colour));
        label->setPalette(palette);
      }
      return label;
    }
    case ControlClass::PushButton:
      return new QPushButton(QString::fromUtf8(d.text), parent);
    case ControlClass::Listbox: {
      auto* tree = new QTreeWidget(parent);
      tree->setRootIsDecorated(false);
      tree->setUniformRowHeights(true);
      tree->setSelectionMode(QAbstractItemView::SingleSelection);
      tree->setColumnCount(2);
      tree->setHeaderHidden(true);
      tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      tree->header()->setStretchLastSection(false);
      tree->header()->setSectionResizeMode(QHeaderView::Fixed);
      int width = d.width - 2 * tree->frameWidth();
      tree->setColumnWidth(0, width * 85 / 100);
      tree->setColumnWidth(1, width * 15 / 100);
      return tree;
    }
    // Not on the main window.
    case ControlClass::ComboBox:
    case ControlClass::TextArea:
    case ControlClass::Timer:
      break;
  }
  return nullptr;
}

void Style(QWidget* widget, const ControlDesign& d) {
  if (d.cls != ControlClass::RoundRectangle) {
    QFont font = widget->font();
    font.setPixelSize(d.textSize > 0 ? static_cast<int>(d.textSize) : kDefaultTextPixels);
    font.setBold(d.bold);
    font.setUnderline(d.underline);
    widget->setFont(font);
  }
  if (!d.enabled) widget->setEnabled(false);
  if (!d.visible) widget->setVisible(false);
}

struct MenuRow {
  const char* text;
  const char* shortcut;  // nullptr: a separator
};

void AddMenu(QMenuBar* bar, const char* title, std::initializer_list<MenuRow> rows) {
  QMenu* menu = bar->addMenu(QString::fromUtf8(title));
  for (const MenuRow& row : rows) {
    if (!row.shortcut) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(QString::fromUtf8(row.text));
    if (*row.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(row.shortcut)));
  }
}

QMenuBar* BuildMenuBar(QWidget* top) {
  auto* bar = new QMenuBar(top);
  bar->setNativeMenuBar(false);
  AddMenu(bar, "&File", {{"&Quit", "Ctrl+Q"}, {"About Quandrel2012", ""}});
  AddMenu(bar, "&Edit",
          {{"&Undo", "Ctrl+Z"},
           {"-", nullptr},
           {"Cu&t", "Ctrl+X"},
           {"&Copy", "Ctrl+C"},
           {"&Paste", "Ctrl+V"},
           {"&Delete", ""},
           {"-", nullptr},
           {"Select &All", "Ctrl+A"}});
  AddMenu(bar, "Instructions", {{"instructions", ""}});
  return bar;
}

// Tab order: by Tab index among the window's controls, a frame's controls
// right after the frame, as the window's designer sets it.
void SetTabOrder(const std::map<std::string_view, QWidget*>& made) {
  auto level = [&](std::string_view parent) {
    std::vector<const ControlDesign*> rows;
    for (const ControlDesign& d : window1::ControlTable())
      if (d.cls != ControlClass::Timer && parent == d.parent) rows.push_back(&d);
    std::stable_sort(rows.begin(), rows.end(),
                     [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    return rows;
  };
  std::vector<QWidget*> chain;
  for (const ControlDesign* d : level("")) {
    if (QWidget* widget = made.at(d->name); widget->focusPolicy() != Qt::NoFocus)
      chain.push_back(widget);
    if (d->cls != ControlClass::RoundRectangle) continue;
    for (const ControlDesign* child : level(d->name))
      if (QWidget* inner = made.at(child->name); inner->focusPolicy() != Qt::NoFocus)
        chain.push_back(inner);
  }
  for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace

void ApplyLook() {
  if (QStyle* style = QStyleFactory::create("Fusion")) QApplication::setStyle(style);
  QFont font = QApplication::font();
  // The same face the program picks for its "System" font.
  for (const char* family : {"Liberation Sans", "Nimbus Sans", "Arial"})
    if (QFontDatabase::hasFamily(family)) {
      font.setFamily(family);
      break;
    }
  font.setPixelSize(kDefaultTextPixels);
  QApplication::setFont(font);
  QApplication::setQuitOnLastWindowClosed(false);
}

QWidget* BuildWindow() {
  auto* top = new QWidget;
  top->setWindowTitle("So You Want A Quandrel?");
  top->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
  auto* layout = new QVBoxLayout(top);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setMenuBar(BuildMenuBar(top));
  auto* content = new QWidget(top);
  content->setAutoFillBackground(true);
  content->setFixedSize(850, 650);
  layout->addWidget(content);

  std::map<std::string_view, QWidget*> made;
  std::map<std::string_view, const ControlDesign*> frames;
  for (const ControlDesign& d : window1::ControlTable()) {
    if (d.cls == ControlClass::Timer) {
      auto* timer = new QTimer(top);
      timer->setSingleShot(true);
      timer->setInterval(500);
      continue;
    }
    // A frame's controls sit in the frame; their places are the window's.
    QWidget* parent = content;
    int left = d.left, top_ = d.top;
    if (*d.parent) {
      const ControlDesign* frame = frames.at(d.parent);
      parent = made.at(d.parent);
      left -= frame->left;
      top_ -= frame->top;
    }
    QWidget* widget = MakeWidget(d, parent);
    widget->setGeometry(left, top_, d.width, d.height);
    Style(widget, d);
    made.emplace(d.name, widget);
    if (d.cls == ControlClass::RoundRectangle) frames.emplace(d.name, &d);
  }
  SetTabOrder(made);
  return top;
}

void ShowWindow(QWidget* top) {
  top->show();
  top->raise();
  top->activateWindow();
}

}  // namespace plain
