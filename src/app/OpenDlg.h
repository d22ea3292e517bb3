#pragma once
// The open dialog: the tariff files of the program directory by their
// descriptions, with a quick search, the update date and deleting.
#include <QDialog>
#include <string>
#include <vector>

#include "app/TariffFileList.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace dudode {

class TOpenDlg : public QDialog {
  Q_OBJECT
 public:
  // currentFileName: the open document's file, selected when listed.
  explicit TOpenDlg(const std::string& currentFileName, QWidget* parent = nullptr);

  // The file of the selected line; empty when none is selected.
  std::string SelectedFileName() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillList();
  void SelectLine(int row, bool takeText);
  void OpenListBoxClick();
  void QuickSearchEditChange(const QString& text);
  void DoubleClick();
  void DeleteBtnClick();

  std::string currentFileName_;
  std::vector<TTariffFileRecord> records_;
  bool settingText_ = false;
  bool selecting_ = false;

  QListWidget* OpenListBox = nullptr;
  QLineEdit* QuickSearchEdit = nullptr;
  QLabel* InfoLabel = nullptr;
  QPushButton* OpenBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* DeleteBtn = nullptr;
};

}  // namespace dudode
