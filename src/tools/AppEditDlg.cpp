#include "tools/AppEditDlg.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/MessageBox.h"
#include "core/Text.h"
#include "tools/SectionSave.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TAppEditDlg::TAppEditDlg(const std::vector<TAppEntry>& applications, QWidget* parent)
    : TListEditDlg(QStringLiteral("Anwendungen bearbeiten"), parent), table_(applications) {
  AppStrGrid = new QTableWidget(0, 2, this);
  AppStrGrid->setObjectName("AppStrGrid");
  AppStrGrid->setHorizontalHeaderLabels({QStringLiteral("TAPI - Name"), QStringLiteral("Anwendung")});
  AppStrGrid->setColumnWidth(0, 100);
  AppStrGrid->setColumnWidth(1, 180);
  AppStrGrid->horizontalHeader()->setStretchLastSection(true);
  AppStrGrid->verticalHeader()->hide();
  AppStrGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  AppStrGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  AppStrGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  CreateListWindow(
      AppStrGrid,
      {{},
       {QStringLiteral("Hinzufügen..."), QStringLiteral("Bearbeiten..."), QStringLiteral("Entfernen")},
       {QStringLiteral("Fügt eine Anwen-\ndung hinzu."),
        QStringLiteral("Ändert die ausge-\nwählte Anwendung."),
        QStringLiteral("Löscht die ausge-\nwählte Anwendung.")}},
      TToolsAt::Above, false, QSize(340, 300));
  ShowLines(0);
}

void TAppEditDlg::FillView() {
  const std::vector<TAppRow>& rows = table_.Rows();
  AppStrGrid->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const TAppRow& row = rows[static_cast<std::size_t>(i)];
    AppStrGrid->setItem(i, 0, new QTableWidgetItem(Q(row.TapiName)));
    AppStrGrid->setItem(i, 1, new QTableWidgetItem(Q(row.AppName)));
  }
  FitColumnsToContents(*AppStrGrid);
}

int TAppEditDlg::AddEntry() {
  TAddEditAppDlg dlg(QStringLiteral("Anwendung hinzufügen"), table_.AddForm(), this);
  RunModal(dlg);
  return dlg.Accepted() ? table_.Add(dlg.Row()) : -1;
}

// An empty row or no row at all: adds instead.
int TAppEditDlg::EditEntry(int row) {
  if (table_.IsPlaceholder(row)) return AddEntry();
  TAddEditAppDlg dlg(QStringLiteral("Anwendung bearbeiten"), table_.EditForm(row), this);
  RunModal(dlg);
  if (!dlg.Accepted()) return -1;
  table_.Change(row, dlg.Row());
  return row;
}

TAddEditAppDlg::TAddEditAppDlg(const QString& caption, const TAppForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
  setWindowTitle(caption);
  ShortCutEdit = new QLineEdit(Q(form_.TapiName), this);
  ShortCutEdit->setObjectName("ShortCutEdit");
  ShortCutEdit->setMaxLength(static_cast<int>(kMaxTapiNameChars));
  AppNameEdit = new QLineEdit(Q(form_.AppName), this);
  AppNameEdit->setObjectName("AppNameEdit");
  AppNameEdit->setMaxLength(static_cast<int>(kMaxAppNameChars));
  auto* saveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(saveBtn, &QPushButton::clicked, this, &TAddEditAppDlg::SaveBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(ShortCutEdit, &QLineEdit::textEdited, this, &TAddEditAppDlg::ShortCutEditChange);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("TAPI-Name"), ShortCutEdit);
  fields->addRow(QStringLiteral("Name der Anwendung"), AppNameEdit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(ButtonRow(this, saveBtn, {saveBtn, cancelBtn}));
  resize(400, sizeHint().height());

  auto* mechanics = new TDialogMechanics(this);
  mechanics->NoChecksFor(cancelBtn);
  mechanics->EnterMovesFocus(ShortCutEdit);
  mechanics->EnterMovesFocus(AppNameEdit);
  mechanics->CheckOnLeave(AppNameEdit, [this] { return AppNameEditExit(); });
}

// Typed or pasted: capitals, and nothing that would break the file's key.
void TAddEditAppDlg::ShortCutEditChange() {
  const QString text = ShortCutEdit->text();
  const QString cleaned = Q(CleanTapiName(text.toStdString()));
  if (cleaned == text) return;
  const int cursor = ShortCutEdit->cursorPosition() - (text.size() - cleaned.size());
  ShortCutEdit->setText(cleaned);
  ShortCutEdit->setCursorPosition(std::max(0, cursor));
  const std::string dropped = TapiNameDropMessage(text.toStdString());
  if (!dropped.empty()) ShowMessageBox(dropped, {}, mkFehler, mbOK);
}

bool TAddEditAppDlg::AppNameEditExit() {
  AppNameEdit->setText(Q(TrimBlanks(AppNameEdit->text().toStdString())));
  return true;
}

void TAddEditAppDlg::SaveBtnClick() {
  if (!CheckTypedFields(*this)) return;
  form_.TapiName = ShortCutEdit->text().toStdString();
  form_.AppName = AppNameEdit->text().toStdString();
  if (form_.Apply()) accept();
}

TCommandResult ApplicationsCommand(TCommandHost& host) {
  TAppEditDlg dlg(host.Document().Applications, host.Window());
  if (RunModal(dlg) != QDialog::Accepted) return TCommandResult::None();
  TTarifFile& document = host.Document();
  document.Applications = dlg.Applications();
  WriteSectionAtOnce(document, TFileSection::Applications,
                     [&host] { return host.EnsureDescription("Speichern"); });
  // The naming step may have named the document.
  return TCommandResult::Title();
}

}  // namespace dudode
