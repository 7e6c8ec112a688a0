#include "app/App.h"

#include "app/MenuBar1.h"
#include "auxwindows/Window2.h"
#include "auxwindows/Window3.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "mainwindow/Window1.h"

const fw::ClassInfo& App::StaticClass() {
  return fw::BuildOnce([] {
    fw::ClassInfo c("App", &fw::Application::StaticClass());
    c.Method("Constructor");
    return c;
  });
}

// The wrapper catches what the framework's own does: a RuntimeException is
// handed back for the default report, anything else passes through.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
  return fw::DefaultExceptionHelper(function, argument);
}

void BuildClassTables() {
  fw::RuntimeInitExternalClasses();
  App::StaticClass();
  Window1::StaticClass();
  Window1Timer1::StaticClass();
  Window1Timer2::StaticClass();
  Window1Timer3::StaticClass();
  MenuBar1::StaticClass();
  Window2::StaticClass();
  Window3::StaticClass();
}

void InitFileTypes() {}

void NewAppInstance() {
  auto app = std::make_shared<App>();
  app->Constructor();
  app->SetMenuBar(GetMenuBar1());
  fw::RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers() {}

void MakeDefaultView() { GetWindow1(); }

void Startup() {
  fw::RuntimeInitExternalClasses();
  // The program has no plug-ins: its entry-point table is empty.
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
  MakeDefaultView();
}

void Main() {
  try {
    fw::RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
    fw::RunFrameworkInitialization(&Startup);
    fw::RuntimeRun();
  } catch (...) {
    fw::UnhandledException(std::current_exception());
  }
}

int32_t RunProgram() {
  BuildClassTables();
  Main();
  // Finalisers: the framework's windows first, the menu bar last.
  fw::Window::CloseAll();
  ReleaseMenuBar1();
  return fw::RuntimeExit();
}
