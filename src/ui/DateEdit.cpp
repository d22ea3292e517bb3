#include "ui/DateEdit.h"

#include "core/RegionalSettings.h"
#include "core/Values.h"

namespace dudode {

TDateEdit::TDateEdit(QWidget* parent) : TMaskedEdit(parent) {
  const QString sep = QStringLiteral("\\") + QString::fromStdString(Regional().DateSeparator);
  setInputMask(QStringLiteral("99") + sep + QStringLiteral("99") + sep + QStringLiteral(";_"));
  SetDdmm("0101");
}

std::string TDateEdit::Ddmm() const {
  return StripDateSeparator(displayText().replace('_', ' ').toStdString());
}

void TDateEdit::SetDdmm(const std::string& ddmm) {
  setText(QString::fromStdString(DateDisplay(ddmm)));
}

bool TDateEdit::IsValidDate() const {
  static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const std::string ddmm = Ddmm();
  if (ddmm.size() != 4) return false;
  for (char c : ddmm) {
    if (c < '0' || c > '9') return false;
  }
  const int day = (ddmm[0] - '0') * 10 + (ddmm[1] - '0');
  const int month = (ddmm[2] - '0') * 10 + (ddmm[3] - '0');
  return month >= 1 && month <= 12 && day >= 1 && day <= kDays[month - 1];
}

}  // namespace dudode
