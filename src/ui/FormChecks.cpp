#include "ui/FormChecks.h"

#include <QLineEdit>

namespace dudode {

char32_t Typed(const QString& character) {
  return character.isEmpty() ? 0 : character.toUcs4().value(0);
}

std::string TextBeside(const QLineEdit* edit) {
  QString rest = edit->text();
  if (edit->hasSelectedText()) rest.remove(edit->selectionStart(), edit->selectedText().size());
  return rest.toStdString();
}

}  // namespace dudode
