#pragma once
// The application editor: a grid of TAPI names and application names, and
// the dialog for one row.
#include <QDialog>
#include <array>

#include "tools/AppTable.h"
#include "ui/Command.h"

class QLineEdit;
class QTableWidget;
class QToolButton;

namespace dudode {

class TAppEditDlg : public QDialog {
  Q_OBJECT
 public:
  TAppEditDlg(const std::vector<TAppEntry>& applications, QWidget* parent = nullptr);

  std::vector<TAppEntry> Applications() const { return table_.Applications(); }

 private:
  void CreateControls();
  void CreateLayout();
  void AddEntry2BtnClick();
  void EditEntry2BtnClick();
  void DeleteEntry2BtnClick();
  int SelectedRow() const;
  void ShowRows(int selected);

  TAppTable table_;
  QTableWidget* AppStrGrid = nullptr;
  std::array<QToolButton*, 3> tools_{};
};

class TAddEditAppDlg : public QDialog {
  Q_OBJECT
 public:
  TAddEditAppDlg(const QString& caption, const TAppForm& form, QWidget* parent = nullptr);

  bool Accepted() const { return form_.Accepted; }
  TAppRow Row() const { return {form_.TapiName, form_.AppName}; }

 private:
  void ShortCutEditChange();
  bool AppNameEditExit();
  void SaveBtnClick();

  TAppForm form_;
  QLineEdit* ShortCutEdit = nullptr;
  QLineEdit* AppNameEdit = nullptr;
};

TCommandResult ApplicationsCommand(TCommandHost& host);

}  // namespace dudode
