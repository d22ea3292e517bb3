#pragma once
// Which provider file the editor works on: the main one or the user's own.
#include <QDialog>
#include <string>

class QListWidget;

namespace dudode {

class TProviderFileSelectDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TProviderFileSelectDlg(QWidget* parent = nullptr);

  // Provider.ini for the first item, UserProv.ini otherwise.
  std::string FileName() const;

 private:
  QListWidget* ProviderList = nullptr;
};

}  // namespace dudode
