// A plain Qt program that shows the same main window as the real program,
// for the start-up and memory comparison.
#include <QApplication>

#include "bench/plain/PlainWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quandrel");
  QApplication::setApplicationDisplayName("Quandrel");
  plain::ApplyLook();
  QWidget* window = plain::BuildWindow();
  plain::ShowWindow(window);
  int status = QApplication::exec();
  delete window;
  return status;
}
