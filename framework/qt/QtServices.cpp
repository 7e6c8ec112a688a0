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

#include "framework/Runtime.h"

namespace fw::qt {

void QtServices::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                  QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
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

std::string QtServices::ShortDate(const DateTime& date) {
  return QLocale::system()
      .toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat)
      .toStdString();
}

std::string QtServices::ApplicationFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace fw::qt
