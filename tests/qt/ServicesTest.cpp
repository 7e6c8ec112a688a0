// The production services' own forms: the short date that names the results
// file, and the text a message box shows.
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include "framework/Runtime.h"
#include "framework/qt/QtServices.h"
#include "tests/support/QtFixture.h"

namespace {

using testing_support::QtTest;

TEST_F(QtTest, AMessageBoxShowsItsTextAsPlainText) {
  fw::qt::QtServices production;
  fw::SetServices(&production);
  QString shown;
  Qt::TextFormat format = Qt::AutoText;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    shown = box->text();
    format = box->textFormat();
    box->accept();
  });
  fw::MsgBox("<h1>BIG</h1>/ and <b>big</b> <i>x");
  EXPECT_EQ(shown, "<h1>BIG</h1>/ and <b>big</b> <i>x");
  EXPECT_EQ(format, Qt::PlainText);
}

TEST(NumericShortDate, IsTheLocalesOwnShortDateWithoutALetter) {
  const fw::DateTime date{2026, 12, 7};
  const struct {
    QLocale locale;
    std::string shortDate;
  } rows[] = {
      {QLocale::c(), "12/07/26"},  // Qt's "7 Dec 2026": month/day/year in digits instead
      {QLocale(QLocale::English, QLocale::UnitedStates), "12/7/26"},
      {QLocale(QLocale::German, QLocale::Germany), "07.12.26"},
      {QLocale(QLocale::Arabic, QLocale::Algeria), "7/12/2026"},  // without direction marks
      {QLocale(QLocale::Korean, QLocale::SouthKorea), "26. 12. 7."},  // blanks inside kept
      {QLocale(QLocale::Bulgarian, QLocale::Bulgaria), "12/07/26"},  // Qt's "7.12.26 г."
  };
  for (const auto& row : rows)
    EXPECT_EQ(fw::qt::NumericShortDate(row.locale, date), row.shortDate)
        << row.locale.name().toStdString();
}

}  // namespace
