#pragma once
// Asks for the access password.
#include <QDialog>
#include <string>

class QLineEdit;

namespace dudode {

class TPasswordEnterDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPasswordEnterDlg(QWidget* parent = nullptr);
  std::string Password() const;

 private:
  QLineEdit* PasswordEdit = nullptr;
};

}  // namespace dudode
