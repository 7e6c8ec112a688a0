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
#include <clocale>
#include <ctime>

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

namespace {

// The C library's short date (%x) of the locale, which is numeric in every
// locale, C included. Where the machine lacks that locale, the process's
// own stands in: the one Qt put in place from the environment at start-up.
QString CLibraryShortDate(const QLocale& locale, const DateTime& date) {
  std::tm day{};
  day.tm_year = date.year - 1900;
  day.tm_mon = date.month - 1;
  day.tm_mday = date.day;
  const QByteArray name = locale.name().toUtf8();
  locale_t loaded = newlocale(LC_TIME_MASK, (name + ".UTF-8").constData(), nullptr);
  if (!loaded) loaded = newlocale(LC_TIME_MASK, name.constData(), nullptr);
  char text[64];
  size_t length = loaded ? strftime_l(text, sizeof text, "%x", &day, loaded)
                         : std::strftime(text, sizeof text, "%x", &day);
  if (loaded) freelocale(loaded);
  return QString::fromUtf8(text, static_cast<qsizetype>(length));
}

}  // namespace

std::string NumericShortDate(const QLocale& locale, const DateTime& date) {
  QString text = locale.toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat);
  // Some locales keep their digits in order with invisible direction marks;
  // a file name has no use for them.
  text.remove(QChar(0x200E)).remove(QChar(0x200F)).remove(QChar(0x061C));
  // Qt's short date of some locales (C among them) spells the month or
  // spaces its parts out.
  if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter() || c.isSpace(); }))
    return CLibraryShortDate(locale, date).toStdString();
  return text.toStdString();
}

std::string QtServices::ShortDate(const DateTime& date) {
  return NumericShortDate(QLocale::system(), date);
}

std::string QtServices::ApplicationFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace fw::qt
