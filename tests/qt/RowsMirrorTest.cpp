// A picker's widget shows exactly its control's rows whatever way they
// change: one at a time, emptied and refilled, or replaced inside one batch.
#include <QComboBox>

#include "framework/PopupMenu.h"
#include "framework/Window.h"
#include "framework/qt/QtControlViews.h"
#include "tests/support/QtFixture.h"

namespace {

using testing_support::QtTest;
using Rows = std::vector<std::string>;

class PickerWindow : public fw::Window {
 public:
  std::shared_ptr<fw::PopupMenu> picker = std::make_shared<fw::PopupMenu>();
  void CreateControls() override { AddControl(picker, "Picker"); }
};

Rows Shown(const fw::PopupMenu& picker) {
  auto* combo = qobject_cast<QComboBox*>(fw::qt::WidgetOf(picker));
  Rows shown;
  for (int i = 0; combo && i < combo->count(); ++i)
    shown.push_back(combo->itemText(i).toStdString());
  return shown;
}

void Fill(fw::PopupMenu& picker, const Rows& rows) {
  for (const std::string& row : rows) picker.AddRow(row);
}

struct Change {
  const char* name;
  Rows before;
  bool batched;  // the new rows arrive inside one update batch
  Rows after;
};

class RowsMirrorTest : public QtTest, public ::testing::WithParamInterface<Change> {};

TEST_P(RowsMirrorTest, WidgetShowsTheControlsRows) {
  const Change& change = GetParam();
  auto window = fw::Window::Create<PickerWindow>();
  fw::PopupMenu& picker = *window->picker;
  Fill(picker, change.before);
  ASSERT_EQ(Shown(picker), change.before);

  if (change.batched) picker.BeginUpdate();
  picker.DeleteAllRows();
  Fill(picker, change.after);
  if (change.batched) picker.EndUpdate();
  EXPECT_EQ(Shown(picker), change.after);

  picker.AddRow("last");
  Rows expected = change.after;
  expected.push_back("last");
  EXPECT_EQ(Shown(picker), expected);
  window->Close();
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RowsMirrorTest,
    ::testing::Values(Change{"OneAtATime", {}, false, {"Choose", "A", "B"}},
                      Change{"RefilledAlike", {"1", "2"}, false, {"1", "2"}},
                      Change{"SameCountOtherTextsInABatch", {"1", "2", "3"}, true, {"1", "x", "3"}},
                      Change{"LongerPrefixInABatch", {"1", "2"}, true, {"1", "2", "3"}},
                      Change{"ShorterInABatch", {"1", "2", "3"}, true, {"1"}},
                      Change{"EmptiedInABatch", {"1", "2"}, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
