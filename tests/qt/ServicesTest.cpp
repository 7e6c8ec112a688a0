// The production services' own forms: the short date that names the results
// file, and the text a message box shows.
#include <QLocale>

#include "framework/qt/QtServices.h"
#include "tests/support/QtFixture.h"

namespace {

TEST(NumericShortDate, IsDigitsAndSeparatorsInEveryLocale) {
  const fw::DateTime date{2026, 12, 7};
  const struct {
    QLocale locale;
    std::string shortDate;
  } rows[] = {
      {QLocale::c(), "12/07/26"},  // Qt's "7 Dec 2026": the C library's form instead
      {QLocale(QLocale::English, QLocale::UnitedStates), "12/7/26"},
      {QLocale(QLocale::German, QLocale::Germany), "07.12.26"},
      {QLocale(QLocale::Arabic, QLocale::Algeria), "7/12/2026"},  // without direction marks
  };
  for (const auto& row : rows)
    EXPECT_EQ(fw::qt::NumericShortDate(row.locale, date), row.shortDate)
        << row.locale.name().toStdString();
}

}  // namespace
