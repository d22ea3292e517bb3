#include "ui/QtRegional.h"

#include <QLocale>

namespace dudode {

RegionalSettings RegionalSettingsFromLocale(const QLocale& localeIn) {
  const QLocale locale =
      localeIn.language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany) : localeIn;
  RegionalSettings r;
  const QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
  for (QChar c : timeFormat) {
    if (!c.isLetter()) {
      r.TimeSeparator = QString(c).toStdString();
      break;
    }
  }
  const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
  r.ShortDateFormat = dateFormat.toStdString();
  for (QChar c : dateFormat) {
    if (!c.isLetter()) {
      r.DateSeparator = QString(c).toStdString();
      break;
    }
  }
  r.DecimalSeparator = locale.decimalPoint().toStdString();
  r.ThousandSeparator = locale.groupSeparator().toStdString();
  r.CurrencySymbol = locale.currencySymbol(QLocale::CurrencySymbol).toStdString();
  // Where the symbol stands, read off a formatted amount.
  const QString sample = locale.toCurrencyString(1.0);
  const QString symbol = QString::fromStdString(r.CurrencySymbol);
  if (!symbol.isEmpty() && sample.startsWith(symbol)) {
    r.CurrencyFormat =
        sample.mid(symbol.size()).startsWith(QChar(' ')) || sample.mid(symbol.size()).at(0).isSpace() ? 2 : 0;
  } else if (!symbol.isEmpty() && sample.endsWith(symbol)) {
    const QString before = sample.left(sample.size() - symbol.size());
    r.CurrencyFormat = (!before.isEmpty() && before.back().isSpace()) ? 3 : 1;
  }
  for (int m = 1; m <= 12; ++m) {
    r.LongMonthNames[m - 1] = locale.monthName(m, QLocale::LongFormat).toStdString();
    r.ShortMonthNames[m - 1] = locale.monthName(m, QLocale::ShortFormat).toStdString();
  }
  for (int d = 0; d < 7; ++d) {
    const int qtDay = d == 0 ? 7 : d;  // Qt counts Monday as 1, Sunday as 7
    r.LongDayNames[d] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
    r.ShortDayNames[d] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
  }
  return r;
}

}  // namespace dudode
