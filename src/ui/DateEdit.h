#pragma once
// The date field of every dialog: day and month DD.MM. with the locale's date
// separator; the year is never part of a tariff date.
#include <string>

#include "ui/MaskedEdit.h"

namespace dudode {

class TDateEdit : public TMaskedEdit {
  Q_OBJECT
 public:
  explicit TDateEdit(QWidget* parent = nullptr);

  // DDMM without separators, blanks where nothing was typed.
  std::string Ddmm() const;
  void SetDdmm(const std::string& ddmm);
  // Whether the field holds a day that exists in some year (29.02. counts).
  bool IsValidDate() const;
};

}  // namespace dudode
