#pragma once
// The import: the tariff files of the program directory to import from,
// what to import, and the choice of zones.
#include <QDialog>

#include "tools/TarifImport.h"
#include "ui/Command.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;

namespace dudode {

class TImportFormDlg : public QDialog {
  Q_OBJECT
 public:
  TImportFormDlg(TTarifFile& document, QWidget* parent = nullptr);

  // What the imports changed, for the main window.
  TCommandResult Result() const { return result_; }

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void CreateLayout();
  void FormShow();
  void OpenListBoxClick();
  void OpenListBoxDblClick();
  void OpenBtnClick();
  void RunImport(const std::string& fileName);
  bool FormCloseQuery() const;

  TTarifFile& document_;
  TCommandResult result_;
  QListWidget* OpenListBox = nullptr;
  QLabel* InfoLabel = nullptr;
  QButtonGroup* OptionGroup = nullptr;
  QPushButton* OpenBtn = nullptr;
  QPushButton* CloseBtn = nullptr;
};

// The zones of the source file, each with a check box.
class TTarifImportDlg : public QDialog {
  Q_OBJECT
 public:
  TTarifImportDlg(const std::vector<std::string>& names, QWidget* parent = nullptr);
  std::vector<bool> Checked() const;

 private:
  QListWidget* TarifLB = nullptr;
};

TCommandResult ImportCommand(TCommandHost& host);

}  // namespace dudode
