#include "framework/PopupMenu.h"

#include "framework/Runtime.h"

namespace fw {

const ClassInfo& PopupMenu::StaticClass() {
  return BuildOnce([] {
    using P = PopupMenu;
    ClassInfo c("PopupMenu", &RectControl::StaticClass());
    c.Property(AccessorProperty<P, std::string>("InitialValue", &P::SetInitialValue,
                                                &P::InitialValue))
        .Property(AccessorProperty<P, int32_t>("ListIndex", &P::SetListIndex, &P::ListIndex))
        .Event(kOpen, "Open", "( PopupMenu )")
        .Event(kChange, "Change", "( PopupMenu )");
    return c;
  });
}

void PopupMenu::AddRow(const std::string& text) {
  rows_.push_back(text);
  Changed(Aspect::Rows);
}

void PopupMenu::DeleteAllRows() {
  rows_.clear();
  bool hadSelection = listIndex_ != -1;
  listIndex_ = -1;
  Changed(Aspect::Rows);
  if (hadSelection) RaiseEvent(kChange);
}

std::string PopupMenu::List(int32_t row) const {
  if (row < 0 || row >= ListCount())
    throw OutOfBoundsException("row " + std::to_string(row) + " of " + Name() + " does not exist");
  return rows_[static_cast<size_t>(row)];
}

void PopupMenu::SetListIndex(int32_t row) {
  if (rows_.empty() || row < 0) row = -1;
  if (row >= ListCount())
    throw OutOfBoundsException(Name() + " has no row " + std::to_string(row));
  if (row == listIndex_) return;
  listIndex_ = row;
  Changed(Aspect::Selection);
  RaiseEvent(kChange);
}

std::string PopupMenu::Text() const {
  return listIndex_ < 0 ? std::string() : rows_[static_cast<size_t>(listIndex_)];
}

void PopupMenu::UserSelect(int32_t row) {
  if (!Enabled()) return;
  DeliverEvent([&] { SetListIndex(row); });
}

}  // namespace fw
