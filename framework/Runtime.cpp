#include "framework/Runtime.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <typeinfo>
#include <vector>

#include "framework/Application.h"
#include "framework/Backend.h"
#include "framework/Exceptions.h"
#include "framework/Services.h"
#include "framework/Window.h"

namespace fw {

namespace {

struct RuntimeState {
  Backend* backend = nullptr;
  ExceptionHelper helper = &DefaultExceptionHelper;
  std::shared_ptr<Application> app;
  int handlerDepth = 0;
  int messageBoxes = 0;
  bool flushPosted = false;
  std::vector<std::function<void()>> idleWork;
};

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

bool Busy() { return State().handlerDepth > 0 || State().messageBoxes > 0; }

void FlushIdleWork();

void PostFlushIfIdle() {
  RuntimeState& s = State();
  if (Busy() || s.idleWork.empty() || s.flushPosted || !s.backend) return;
  s.flushPosted = true;
  s.backend->Post(&FlushIdleWork);
}

void FlushIdleWork() {
  RuntimeState& s = State();
  s.flushPosted = false;
  while (!s.idleWork.empty() && !Busy()) {
    auto work = std::move(s.idleWork.front());
    s.idleWork.erase(s.idleWork.begin());
    DeliverEvent(work);
  }
}

}  // namespace

void RuntimeProtectProcess() {
  // In order, so that each open takes the lowest free descriptor: the one
  // that is closed.
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
    if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
      ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  // Caught rather than ignored: an ignored signal stays ignored in the
  // programs this one starts (the mail client behind the contact link),
  // while a caught one is back to its default action there. A write past
  // the file-size limit must fail like any other, so that a save can take
  // its block back and say why.
  struct sigaction nothing {};
  nothing.sa_handler = [](int) {};
  sigemptyset(&nothing.sa_mask);
  nothing.sa_flags = SA_RESTART;
  for (int signal : {SIGPIPE, SIGXFSZ}) ::sigaction(signal, &nothing, nullptr);
}

void RuntimeInit(Backend* backend) {
  RuntimeProtectProcess();
  RuntimeState& s = State();
  s.backend = backend;
  s.helper = &DefaultExceptionHelper;
  s.handlerDepth = 0;
  s.messageBoxes = 0;
  s.flushPosted = false;
  s.idleWork.clear();
}

int32_t RuntimeExit() {
  RuntimeState& s = State();
  Window::CloseAll();
  s.idleWork.clear();
  s.app.reset();
  s.backend = nullptr;
  return 0;
}

Backend& TheBackend() {
  if (!State().backend) throw RuntimeException("the framework runtime is not running");
  return *State().backend;
}

bool RuntimeActive() { return State().backend != nullptr; }

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  State().helper = helper ? helper : &DefaultExceptionHelper;
}

std::exception_ptr DefaultExceptionHelper(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void RunFrameworkInitialization(void (*startup)()) { startup(); }

void RuntimeInitExternalClasses() {
  // The framework's own classes are described the first time they are
  // looked up; building them here keeps the start-up order fixed.
  Window::StaticClass();
  Application::StaticClass();
}

void RuntimeRun() { TheBackend().RunLoop(); }

void RuntimeQuit() {
  if (State().backend) State().backend->QuitLoop();
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) { State().app = std::move(app); }
Application* TheApplication() { return State().app.get(); }

std::string DescribeFailure(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const RuntimeException& e) {
    return std::string("An exception of class ") + e.ClassName() + " was not handled: " +
           e.what();
  } catch (const std::exception& e) {
    return std::string("An exception was not handled: ") + e.what();
  } catch (...) {
    return "An unknown exception was not handled.";
  }
}

void UnhandledException(std::exception_ptr failure) {
  std::string line = DescribeFailure(failure);
  std::cerr << line << std::endl;
  try {
    MsgBox(line);
  } catch (...) {
    // The report itself must never fail the program.
  }
}

void CallHandler(const std::function<void()>& handler) {
  RuntimeState& s = State();
  ++s.handlerDepth;
  std::exception_ptr raised;
  try {
    raised = s.helper(
        [](void* argument) { (*static_cast<const std::function<void()>*>(argument))(); },
        const_cast<std::function<void()>*>(&handler));
  } catch (...) {
    --s.handlerDepth;
    PostFlushIfIdle();
    throw;
  }
  --s.handlerDepth;
  if (raised) UnhandledException(raised);
  PostFlushIfIdle();
}

void DeliverEvent(const std::function<void()>& event) {
  try {
    event();
  } catch (...) {
    UnhandledException(std::current_exception());
  }
}

void WhenIdle(std::function<void()> work) {
  State().idleWork.push_back(std::move(work));
  PostFlushIfIdle();
}

bool HandlerRunning() { return State().handlerDepth > 0; }
bool MessageBoxOpen() { return State().messageBoxes > 0; }

void MsgBox(const std::string& text) {
  RuntimeState& s = State();
  ++s.messageBoxes;
  try {
    TheServices().ShowMessage(text);
  } catch (...) {
    --s.messageBoxes;
    throw;
  }
  --s.messageBoxes;
  PostFlushIfIdle();
}

void ShowURL(const std::string& url) {
  if (!TheServices().OpenURL(url)) ReportUnopenedURL(url);
}

void ReportUnopenedURL(const std::string& url) {
  MsgBox("No program on this computer is set up to open " + url);
}

bool Keyboard::AsyncShiftKey() { return TheServices().ShiftKeyDown(); }

}  // namespace fw
