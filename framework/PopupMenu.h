#pragma once
// A popup menu: rows of text and the selected row. Selecting another row,
// from code or by the user, raises Change at once.
#include <string>
#include <vector>

#include "framework/Control.h"

namespace fw {

class PopupMenu : public RectControl {
 public:
  static constexpr int kOpen = 1;
  static constexpr int kChange = 15;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  void AddRow(const std::string& text);
  void DeleteAllRows();
  int32_t ListCount() const { return static_cast<int32_t>(rows_.size()); }
  std::string List(int32_t row) const;
  const std::vector<std::string>& Rows() const { return rows_; }

  int32_t ListIndex() const { return listIndex_; }
  // -1 clears the selection; a row past the last raises OutOfBoundsException.
  // A menu without rows stays at -1.
  void SetListIndex(int32_t row);
  // The text of the selected row; empty when none is selected.
  virtual std::string Text() const;

  // The user picked a row on screen.
  void UserSelect(int32_t row);

  FW_PROPERTY(std::string, InitialValue, initialValue_, {}, Aspect::Rows)

 private:
  std::vector<std::string> rows_;
  int32_t listIndex_ = -1;
};

}  // namespace fw
