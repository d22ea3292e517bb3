#include "ui/TimeEdit.h"

#include "core/RegionalSettings.h"
#include "core/Values.h"
#include "ui/MaskedText.h"

namespace dudode {

TTimeEdit::TTimeEdit(QWidget* parent) : TMaskedEdit(parent) {
  const QString sep = QString::fromStdString(Regional().TimeSeparator);
  setInputMask(QStringLiteral("99\\") + sep + QStringLiteral("99;_"));
  SetSeconds(0);
}

std::string TTimeEdit::TimeText() const {
  return MaskedText(this);
}

void TTimeEdit::SetSeconds(std::uint32_t seconds) {
  setText(QString::fromStdString(dudode::TimeText(seconds)));
}

std::uint32_t TTimeEdit::Seconds(int extraSeconds, bool* valid) const {
  // ParseTime reads hours from characters 1-2 and minutes from 4-5.
  const TParsedTime parsed = ParseTime(TimeText());
  if (valid) *valid = parsed.Valid;
  return parsed.Valid ? parsed.Seconds + static_cast<std::uint32_t>(extraSeconds) : 0;
}

}  // namespace dudode
