#include "tools/ImportFormDlg.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/DialogContract.h"
#include "ui/DialogParts.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

enum TImportKind { kZones = 0, kHolidays = 1, kApplications = 2 };

constexpr int kFileNameRole = Qt::UserRole;

}  // namespace

TImportFormDlg::TImportFormDlg(TTarifFile& document, QWidget* parent) : QDialog(parent), document_(document) {
  LeaveEscapeToDialog(this);
  setWindowTitle(QStringLiteral("Import"));
  CreateControls();
  CreateLayout();
  FormShow();
}

void TImportFormDlg::CreateControls() {
  OpenListBox = new QListWidget(this);
  OpenListBox->setObjectName("OpenListBox");
  OpenListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  OpenListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  InfoLabel = new QLabel(this);
  InfoLabel->setObjectName("InfoLabel");
  OptionGroup = new QButtonGroup(this);
  const char* options[] = {"Tarif&zonen", "&Feiertage", "TAPI-&Anwendungen"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(options[i]), this);
    radio->setObjectName(QStringLiteral("OptionGroup%1").arg(i));
    OptionGroup->addButton(radio, i);
  }
  OptionGroup->button(kZones)->setChecked(true);
  OpenBtn = Named<QPushButton>(this, "OpenBtn", QStringLiteral("&Importieren"));
  OpenBtn->setEnabled(false);
  CloseBtn = Named<QPushButton>(this, "CloseBtn", QStringLiteral("Schließen"));
  // Enter in the list imports already: no default button may import again.
  connect(OpenListBox, &QListWidget::itemSelectionChanged, this, &TImportFormDlg::OpenListBoxClick);
  connect(OpenListBox, &QListWidget::itemActivated, this, &TImportFormDlg::OpenListBoxDblClick);
  connect(OpenBtn, &QPushButton::clicked, this, &TImportFormDlg::OpenBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &TImportFormDlg::reject);
}

void TImportFormDlg::CreateLayout() {
  auto* text =
      new QLabel(QStringLiteral("Mit Hilfe dieses Dialogs können Tarifzonen, Feiertage oder die TAPI - "
                                "Anwendungen aus einer anderen Tarifdatei importiert werden."),
                 this);
  text->setWordWrap(true);
  auto* listLabel = new QLabel(QStringLiteral("vorhandene Tarifdateien:"), this);
  listLabel->setBuddy(OpenListBox);
  auto* group = new QGroupBox(QStringLiteral(" Importieren "), this);
  group->setObjectName("OptionGroup");
  auto* groupLayout = new QVBoxLayout(group);
  for (QAbstractButton* radio : OptionGroup->buttons()) groupLayout->addWidget(radio);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(group);
  buttons->addStretch();
  buttons->addWidget(OpenBtn);
  buttons->addWidget(CloseBtn);
  auto* list = new QVBoxLayout;
  list->addWidget(listLabel);
  list->addWidget(OpenListBox, 1);
  list->addWidget(InfoLabel);
  auto* row = new QHBoxLayout;
  row->addLayout(list, 1);
  row->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(row);
  resize(520, 320);
}

void TImportFormDlg::FormShow() {
  for (const TImportFile& file : ImportFileList()) {
    auto* item = new QListWidgetItem(QString::fromStdString(file.Description), OpenListBox);
    item->setData(kFileNameRole, QString::fromStdString(file.FileName));
  }
}

void TImportFormDlg::OpenListBoxClick() {
  const QList<QListWidgetItem*> selected = OpenListBox->selectedItems();
  OpenBtn->setEnabled(!selected.isEmpty() && CloseBtn->isEnabled());
  const std::string info =
      selected.isEmpty() ? std::string()
                         : ImportFileInfo(selected.first()->data(kFileNameRole).toString().toStdString());
  InfoLabel->setText(QString::fromStdString(info));
}

void TImportFormDlg::OpenListBoxDblClick() {
  if (OpenBtn->isEnabled()) OpenBtnClick();
}

void TImportFormDlg::OpenBtnClick() {
  const QList<QListWidgetItem*> selected = OpenListBox->selectedItems();
  if (selected.isEmpty()) return;
  OpenBtn->setEnabled(false);
  CloseBtn->setEnabled(false);
  RunImport(selected.first()->data(kFileNameRole).toString().toStdString());
  CloseBtn->setEnabled(true);
  OpenBtn->setEnabled(true);
}

void TImportFormDlg::RunImport(const std::string& fileName) {
  switch (OptionGroup->checkedId()) {
    case kHolidays:
      ImportHolidays(document_, fileName);
      break;
    case kApplications:
      ImportApplications(document_, fileName);
      break;
    default: {
      const auto choose = [this](const std::vector<std::string>& names, std::vector<bool>& checked) {
        TTarifImportDlg dlg(names, this);
        if (RunModal(dlg) != QDialog::Accepted) return false;
        checked = dlg.Checked();
        return true;
      };
      const int current = ImportZones(document_, fileName, choose);
      if (current >= 0) result_ |= TCommandResult::Zones(current);
    }
  }
}

// While an import runs the dialog stays open, whatever way it is asked to close.
bool TImportFormDlg::FormCloseQuery() const {
  return CloseBtn->isEnabled();
}

void TImportFormDlg::reject() {
  if (FormCloseQuery()) QDialog::reject();
}

void TImportFormDlg::closeEvent(QCloseEvent* event) {
  if (FormCloseQuery()) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
  }
}

TTarifImportDlg::TTarifImportDlg(const std::vector<std::string>& names, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Tarifzonen importieren"));
  TarifLB = new QListWidget(this);
  TarifLB->setObjectName("TarifLB");
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), TarifLB);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  if (TarifLB->count() > 0) TarifLB->setCurrentRow(0);
  auto* label = new QLabel(QStringLiteral("Bitte wählen Sie die zu importierenden Tarife aus:"), this);
  label->setBuddy(TarifLB);
  auto* okBtn = Named<QPushButton>(this, "OKBtn", QStringLiteral("&Importieren"));
  auto* cancelBtn = Named<QPushButton>(this, "Button1", QStringLiteral("Abbrechen"));
  connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(TarifLB);
  layout->addLayout(ButtonRow(this, okBtn, {okBtn, cancelBtn}));
  resize(340, 320);
}

std::vector<bool> TTarifImportDlg::Checked() const {
  std::vector<bool> checked;
  for (int i = 0; i < TarifLB->count(); ++i) checked.push_back(TarifLB->item(i)->checkState() == Qt::Checked);
  return checked;
}

TCommandResult ImportCommand(TCommandHost& host) {
  TImportFormDlg dlg(host.Document(), host.Window());
  RunModal(dlg);
  return dlg.Result();
}

}  // namespace dudode
