#include "tests/support/QtFixture.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>

#include "app/MenuBar1.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace testing_support {

void QtTest::SetUp() {
  backend = std::make_unique<fw::qt::QtBackend>();
  fw::RuntimeInit(backend.get());
  fw::SetServices(&services);
}

void QtTest::TearDown() {
  fw::Window::CloseAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  fw::RuntimeExit();
  ReleaseMenuBar1();
  fw::SetServices(nullptr);
  backend.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtTest::Wait(int ms) { QTest::qWait(ms); }

std::vector<QString> MarkedWords(const QPlainTextEdit& edit) {
  std::vector<QString> marked;
  for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
      if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
        marked.push_back(block.text().mid(range.start, range.length));
  return marked;
}

}  // namespace testing_support
