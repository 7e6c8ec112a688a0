#include "auxwindows/AuxDesign.h"

#include <map>

#include "framework/Buttons.h"
#include "framework/ComboBox.h"
#include "framework/Label.h"
#include "framework/Record.h"
#include "framework/TextEdit.h"

namespace auxwindows {

namespace {

// Every control record opens with its name, no control array, its rectangle,
// locked to the top left corner, and its Tab rank on the one panel.
void Head(fw::RecordBuilder& b, const ControlDesign& c) {
  b.String("Name", c.name)
      .Int32("Index", fw::Control::kNoIndex)
      .Int32("Left", c.left)
      .Int32("Top", c.top)
      .Int32("Width", c.width)
      .Int32("Height", c.height)
      .Boolean("LockLeft", true)
      .Boolean("LockTop", true)
      .Boolean("LockRight", false)
      .Boolean("LockBottom", false)
      .Int32("TabPanelIndex", 0)
      .Int32("TabIndex", c.tabIndex);
}

void Neutral(fw::RecordBuilder& b) { b.String("HelpTag", "").Boolean("AutoDeactivate", true); }

void Font(fw::RecordBuilder& b, const ControlDesign& c) {
  b.String("TextFont", "System")
      .Boolean("Bold", c.bold)
      .Boolean("Italic", false)
      .Boolean("Underline", c.underline);
}

void Data(fw::RecordBuilder& b) { b.String("DataSource", "").String("DataField", ""); }

void LabelRecord(fw::RecordBuilder& b, const ControlDesign& c) {
  b.String("Text", c.text)
      .Int32("TextAlign", c.textAlign)
      .Colour("TextColor", c.textColor)
      .Boolean("Multiline", c.multiline)
      .Boolean("Enabled", true)
      .Boolean("Visible", true)
      .Boolean("Selectable", false)
      .Boolean("Transparent", false);
  Neutral(b);
  Font(b, c);
  Data(b);
  b.String("InitialParent", "");
}

void PushButtonRecord(fw::RecordBuilder& b, const ControlDesign& c) {
  b.Boolean("TabStop", true)
      .String("Caption", c.text)
      .Boolean("Default", false)
      .Boolean("Cancel", false)
      .Boolean("Enabled", true)
      .Boolean("Visible", true);
  Neutral(b);
  b.Int32("ButtonStyle", 6);
  Font(b, c);
  b.String("InitialParent", "");
}

void ComboBoxRecord(fw::RecordBuilder& b, const ControlDesign& c) {
  b.Boolean("TabStop", true)
      .Boolean("Enabled", true)
      .String("InitialValue", "")
      .Int32("ListIndex", 0)
      .Boolean("Visible", true);
  Neutral(b);
  b.Boolean("UseFocusRing", true);
  Font(b, c);
  Data(b);
  b.Boolean("AutoComplete", false);
}

void TextAreaRecord(fw::RecordBuilder& b, const ControlDesign& c) {
  b.Boolean("TabStop", true)
      .Boolean("Border", true)
      .Boolean("Multiline", true)
      .Boolean("ScrollbarHorizontal", false)
      .Boolean("ScrollbarVertical", true)
      .Boolean("Styled", true)
      .Boolean("UseFocusRing", true)
      .Colour("TextColor", fw::kBlack)
      .Colour("BackColor", fw::kWhite)
      .Boolean("Enabled", true)
      .String("Format", "")
      .Boolean("Visible", true);
  Neutral(b);
  b.Boolean("HideSelection", true);
  Font(b, c);
  b.String("Text", c.text)
      .String("Mask", "")
      .Boolean("ReadOnly", false)
      .Int32("LimitText", 0)
      .Boolean("AcceptTabs", false)
      .Int32("Alignment", 0)
      .Boolean("AutomaticallyCheckSpelling", true);
  Data(b);
}

const fw::ClassInfo& ClassOf(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return fw::Label::StaticClass();
    case Kind::PushButton:
      return fw::PushButton::StaticClass();
    case Kind::ComboBox:
      return fw::ComboBox::StaticClass();
    case Kind::TextArea:
      return fw::TextArea::StaticClass();
  }
  throw fw::InvalidArgumentException("unknown control kind");
}

std::shared_ptr<fw::RectControl> NewControl(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return std::make_shared<fw::Label>();
    case Kind::PushButton:
      return std::make_shared<fw::PushButton>();
    case Kind::ComboBox:
      return std::make_shared<fw::ComboBox>();
    case Kind::TextArea:
      return std::make_shared<fw::TextArea>();
  }
  throw fw::InvalidArgumentException("unknown control kind");
}

