#pragma once
// The findings of the plausibility check in a list; Return or a double click
// on a finding shows its zone and entry in the main window.
#include <QDialog>
#include <functional>
#include <vector>

#include "core/CommandResult.h"
#include "tools/TarifLint.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace dudode {

class TCommandHost;

class TTarifLintDlg : public QDialog {
  Q_OBJECT
 public:
  // Told the finding the user chose; only findings in a zone can be chosen.
  using TSelectFinding = std::function<void(const TLintFinding& finding)>;

  TTarifLintDlg(std::vector<TLintFinding> findings, TSelectFinding selectFinding, QWidget* parent = nullptr);

 private:
  void CreateControls();
  void CreateLayout();
  void ConnectSignals();
  void FillList();
  const TLintFinding* CurrentFinding() const;
  void CurrentChanged();
  void SelectBtnClick();

  std::vector<TLintFinding> findings_;
  TSelectFinding selectFinding_;
  QLabel* InfoLabel = nullptr;
  QTreeWidget* FindingsList = nullptr;
  QLabel* DetailLabel = nullptr;  // the current finding in full
  QPushButton* SelectBtn = nullptr;
  QPushButton* CloseBtn = nullptr;
};

// "Plausibilität prüfen": the findings of the whole document.
TCommandResult LintCommand(TCommandHost& host);

}  // namespace dudode
