#pragma once
// The main window made directly with Qt, with no framework underneath: the
// same widgets at the same places, the same rows in the pickers, the same
// menu bar. The benchmarks measure the framework against it.
#include <QWidget>

namespace plain {

// The look the program gives itself: Fusion, and twelve-pixel text.
void ApplyLook();

// Builds the whole window, not yet shown; the caller owns it.
QWidget* BuildWindow();

// Shows it as the program shows its main window.
void ShowWindow(QWidget* top);

}  // namespace plain
