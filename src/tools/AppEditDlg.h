#pragma once
// The application editor: a grid of TAPI names and application names, and
// the dialog for one row.
#include <QDialog>

#include "tools/AppTable.h"
#include "ui/Command.h"
#include "ui/ListEditDlg.h"

class QLineEdit;
class QTableWidget;

namespace dudode {

class TAppEditDlg : public TListEditDlg {
  Q_OBJECT
 public:
  TAppEditDlg(const std::vector<TAppEntry>& applications, QWidget* parent = nullptr);

  std::vector<TAppEntry> Applications() const { return table_.Applications(); }

 protected:
  int AddEntry() override;
  int EditEntry(int row) override;
  bool RemoveEntry(int row) override { return table_.Remove(row); }
  void FillView() override;

 private:
  TAppTable table_;
  QTableWidget* AppStrGrid = nullptr;
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
