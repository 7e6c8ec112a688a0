#include "framework/Listbox.h"

#include "framework/Strings.h"

namespace fw {

const ClassInfo& Listbox::StaticClass() {
  return BuildOnce([] {
    using L = Listbox;
    ClassInfo c("Listbox", &RectControl::StaticClass());
    c.Property(AccessorProperty<L, bool>("Border", &L::SetBorder, &L::Border))
        .Property(AccessorProperty<L, int32_t>("ColumnCount", &L::SetColumnCount, &L::ColumnCount))
        .Property(AccessorProperty<L, std::string>("ColumnWidths", &L::SetColumnWidths,
                                                   &L::ColumnWidths))
        .Property(AccessorProperty<L, bool>("HasHeading", &L::SetHasHeading, &L::HasHeading))
        .Property(AccessorProperty<L, bool>("UseFocusRing", &L::SetUseFocusRing, &L::UseFocusRing))
        .Property(AccessorProperty<L, std::string>("InitialValue", &L::SetInitialValue,
                                                   &L::InitialValue))
        .Property(AccessorProperty<L, int32_t>("HeadingIndex", &L::SetHeadingIndex,
                                               &L::HeadingIndex))
        .Property(AccessorProperty<L, bool>("ScrollBarHorizontal", &L::SetScrollBarHorizontal,
                                            &L::ScrollBarHorizontal))
        .Property(AccessorProperty<L, bool>("ScrollBarVertical", &L::SetScrollBarVertical,
                                            &L::ScrollBarVertical))
        .Property(AccessorProperty<L, int32_t>("GridLinesHorizontal", &L::SetGridLinesHorizontal,
                                               &L::GridLinesHorizontal))
        .Property(AccessorProperty<L, int32_t>("GridLinesVertical", &L::SetGridLinesVertical,
                                               &L::GridLinesVertical))
        .Property(AccessorProperty<L, int32_t>("DefaultRowHeight", &L::SetDefaultRowHeight,
                                               &L::DefaultRowHeight))
        .Property(AccessorProperty<L, int32_t>("_ScrollWidth", &L::SetScrollWidth,
                                               &L::ScrollWidth))
        .Property(AccessorProperty<L, bool>("Hierarchical", &L::SetHierarchical, &L::Hierarchical))
        .Property(AccessorProperty<L, bool>("EnableDrag", &L::SetEnableDrag, &L::EnableDrag))
        .Property(AccessorProperty<L, bool>("EnableDragReorder", &L::SetEnableDragReorder,
                                            &L::EnableDragReorder))
        .Property(AccessorProperty<L, bool>("RequiresSelection", &L::SetRequiresSelection,
                                            &L::RequiresSelection))
        .Property(AccessorProperty<L, int32_t>("SelectionType", &L::SetSelectionType,
                                               &L::SelectionType))
        .Property(AccessorProperty<L, bool>("ColumnsResizable", &L::SetColumnsResizable,
                                            &L::ColumnsResizable))
        .Property(AccessorProperty<L, bool>("AutoHideScrollbars", &L::SetAutoHideScrollbars,
                                            &L::AutoHideScrollbars))
        .Event(kOpen, "Open", "( Listbox )");
    return c;
  });
}

void Listbox::AddRow(const std::string& text) {
  std::vector<std::string> row(static_cast<size_t>(std::max(ColumnCount(), 1)));
  row[0] = text;
  rows_.push_back(std::move(row));
  lastIndex_ = ListCount() - 1;
  Changed(Aspect::Rows);
}

void Listbox::DeleteAllRows() {
  rows_.clear();
  lastIndex_ = -1;
  Changed(Aspect::Rows);
}

void Listbox::CheckCell(int32_t row, int32_t column) const {
  if (row < 0 || row >= ListCount() || column < 0 || column >= std::max(ColumnCount(), 1))
    throw OutOfBoundsException(Name() + " has no cell (" + std::to_string(row) + ", " +
                               std::to_string(column) + ")");
}

std::string Listbox::Cell(int32_t row, int32_t column) const {
  CheckCell(row, column);
  const auto& cells = rows_[static_cast<size_t>(row)];
  return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)]
                                                    : std::string();
}

void Listbox::SetCell(int32_t row, int32_t column, const std::string& text) {
  CheckCell(row, column);
  auto& cells = rows_[static_cast<size_t>(row)];
  if (cells.size() <= static_cast<size_t>(column)) cells.resize(static_cast<size_t>(column) + 1);
  cells[static_cast<size_t>(column)] = text;
  Changed(Aspect::Rows);
}

std::vector<double> Listbox::ColumnFractions() const {
  int32_t columns = std::max(ColumnCount(), 1);
  std::vector<double> fractions(static_cast<size_t>(columns), 0.0);
  double given = 0;
  int32_t unset = 0;
  for (int32_t i = 0; i < columns; ++i) {
    std::string field = NthField(ColumnWidths(), ",", i + 1);
    if (field.find('%') != std::string::npos) {
      fractions[static_cast<size_t>(i)] = Val(field) / 100.0;
      given += fractions[static_cast<size_t>(i)];
    } else {
      ++unset;
    }
  }
  for (auto& f : fractions)
    if (f == 0.0) f = unset ? std::max(0.0, 1.0 - given) / unset : 0.0;
  return fractions;
}

}  // namespace fw
