#pragma once
// The entry dialog of the provider editor: one tariff entry of a provider's
// Werktag or Sa./So./Feiertag list, for adding and for changing.
#include <QDialog>

#include "providers/ProviderEditor.h"

namespace dudode {

class TWindowFields;

class TNewEditProvEntryDlg : public QDialog {
  Q_OBJECT
 public:
  TNewEditProvEntryDlg(const TWindowForm& form, const QString& caption, QWidget* parent = nullptr);

  const TWindowForm& Form() const { return form_; }

 private:
  TWindowForm form_;
  TWindowFields* fields_ = nullptr;
};

// Runs the entry dialog for the editor's entry commands.
TWindowDialogRunner ProvEntryDialogRunner(QWidget* parent);

}  // namespace dudode
