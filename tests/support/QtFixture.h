#pragma once
// A test fixture that runs the framework on the Qt backend (offscreen in the
// test programs), with the test services.
#include <gtest/gtest.h>

#include <QString>
#include <Qt>
#include <memory>
#include <vector>

class QWidget;
namespace fw {
class Window;
}

#include "framework/qt/QtBackend.h"
#include "tests/support/TestServices.h"

class QPlainTextEdit;

inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace testing_support {

// The top-level widget of a window shown on the Qt backend.
QWidget* TopLevelOf(const fw::Window& window);
// Makes the window the active one; false where Qt never reports it so.
bool Activate(const fw::Window& window);

// Turns the mouse wheel over the middle of a widget, one notch per step,
// down (or right, for a sideways wheel) for positive steps.
void TurnWheel(QWidget* widget, int steps, Qt::Orientation wheel = Qt::Vertical);

// The words under the spell-check underline, in the order of the text.
std::vector<QString> MarkedWords(const QPlainTextEdit& edit);

class QtTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Lets Qt run its event loop for about ms milliseconds.
  void Wait(int ms);

  std::unique_ptr<fw::qt::QtBackend> backend;
  TestServices services;
};

}  // namespace testing_support
