#include "tools/TarifLintDlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/Command.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/RunModal.h"
#include "zones/EntryCommands.h"

namespace dudode {

TTarifLintDlg::TTarifLintDlg(std::vector<TLintFinding> findings, TSelectFinding selectFinding,
                             QWidget* parent)
    : QDialog(parent), findings_(std::move(findings)), selectFinding_(std::move(selectFinding)) {
  setObjectName("TarifLintDlg");
  setWindowTitle("Plausibilität der Tarifdatei");
  CreateControls();
  CreateLayout();
  ConnectSignals();
  FillList();
  resize(900, 420);
}

void TTarifLintDlg::CreateControls() {
  InfoLabel = new QLabel(this);
  InfoLabel->setObjectName("InfoLabel");
  InfoLabel->setWordWrap(true);
  FindingsList = new QTreeWidget(this);
  FindingsList->setObjectName("FindingsList");
  FindingsList->setHeaderLabels({"Art", "Ort", "Nr.", "Hinweis"});
  FindingsList->setRootIsDecorated(false);
  FindingsList->setUniformRowHeights(true);
  FindingsList->setAllColumnsShowFocus(true);
  FindingsList->header()->setStretchLastSection(true);
  DetailLabel = new QLabel(this);
  DetailLabel->setObjectName("DetailLabel");
  DetailLabel->setWordWrap(true);
  DetailLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  SelectBtn = Named<QPushButton>(this, "SelectBtn", "&Auswählen");
  CloseBtn = Named<QPushButton>(this, "CloseBtn", "&Schließen");
}

void TTarifLintDlg::CreateLayout() {
  auto* hint = new QLabel(
      "Return oder ein Doppelklick zeigt die Tarifzone und den Tarif des Hinweises im Hauptfenster; F1 "
      "erklärt die Arten von Hinweisen.",
      this);
  hint->setWordWrap(true);
  auto* main = new QVBoxLayout(this);
  main->addWidget(InfoLabel);
  main->addWidget(FindingsList, 1);
  main->addWidget(DetailLabel);
  main->addWidget(hint);
  main->addLayout(ButtonRow(this, SelectBtn, {SelectBtn, CloseBtn}));
}

void TTarifLintDlg::ConnectSignals() {
  auto* mechanics = new TDialogMechanics(this);
  mechanics->EnterRuns(FindingsList, [this] { SelectBtnClick(); });
  connect(FindingsList, &QTreeWidget::itemDoubleClicked, this, [this] { SelectBtnClick(); });
  connect(FindingsList, &QTreeWidget::currentItemChanged, this, [this] { CurrentChanged(); });
  connect(SelectBtn, &QPushButton::clicked, this, &TTarifLintDlg::SelectBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TTarifLintDlg::FillList() {
  InfoLabel->setText(
      findings_.empty()
          ? QStringLiteral("Keine Auffälligkeiten gefunden.")
          : QString::fromStdString(
                std::to_string(findings_.size()) + (findings_.size() == 1 ? " Hinweis" : " Hinweise") +
                " auf Angaben, die die Tarifdatei erlaubt, die aber vermutlich ein Versehen sind:"));
  for (const TLintFinding& f : findings_) {
    auto* item = new QTreeWidgetItem(FindingsList);
    item->setText(0, QString::fromStdString(LintKindName(f.Kind)));
    item->setText(1, QString::fromStdString(LintPlaceText(f)));
    item->setText(2, QString::number(f.Number));
    item->setText(3, QString::fromStdString(f.Text));
    item->setToolTip(3, QString::fromStdString(f.Text));
  }
  for (int column = 0; column < 3; ++column) FindingsList->resizeColumnToContents(column);
  if (!findings_.empty()) FindingsList->setCurrentItem(FindingsList->topLevelItem(0));
  FindingsList->setFocus();
  CurrentChanged();
}

const TLintFinding* TTarifLintDlg::CurrentFinding() const {
  const int row = FindingsList->indexOfTopLevelItem(FindingsList->currentItem());
  if (row < 0 || static_cast<std::size_t>(row) >= findings_.size()) return nullptr;
  const TLintFinding& finding = findings_[static_cast<std::size_t>(row)];
  return finding.Zone >= 0 ? &finding : nullptr;
}

void TTarifLintDlg::CurrentChanged() {
  const int row = FindingsList->indexOfTopLevelItem(FindingsList->currentItem());
  DetailLabel->setText(row < 0 ? QString()
                               : QString::fromStdString(LintLine(findings_[static_cast<std::size_t>(row)])));
  SelectBtn->setEnabled(CurrentFinding() != nullptr);
}

void TTarifLintDlg::SelectBtnClick() {
  const TLintFinding* finding = CurrentFinding();
  if (!finding) return;
  selectFinding_(*finding);
  accept();
}

TCommandResult LintCommand(TCommandHost& host) {
  const TTarifFile& document = host.Document();
  TTarifLintDlg dialog(
      LintTarifFile(document),
      [&host, &document](const TLintFinding& finding) {
        host.SelectZone(finding.Zone);
        TDayClass dayClass = TDayClass::Werktag;
        if (!LintEntryList(finding, dayClass)) return;
        const TTarifEntryList& list =
            document.Zones[static_cast<std::size_t>(finding.Zone)].Entries(dayClass);
        host.SelectEntryRow(dayClass, RowOfEntryIndex(list, finding.Index));
      },
      host.Window());
  RunModal(dialog);
  return TCommandResult::None();
}

}  // namespace dudode
