#pragma once
// The provider editor: one provider at a time with its options and its
// Werktag and Sa./So./Feiertag entries, over the whole provider file, which it
// reads when it is created and writes on "Speichern".
#include <QDialog>
#include <array>
#include <string>

#include "providers/ProviderEditor.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace dudode {

class TProvidersDlg : public QDialog {
  Q_OBJECT
 public:
  // providers: the file's content (LoadProvidersToEdit).
  TProvidersDlg(const std::string& fileName, TProviderList providers, int currencyBase,
                QWidget* parent = nullptr);

 public slots:
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  QTableWidget* BuildGrid(TDayClass dayClass);
  void Display();
  void FillGrid(TDayClass dayClass);
  int HighlightedRow(TDayClass dayClass) const;
  void Changed(bool changed);
  void AddEntry(TDayClass dayClass);
  void EditEntry(TDayClass dayClass);
  void DeleteEntry(TDayClass dayClass);
  void SortBtnClick();
  // "Speichern"; the result tells the close query whether to close.
  TSaveOutcome SaveBtnClick();

  std::string fileName_;
  TProviderEditor editor_;
  bool busy_ = false;
  QComboBox* ProviderBox = nullptr;
  QLabel* FreeHoursValue = nullptr;
  QLabel* BaseAmountValue = nullptr;
  QPushButton* AddProvBtn = nullptr;
  QPushButton* EditProvBtn = nullptr;
  QPushButton* DelProvBtn = nullptr;
  std::array<QTableWidget*, 2> grids_{};                       // by day class
  std::array<std::array<QPushButton*, 3>, 2> entryButtons_{};  // add, edit, delete
  QPushButton* SortBtn = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

}  // namespace dudode
