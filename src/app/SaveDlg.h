#pragma once
// The name dialog of Save and Save as.
#include <QDialog>
#include <string>

class QLineEdit;

namespace dudode {

class TSaveDlg : public QDialog {
  Q_OBJECT
 public:
  // title: "Speichern" or "Speichern unter".
  TSaveDlg(const QString& title, const std::string& name, QWidget* parent = nullptr);

  // The name typed, without blanks around it.
  std::string Name() const;

 private:
  bool FileNameEditExit();

  QLineEdit* FileNameEdit = nullptr;
};

}  // namespace dudode