// The one event of each class that these windows handle.
int HandledEvent(const ControlDesign& design) {
  switch (design.kind) {
    case Kind::Label:
      return fw::Label::kMouseDown;
    case Kind::PushButton:
      return fw::PushButton::kAction;
    case Kind::ComboBox:
    case Kind::TextArea:
      break;
  }
  throw fw::InvalidArgumentException(std::string(design.name) + " handles no event");
}

}  // namespace

fw::ClassInfo ClassTable(const char* name, std::span<const ControlDesign> controls,
                         std::initializer_list<HandlerMethod> handlers) {
  const std::map<std::string, std::string> visible{{"__Scope", "Public"}};
  const std::map<std::string, std::string> hidden{{"__Scope", "Public"}, {"Hidden", "True"}};
  fw::ClassInfo c(name, &fw::Window::StaticClass());
  c.Method("Layout", {}, visible)
      .Method("CreateControls", {}, visible)
      .Method("_CreateControls0", {}, hidden);
  for (const ControlDesign& control : controls)
    c.Method(control.name, "(  ) as " + ClassOf(control.kind).Name(), visible);
  for (const HandlerMethod& handler : handlers) c.Method(handler.name, handler.signature, visible);
  return c;
}

std::string WindowRecord(int32_t width, int32_t height, std::string_view title) {
  return fw::RecordBuilder()
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
      .Colour("BackColor", fw::kWhite)
      .String("Title", title)
      .Boolean("Visible", true)
      .Boolean("FullScreen", false)
      .Boolean("MenuBarVisible", true)
      .Boolean("CloseButton", true)
      .Boolean("Resizeable", false)
      .Boolean("LiveResize", false)
      .Boolean("MaximizeButton", false)
      .Boolean("MinimizeButton", true)
      .Int32("MacProcID", 0)
      .Bytes();
}

std::string ControlRecord(const ControlDesign& design) {
  fw::RecordBuilder b;
  Head(b, design);
  switch (design.kind) {
    case Kind::Label:
      LabelRecord(b, design);
      break;
    case Kind::PushButton:
      PushButtonRecord(b, design);
      break;
    case Kind::ComboBox:
      ComboBoxRecord(b, design);
      break;
    case Kind::TextArea:
      TextAreaRecord(b, design);
      break;
  }
  return b.Bytes();
}

std::vector<std::string> ControlRecords(std::span<const ControlDesign> designs) {
  std::vector<std::string> records;
  for (const ControlDesign& design : designs) records.push_back(ControlRecord(design));
  return records;
}

void CreateControl(fw::Window& window, const ControlDesign& design, const std::string& record,
                   fw::Delegate handler) {
  window.AddControl(NewControl(design.kind), design.name);
  auto control = Named<fw::RectControl>(window, design.name);
  if (design.textSize > 0) control->SetTextSize(design.textSize);
  control->SetTextUnit(0);
  fw::SetProperties(*control, record);
  if (handler) control->Bind(HandledEvent(design), std::move(handler));
}

void CreateControls(fw::Window& window, std::span<const ControlDesign> designs,
                    std::span<const std::string> records,
                    const std::function<fw::Delegate(std::string_view)>& handlerOf) {
  if (designs.size() != records.size())
    throw fw::InvalidArgumentException("a control design without its record");
  for (size_t row = 0; row < designs.size(); ++row)
    CreateControl(window, designs[row], records[row], handlerOf(designs[row].name));
}

}  // namespace auxwindows
