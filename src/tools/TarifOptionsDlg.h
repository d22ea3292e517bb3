#pragma once
// The dialog for the file-wide options of the tariff document.
#include <QDialog>

#include "core/Clock.h"
#include "tools/TarifOptions.h"
#include "ui/Command.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;

class QPushButton;

namespace dudode {

class TNumberEdit;

class TTarifOptionsDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TTarifOptionsDlg(QWidget* parent = nullptr);

  // Fills the controls from the document; today stands in for a missing date.
  void Fill(const TTarifFile& document, const TDateTime& today);
  TTarifOptions Options() const;

 private:
  QWidget* BuildFilePage();
  QWidget* BuildProviderPage();
  QWidget* BuildCommentPage();
  QPushButton* BuildButtons();  // returns the close button
  void ConnectMechanics(QPushButton* closeBtn);
  bool FileNameEditExit();
  bool TrimEditExit(QLineEdit* edit);
  bool AccessCodeEditExit();
  bool PriceEditKeyPress(const QString& character);

  QTabWidget* PageControl = nullptr;
  QLineEdit* FileNameEdit = nullptr;
  TNumberEdit* BaseValueEdit = nullptr;
  TNumberEdit* PriceEdit = nullptr;
  TNumberEdit* TaktEdit = nullptr;
  QCheckBox* CWChckBox2431 = nullptr;
  QLineEdit* AccessCodeEdit = nullptr;
  QLineEdit* WWWEdit = nullptr;
  QLineEdit* HotlineEdit = nullptr;
  QLineEdit* EMAILEdit = nullptr;
  QLineEdit* CommentEdit = nullptr;
  QLineEdit* CopyrightEdit = nullptr;
  QLineEdit* LastEditDate = nullptr;
  TNumberEdit* ZoneCount = nullptr;
  QLabel* CurrencyLabel1 = nullptr;
  QLabel* CurrencyLabel2 = nullptr;
};

// "&Optionen der Tarifdatei anpassen...": the dialog over the document.
TCommandResult OptionsCommand(TCommandHost& host);

}  // namespace dudode
