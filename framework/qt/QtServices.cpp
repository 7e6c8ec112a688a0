#include "framework/qt/QtServices.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

#include "framework/Runtime.h"

namespace fw::qt {

void QtServices::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                  QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
  // Messages carry what the user typed and what failed; left to guess, Qt
  // would take a text that looks like markup for rich text.
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool QtServices::OpenURL(const std::string& url) {
  // QDesktopServices only says whether it could start xdg-open, not whether
  // anything opened the address: watch xdg-open's own answer instead.
  const QString opener = QStandardPaths::findExecutable("xdg-open");
  if (opener.isEmpty()) return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProgram(opener);
  process->setArguments({QString::fromStdString(url)});
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::finished, process,
                   [process, url](int code, QProcess::ExitStatus status) {
                     process->deleteLater();
                     if (status != QProcess::NormalExit || code != 0)
                       DeliverEvent([&] { ReportUnopenedURL(url); });
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, url](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     process->deleteLater();
                     DeliverEvent([&] { ReportUnopenedURL(url); });
                   });
  process->start();
  return true;
}

bool QtServices::ShiftKeyDown() {
  return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

std::string NumericShortDate(const QLocale& locale, const DateTime& date) {
  QString text = locale.toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat);
  // Some locales keep their digits in order with invisible direction marks,
  // and some lead with a blank; a file name has no use for either. Blanks
  // inside stay as the locale writes them.
  text = text.remove(QChar(0x200E)).remove(QChar(0x200F)).remove(QChar(0x061C)).trimmed();
  // Qt's short date of a few locales (C among them) spells the month or
  // adds a word: those get month/day/year in digits, as the C locale's
  // numeric date.
  if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
    return text.toStdString();
  const auto twoDigits = [](int n) { return QString::number(n % 100).rightJustified(2, u'0'); };
  return (twoDigits(date.month) + u'/' + twoDigits(date.day) + u'/' + twoDigits(date.year))
      .toStdString();
}

std::string QtServices::ShortDate(const DateTime& date) {
  return NumericShortDate(QLocale::system(), date);
}

// Qt's own answer goes through a QString, which makes "" of a folder name
// that is not valid UTF-8.
std::string QtServices::ApplicationFolder() { return ExecutableFolder(); }

}  // namespace fw::qt
