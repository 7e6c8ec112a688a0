#include "framework/qt/QtServices.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

namespace fw::qt {

void QtServices::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                  QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool QtServices::OpenURL(const std::string& url) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
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
