#include "framework/DesignRecords.h"

#include "framework/Buttons.h"
#include "framework/ComboBox.h"
#include "framework/Exceptions.h"
#include "framework/Label.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/Record.h"
#include "framework/RoundRectangle.h"
#include "framework/TextEdit.h"
#include "framework/Timer.h"
#include "framework/Window.h"

namespace fw {

namespace {

using K = DesignClass;

// Every control record opens with its name, no control array, its rectangle
// and its locks to the top left corner.
void Head(RecordBuilder& b, const ControlDesign& c) {
  b.String("Name", c.name)
      .Int32("Index", Control::kNoIndex)
      .Int32("Left", c.left)
      .Int32("Top", c.top)
      .Int32("Width", c.width)
      .Int32("Height", c.height)
      .Boolean("LockLeft", true)
      .Boolean("LockTop", true)
      .Boolean("LockRight", false)
      .Boolean("LockBottom", false);
}

// The Tab rank on the one panel.
void Tabs(RecordBuilder& b, const ControlDesign& c) {
  b.Int32("TabPanelIndex", 0).Int32("TabIndex", c.tabIndex);
}

void Neutral(RecordBuilder& b) { b.String("HelpTag", "").Boolean("AutoDeactivate", true); }

void Font(RecordBuilder& b, const ControlDesign& c) {
  b.String("TextFont", "System")
      .Boolean("Bold", c.bold)
      .Boolean("Italic", false)
      .Boolean("Underline", c.underline);
}

void Data(RecordBuilder& b) { b.String("DataSource", "").String("DataField", ""); }

void Parent(RecordBuilder& b, const ControlDesign& c) {
  if (!c.extras.noParentKey) b.String("InitialParent", c.parent);
}

// The keys a drop-down list opens with, after the head.
void ListStart(RecordBuilder& b, const ControlDesign& c) {
  Tabs(b, c);
  b.Boolean("TabStop", true)
      .Boolean("Enabled", c.enabled)
      .String("InitialValue", "")
      .Int32("ListIndex", 0)
      .Boolean("Visible", c.visible);
  Neutral(b);
}

// How a popup menu's or a label's record closes.
void PlainEnd(RecordBuilder& b, const ControlDesign& c) {
  Font(b, c);
  Data(b);
  Parent(b, c);
}

void PopupMenuRecord(RecordBuilder& b, const ControlDesign& c) {
  ListStart(b, c);
  PlainEnd(b, c);
}

void ComboBoxRecord(RecordBuilder& b, const ControlDesign& c) {
  ListStart(b, c);
  b.Boolean("UseFocusRing", true);
  Font(b, c);
  Data(b);
  b.Boolean("AutoComplete", false);
}

void CheckBoxRecord(RecordBuilder& b, const ControlDesign& c) {
  Tabs(b, c);
  b.Boolean("TabStop", true)
      .String("Caption", c.text)
      .Boolean("Enabled", c.enabled)
      .Boolean("Visible", c.visible);
  Neutral(b);
  Font(b, c);
  b.Int32("State", 0).Boolean("Value", false);
  Data(b);
  Parent(b, c);
}

void RoundRectangleRecord(RecordBuilder& b, const ControlDesign& c) {
  // The frames alone list the Tab index before the panel index.
  b.Int32("TabIndex", c.tabIndex).Int32("TabPanelIndex", 0).Boolean("Visible", c.visible);
  Neutral(b);
  b.Boolean("Enabled", c.enabled)
      .Colour("FillColor", kWhite)
      .Int32("BorderWidth", 1)
      .Colour("BorderColor", c.extras.colour)
      .Int32("OvalWidth", 16)
      .Int32("OvalHeight", 16);
  Parent(b, c);
}

// The middle of a text field's and a text area's records: colours, state
// and the neutral keys.
void EditLook(RecordBuilder& b, const ControlDesign& c) {
  b.Colour("TextColor", kBlack)
      .Colour("BackColor", kWhite)
      .Boolean("Enabled", c.enabled)
      .String("Format", "")
      .Boolean("Visible", c.visible);
  Neutral(b);
}

// Their text and editing keys; only a text area checks its spelling.
void EditText(RecordBuilder& b, const ControlDesign& c, bool checkSpelling) {
  b.String("Text", c.text)
      .String("Mask", "")
      .Boolean("ReadOnly", false)
      .Int32("LimitText", 0)
      .Boolean("AcceptTabs", false)
      .Int32("Alignment", 0)
      .Boolean("AutomaticallyCheckSpelling", checkSpelling);
  Data(b);
}

void TextFieldRecord(RecordBuilder& b, const ControlDesign& c) {
  Tabs(b, c);
  b.Boolean("TabStop", true)
      .Boolean("Border", true)
      .Boolean("Password", false)
      .Boolean("UseFocusRing", true);
  EditLook(b, c);
  Font(b, c);
  b.String("CueText", "");
  EditText(b, c, false);
  Parent(b, c);
}

void TextAreaRecord(RecordBuilder& b, const ControlDesign& c) {
  Tabs(b, c);
  b.Boolean("TabStop", true)
      .Boolean("Border", true)
      .Boolean("Multiline", true)
      .Boolean("ScrollbarHorizontal", false)
      .Boolean("ScrollbarVertical", true)
      .Boolean("Styled", true)
      .Boolean("UseFocusRing", true);
  EditLook(b, c);
  b.Boolean("HideSelection", true);
  Font(b, c);
  EditText(b, c, true);
}

void LabelRecord(RecordBuilder& b, const ControlDesign& c) {
  Tabs(b, c);
  b.String("Text", c.text)
      .Int32("TextAlign", c.extras.centred ? 1 : 0)
      .Colour("TextColor", c.extras.colour)
      .Boolean("Multiline", c.extras.multiline)
      .Boolean("Enabled", c.enabled)
      .Boolean("Visible", c.visible)
      .Boolean("Selectable", false)
      .Boolean("Transparent", false);
  Neutral(b);
  PlainEnd(b, c);
}

void PushButtonRecord(RecordBuilder& b, const ControlDesign& c) {
  Tabs(b, c);
  b.Boolean("TabStop", true)
      .String("Caption", c.text)
      .Boolean("Default", false)
      .Boolean("Cancel", false)
      .Boolean("Enabled", c.enabled)
      .Boolean("Visible", c.visible);
  Neutral(b);
  b.Int32("ButtonStyle", c.extras.buttonStyle);
  Font(b, c);
  Parent(b, c);
}

// A two-column table, pool entry and wins, with no heading.
void ListboxRecord(RecordBuilder& b, const ControlDesign& c) {
  Tabs(b, c);
  b.Boolean("TabStop", true).Boolean("Visible", c.visible);
  Neutral(b);
  b.Boolean("Enabled", c.enabled)
      .Boolean("Border", true)
      .Int32("ColumnCount", 2)
      .String("ColumnWidths", "85%,15%")
      .Boolean("HasHeading", false)
      .Boolean("UseFocusRing", false)
      .String("InitialValue", "")
      .Int32("HeadingIndex", -1)
      .Boolean("ScrollbarHorizontal", false)
      .Boolean("ScrollBarVertical", true)
      .Int32("GridLinesHorizontal", 2)
      .Int32("GridLinesVertical", 5)
      .Int32("DefaultRowHeight", -1)
      .Int32("_ScrollWidth", -1);
  Font(b, c);
  b.Boolean("Hierarchical", false)
      .Boolean("EnableDrag", false)
      .Boolean("EnableDragReorder", false)
      .Boolean("RequiresSelection", false)
      .Int32("SelectionType", 0)
      .Boolean("ColumnsResizable", false)
      .Boolean("AutoHideScrollbars", true);
  Data(b);
  Parent(b, c);
}

}  // namespace

const ClassInfo& ClassOfDesign(DesignClass cls) {
  switch (cls) {
    case K::PopupMenu: return PopupMenu::StaticClass();
    case K::ComboBox: return ComboBox::StaticClass();
    case K::CheckBox: return CheckBox::StaticClass();
    case K::RoundRectangle: return RoundRectangle::StaticClass();
    case K::TextField: return TextField::StaticClass();
    case K::TextArea: return TextArea::StaticClass();
    case K::Label: return Label::StaticClass();
    case K::PushButton: return PushButton::StaticClass();
    case K::Listbox: return Listbox::StaticClass();
    case K::Timer: return Timer::StaticClass();
  }
  throw InvalidArgumentException("unknown control class");
}

std::shared_ptr<Control> NewDesignedControl(DesignClass cls) {
  switch (cls) {
    case K::PopupMenu: return std::make_shared<PopupMenu>();
    case K::ComboBox: return std::make_shared<ComboBox>();
    case K::CheckBox: return std::make_shared<CheckBox>();
    case K::RoundRectangle: return std::make_shared<RoundRectangle>();
    case K::TextField: return std::make_shared<TextField>();
    case K::TextArea: return std::make_shared<TextArea>();
    case K::Label: return std::make_shared<Label>();
    case K::PushButton: return std::make_shared<PushButton>();
    case K::Listbox: return std::make_shared<Listbox>();
    case K::Timer: return std::make_shared<Timer>();
  }
  throw InvalidArgumentException("unknown control class");
}

std::string DesignRecord(const ControlDesign& row) {
  if (row.cls == K::Timer)
    throw InvalidArgumentException(std::string(row.name) + ": a timer's record is its own");
  RecordBuilder b;
  Head(b, row);
  switch (row.cls) {
    case K::PopupMenu: PopupMenuRecord(b, row); break;
    case K::ComboBox: ComboBoxRecord(b, row); break;
    case K::CheckBox: CheckBoxRecord(b, row); break;
    case K::RoundRectangle: RoundRectangleRecord(b, row); break;
    case K::TextField: TextFieldRecord(b, row); break;
    case K::TextArea: TextAreaRecord(b, row); break;
    case K::Label: LabelRecord(b, row); break;
    case K::PushButton: PushButtonRecord(b, row); break;
    case K::Listbox: ListboxRecord(b, row); break;
    case K::Timer: break;
  }
  return b.Bytes();
}

std::string TimerDesignRecord(int32_t mode, int32_t period) {
  return RecordBuilder().Int32("Mode", mode).Int32("Period", period).Bytes();
}

std::string WindowDesignRecord(int32_t width, int32_t height, std::string_view title,
                               bool closeButton) {
  return RecordBuilder()
      .Int32("Placement", 0)
      .Int32("Width", width)
      .Int32("Height", height)
      .Int32("MinWidth", 64)
      .Int32("MinHeight", 64)
      .Int32("MaxWidth", 32000)
      .Int32("MaxHeight", 32000)
      .Int32("Frame", 0)
      .Boolean("Composite", false)
      .Boolean("HasBackColor", false)
      .Colour("BackColor", kWhite)
      .String("Title", title)
      .Boolean("Visible", true)
      .Boolean("FullScreen", false)
      .Boolean("MenuBarVisible", true)
      .Boolean("CloseButton", closeButton)
      .Boolean("Resizeable", false)
      .Boolean("LiveResize", false)
      .Boolean("MaximizeButton", false)
      .Boolean("MinimizeButton", true)
      .Int32("MacProcID", 0)
      .Bytes();
}

void CreateDesignedControl(Window& window, const ControlDesign& row, std::string_view record,
                           std::shared_ptr<Control> control,
                           const std::function<std::vector<DesignHandler>()>& handlersOf) {
  window.AddControl(control ? control : NewDesignedControl(row.cls), row.name);
  std::shared_ptr<Control> made = window.NamedControl<Control>(row.name);
  if (!IsA(made.get(), ClassOfDesign(row.cls)))
    throw IllegalCastException(made->Class().Name() + " " + row.name + " is not a " +
                               ClassOfDesign(row.cls).Name());

  {
    // The view is brought up to date once, with the whole design in place.
    struct Batch {
      Control& control;
      explicit Batch(Control& c) : control(c) { control.BeginUpdate(); }
      ~Batch() { control.EndUpdate(); }
    } batch(*made);
    // Frames show no text and timers nothing at all.
    if (row.cls != K::Timer) {
      auto placed = Cast<RectControl>(made);
      if (row.textSize > 0) placed->SetTextSize(row.textSize);
      if (row.cls != K::RoundRectangle) placed->SetTextUnit(0);
    }
    SetProperties(*made, record);
  }

  if (!handlersOf) return;
  for (DesignHandler& bound : handlersOf()) made->Bind(bound.event, std::move(bound.handler));
}

}  // namespace fw
