#pragma once
// The holiday editor: a sorted list of day-and-month dates with add, change
// and remove, and the date dialog it opens.
#include <QDialog>

#include "tools/HolidayList.h"
#include "ui/Command.h"
#include "ui/ListEditDlg.h"

class QLineEdit;
class QListWidget;

namespace dudode {

class TFeiertagEditDlg : public TListEditDlg {
  Q_OBJECT
 public:
  TFeiertagEditDlg(const std::vector<TFeiertag>& holidays, QWidget* parent = nullptr);

  // The list's lines as holidays, in list order.
  std::vector<TFeiertag> Holidays() const { return list_.Holidays(); }

 protected:
  int AddEntry() override;
  int EditEntry(int line) override;
  bool RemoveEntry(int line) override { return list_.Remove(line); }
  void FillView() override;

 private:
  THolidayList list_;
  QListWidget* FListBox = nullptr;
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
