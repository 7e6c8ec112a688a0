#include "framework/MenuItem.h"

#include "framework/Strings.h"

namespace fw {

const ClassInfo& MenuItem::StaticClass() {
  return BuildOnce([] {
    ClassInfo c("MenuItem", &Object::StaticClass());
    c.Method("Constructor").Method("Append", "( MenuItem )").Method("Child", "( String ) as MenuItem");
    c.Property(FieldProperty("Name", &MenuItem::Name))
        .Property(FieldProperty("Text", &MenuItem::Text))
        .Property(FieldProperty("KeyboardShortcut", &MenuItem::KeyboardShortcut))
        .Property(FieldProperty("AutoEnable", &MenuItem::AutoEnable))
        .Property(FieldProperty("Enabled", &MenuItem::Enabled));
    return c;
  });
}

const ClassInfo& QuitMenuItem::StaticClass() {
  return BuildOnce([] { return ClassInfo("QuitMenuItem", &MenuItem::StaticClass()); });
}

const ClassInfo& AppleMenuItem::StaticClass() {
  return BuildOnce([] { return ClassInfo("AppleMenuItem", &MenuItem::StaticClass()); });
}

const ClassInfo& MenuBar::StaticClass() {
  return BuildOnce([] { return ClassInfo("MenuBar", &MenuItem::StaticClass()); });
}

void MenuItem::Append(const std::shared_ptr<MenuItem>& item) {
  if (!item) throw NilObjectException("a nil menu item cannot be appended to " + Name);
  children_.push_back(item);
}

std::shared_ptr<MenuItem> MenuItem::Item(int32_t index) const {
  if (index < 0 || index >= Count())
    throw OutOfBoundsException(Name + " has no item " + std::to_string(index));
  return children_[static_cast<size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
  for (const auto& child : children_)
    if (EqualsIgnoreCase(child->Name, name)) return child;
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const std::string& name) const {
  for (const auto& child : children_) {
    if (EqualsIgnoreCase(child->Name, name)) return child;
    if (auto found = child->Lookup(name)) return found;
  }
  return nullptr;
}

EditCommand EditCommandOf(const MenuItem& item) {
  static const std::pair<const char*, EditCommand> kEdit[] = {
      {"EditUndo", EditCommand::Undo},   {"EditCut", EditCommand::Cut},
      {"EditCopy", EditCommand::Copy},   {"EditPaste", EditCommand::Paste},
      {"EditClear", EditCommand::Clear}, {"EditSelectAll", EditCommand::SelectAll}};
  for (const auto& [name, command] : kEdit)
    if (EqualsIgnoreCase(item.Name, name)) return command;
  return EditCommand::None;
}

}  // namespace fw
