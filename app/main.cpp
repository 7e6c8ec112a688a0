// The process entry: Qt's application object, the Qt backend and the
// production services, then the program's own start-up order.
#include <QApplication>

#include "app/App.h"
#include "framework/EnchantSpellChecker.h"
#include "framework/Runtime.h"
#include "framework/Services.h"
#include "framework/qt/QtBackend.h"
#include "framework/qt/QtServices.h"

int main(int argc, char** argv) {
  // Before Qt opens its display connection or writes its first warning.
  fw::RuntimeProtectProcess();
  // While this is the only thread: Qt's own threads may read the environment.
  fw::SettleSpellingFolders();
  // The program takes no options: Qt sees only the program's name, so that
  // none of Qt's own (-stylesheet, -reverse, ...) changes what the user sees.
  // Qt's environment variables still apply, as for every Qt program.
  char fallbackName[] = "quandrel";
  char* qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};
  int qtArgc = 1;
  QApplication application(qtArgc, qtArgv);
  QApplication::setApplicationName("Quandrel");
  fw::qt::QtBackend backend;
  fw::qt::QtServices services;
  fw::SetServices(&services);
  fw::RuntimeInit(&backend);
  int32_t status = RunProgram();
  fw::SetServices(nullptr);
  return status;
}
