#pragma once
// A list box: rows of cells in columns.
#include <vector>

#include "framework/Control.h"

namespace fw {

class Listbox : public RectControl {
 public:
  static constexpr int kOpen = 1;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  void AddRow(const std::string& text);
  void DeleteAllRows();
  int32_t ListCount() const { return static_cast<int32_t>(rows_.size()); }
  // The row added last; -1 before any.
  int32_t LastIndex() const { return lastIndex_; }
  std::string Cell(int32_t row, int32_t column) const;
  void SetCell(int32_t row, int32_t column, const std::string& text);
  const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
  // The column widths as fractions of the list's width, from ColumnWidths.
  std::vector<double> ColumnFractions() const;

  FW_PROPERTY(bool, Border, border_, true, Aspect::Options)
  FW_PROPERTY(int32_t, ColumnCount, columnCount_, 1, Aspect::Rows)
  FW_PROPERTY(std::string, ColumnWidths, columnWidths_, {}, Aspect::Geometry)
  FW_PROPERTY(bool, HasHeading, hasHeading_, false, Aspect::Options)
  FW_PROPERTY(bool, UseFocusRing, useFocusRing_, true, Aspect::Options)
  FW_PROPERTY(std::string, InitialValue, initialValue_, {}, Aspect::Rows)
  FW_PROPERTY(int32_t, HeadingIndex, headingIndex_, -1, Aspect::Options)
  FW_PROPERTY(bool, ScrollBarHorizontal, scrollBarHorizontal_, false, Aspect::Options)
  FW_PROPERTY(bool, ScrollBarVertical, scrollBarVertical_, true, Aspect::Options)
  FW_PROPERTY(int32_t, GridLinesHorizontal, gridLinesHorizontal_, 0, Aspect::Options)
  FW_PROPERTY(int32_t, GridLinesVertical, gridLinesVertical_, 0, Aspect::Options)
  FW_PROPERTY(int32_t, DefaultRowHeight, defaultRowHeight_, -1, Aspect::Options)
  FW_PROPERTY(int32_t, ScrollWidth, scrollWidth_, -1, Aspect::Options)
  FW_PROPERTY(bool, Hierarchical, hierarchical_, false, Aspect::Options)
  FW_PROPERTY(bool, EnableDrag, enableDrag_, false, Aspect::Options)
  FW_PROPERTY(bool, EnableDragReorder, enableDragReorder_, false, Aspect::Options)
  FW_PROPERTY(bool, RequiresSelection, requiresSelection_, false, Aspect::Options)
  FW_PROPERTY(int32_t, SelectionType, selectionType_, 0, Aspect::Options)
  FW_PROPERTY(bool, ColumnsResizable, columnsResizable_, false, Aspect::Options)
  FW_PROPERTY(bool, AutoHideScrollbars, autoHideScrollbars_, true, Aspect::Options)

 private:
  void CheckCell(int32_t row, int32_t column) const;
  std::vector<std::vector<std::string>> rows_;
  int32_t lastIndex_ = -1;
};

}  // namespace fw
