#pragma once
// The holiday editor: a sorted list of day-and-month dates with add, change
// and remove, and the date dialog it opens.
#include <QDialog>
#include <array>

#include "tools/HolidayList.h"
#include "ui/Command.h"

class QLineEdit;
class QListWidget;
class QToolButton;

namespace dudode {

class TFeiertagEditDlg : public QDialog {
  Q_OBJECT
 public:
  TFeiertagEditDlg(const std::vector<TFeiertag>& holidays, QWidget* parent = nullptr);

  // The list's lines as holidays, in list order.
  std::vector<TFeiertag> Holidays() const { return list_.Holidays(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateLayout();
  void AddEntry2BtnClick();
  void EditEntry2BtnClick();
  void DeleteEntry2BtnClick();
  void FListBoxDblClick();
  int SelectedLine() const;
  void ShowLines(int selected);

  THolidayList list_;
  QListWidget* FListBox = nullptr;
  std::array<QToolButton*, 3> tools_{};
};

// The date of one holiday.
class TNFeiertagDlg : public QDialog {
  Q_OBJECT
 public:
  TNFeiertagDlg(const QString& caption, const std::string& date, QWidget* parent = nullptr);

  bool Accepted() const { return form_.Accepted; }
  std::string Date() const { return form_.Text; }

 private:
  bool FEditExit();
  void OKBtnClick();

  THolidayDateForm form_;
  QLineEdit* FEdit = nullptr;
};

TCommandResult HolidaysCommand(TCommandHost& host);

}  // namespace dudode
