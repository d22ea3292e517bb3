#pragma once
// Text of the masked time and date fields as the field checks read it.
#include <QLineEdit>
#include <string>

namespace dudode {

// The field text with blanks where nothing was typed.
inline std::string MaskedText(const QLineEdit* edit) {
  return edit->displayText().replace('_', ' ').toStdString();
}

// Shows text unless the field already shows it (keeps the cursor where it is).
inline void ShowMaskedText(QLineEdit* edit, const std::string& text) {
  if (MaskedText(edit) != text) edit->setText(QString::fromStdString(text));
}

}  // namespace dudode
