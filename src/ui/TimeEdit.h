#pragma once
// The time field of every dialog: HH:MM with the locale's time separator.
#include <cstdint>
#include <string>

#include "ui/MaskedEdit.h"

namespace dudode {

class TTimeEdit : public TMaskedEdit {
  Q_OBJECT
 public:
  explicit TTimeEdit(QWidget* parent = nullptr);

  // The field's text with the separator, blanks where nothing was typed.
  std::string TimeText() const;
  // Shows the hours and minutes of a time of day (seconds are not shown).
  void SetSeconds(std::uint32_t seconds);
  // The time entered, with the given seconds added (":00" for a start,
  // ":59" for an end), and whether the field holds a valid time.
  std::uint32_t Seconds(int extraSeconds, bool* valid = nullptr) const;
};

}  // namespace dudode
