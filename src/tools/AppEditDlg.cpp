#include "tools/AppEditDlg.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Text.h"
#include "tools/SectionSave.h"
#include "ui/DialogMechanics.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TAppEditDlg::TAppEditDlg(const std::vector<TAppEntry>& applications, QWidget* parent)
    : QDialog(parent), table_(applications) {
  setWindowTitle(QStringLiteral("Anwendungen bearbeiten"));
  CreateControls();
  CreateLayout();
  ShowRows(0);
}

void TAppEditDlg::CreateControls() {
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
  AppStrGrid->setContextMenuPolicy(Qt::ActionsContextMenu);
  AppStrGrid->installEventFilter(this);
  connect(AppStrGrid, &QTableWidget::cellDoubleClicked, this, &TAppEditDlg::EditEntry2BtnClick);
  const struct {
    const char* name;
    QString caption;
    QString menuCaption;
    QString hint;
    void (TAppEditDlg::*handler)();
  } tools[] = {
      {"AddEntry2Btn", QStringLiteral("Hinzufügen"), QStringLiteral("Hinzufügen..."),
       QStringLiteral("Fügt eine Anwen-\ndung hinzu."), &TAppEditDlg::AddEntry2BtnClick},
      {"EditEntry2Btn", QStringLiteral("Ändern"), QStringLiteral("Bearbeiten..."),
       QStringLiteral("Ändert die ausge-\nwählte Anwendung."), &TAppEditDlg::EditEntry2BtnClick},
      {"DeleteEntry2Btn", QStringLiteral("Löschen"), QStringLiteral("Entfernen"),
       QStringLiteral("Löscht die ausge-\nwählte Anwendung."), &TAppEditDlg::DeleteEntry2BtnClick},
  };
  for (const auto& t : tools) {
    auto* button = new QToolButton(this);
    button->setObjectName(t.name);
    button->setText(t.caption);
    button->setToolTip(t.hint);
    connect(button, &QToolButton::clicked, this, t.handler);
    auto* action = new QAction(t.menuCaption, AppStrGrid);
    connect(action, &QAction::triggered, this, t.handler);
    AppStrGrid->addAction(action);
  }
  auto* saveBtn = new QPushButton(QStringLiteral("Speichern"), this);
  saveBtn->setObjectName("SaveBtn");
  saveBtn->setAutoDefault(false);
  auto* cancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancelBtn->setObjectName("CancelBtn");
  cancelBtn->setAutoDefault(false);
  connect(saveBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);  // Escape rejects too
}

void TAppEditDlg::CreateLayout() {
  auto* tools = new QHBoxLayout;
  for (const char* name : {"AddEntry2Btn", "EditEntry2Btn", "DeleteEntry2Btn"}) {
    tools->addWidget(findChild<QToolButton*>(name));
  }
  tools->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(findChild<QPushButton*>("SaveBtn"));
  buttons->addWidget(findChild<QPushButton*>("CancelBtn"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addWidget(AppStrGrid);
  layout->addLayout(buttons);
  resize(340, 300);
}

int TAppEditDlg::SelectedRow() const {
  const QList<QTableWidgetItem*> selected = AppStrGrid->selectedItems();
  return selected.isEmpty() ? -1 : selected.first()->row();
}

void TAppEditDlg::ShowRows(int selected) {
  const std::vector<TAppRow>& rows = table_.Rows();
  AppStrGrid->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const TAppRow& row = rows[static_cast<std::size_t>(i)];
    AppStrGrid->setItem(i, 0, new QTableWidgetItem(Q(row.TapiName)));
    AppStrGrid->setItem(i, 1, new QTableWidgetItem(Q(row.AppName)));
  }
  if (selected >= 0 && selected < AppStrGrid->rowCount()) AppStrGrid->selectRow(selected);
}

void TAppEditDlg::AddEntry2BtnClick() {
  TAddEditAppDlg dlg(QStringLiteral("Anwendung hinzufügen"), table_.AddForm(), this);
  RunModal(dlg);
  if (dlg.Accepted()) ShowRows(table_.Add(dlg.Row()));
}

// An empty row or no row at all: adds instead.
void TAppEditDlg::EditEntry2BtnClick() {
  const int row = SelectedRow();
  if (table_.IsPlaceholder(row)) {
    AddEntry2BtnClick();
    return;
  }
  TAddEditAppDlg dlg(QStringLiteral("Anwendung bearbeiten"), table_.EditForm(row), this);
  RunModal(dlg);
  if (!dlg.Accepted()) return;
  table_.Change(row, dlg.Row());
  ShowRows(row);
}

void TAppEditDlg::DeleteEntry2BtnClick() {
  const int row = SelectedRow();
  if (table_.Remove(row)) ShowRows(std::min(row, static_cast<int>(table_.Rows().size()) - 1));
}

bool TAppEditDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == AppStrGrid && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Insert:
        AddEntry2BtnClick();
        return true;
      case Qt::Key_Delete:
        DeleteEntry2BtnClick();
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        EditEntry2BtnClick();
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
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
  auto* saveBtn = new QPushButton(QStringLiteral("Übernehmen"), this);
  saveBtn->setObjectName("SaveBtn");
  auto* cancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancelBtn->setObjectName("CancelBtn");
  connect(saveBtn, &QPushButton::clicked, this, &TAddEditAppDlg::SaveBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(ShortCutEdit, &QLineEdit::textEdited, this, &TAddEditAppDlg::ShortCutEditChange);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("TAPI-Name"), ShortCutEdit);
  fields->addRow(QStringLiteral("Name der Anwendung"), AppNameEdit);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(saveBtn);
  buttons->addWidget(cancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
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
}

bool TAddEditAppDlg::AppNameEditExit() {
  AppNameEdit->setText(Q(TrimBlanks(AppNameEdit->text().toStdString())));
  return true;
}

void TAddEditAppDlg::SaveBtnClick() {
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
