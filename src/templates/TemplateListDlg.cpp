#include "templates/TemplateListDlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/MessageBox.h"
#include "ui/DialogContract.h"
#include "ui/DialogParts.h"

namespace dudode {
namespace {

constexpr const char* kCloseQuestion =
    "Die Verbindungsvorlagen wurden geändert. Möchten Sie die Änderungen speichern?";

}  // namespace

TTemplateListDlg::TTemplateListDlg(const QString& caption, const QStringList& columns,
                                   std::vector<TRatesFileInfo> tariffs, QWidget* parent)
    : QDialog(parent), tariffs_(std::move(tariffs)) {
  LeaveEscapeToDialog(this);
  setWindowTitle(caption);
  CreateControls(columns);
  CreateLayout();
  Connect();
  UpdateButtons();
}

void TTemplateListDlg::CreateControls(const QStringList& columns) {
  ListView = new QTreeWidget(this);
  ListView->setObjectName("ListView");
  ListView->setHeaderLabels(columns);
  ListView->setRootIsDecorated(false);
  ListView->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView->setContextMenuPolicy(Qt::CustomContextMenu);
  ListView->installEventFilter(this);
  NewBtn = Named<QPushButton>(this, "NewBtn", QStringLiteral("Neue Verbindung"));
  EditBtn = Named<QPushButton>(this, "EditBtn", QStringLiteral("Verbindung ändern"));
  DeleteBtn = Named<QPushButton>(this, "DeleteBtn", QStringLiteral("Verbindung löschen"));
  SaveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Speichern"));
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName("PopupMenu");
  NewItem = PopupMenu->addAction(NewBtn->text());
  EditItem = PopupMenu->addAction(EditBtn->text());
  DeleteItem = PopupMenu->addAction(DeleteBtn->text());
}

void TTemplateListDlg::CreateLayout() {
  tools_ = new QHBoxLayout;
  tools_->addWidget(NewBtn);
  tools_->addWidget(EditBtn);
  tools_->addWidget(DeleteBtn);
  tools_->addStretch();
  tools_->addWidget(SaveBtn);
  tools_->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView);
  layout->addLayout(tools_);
  resize(960, 420);
}

void TTemplateListDlg::Connect() {
  connect(NewBtn, &QPushButton::clicked, this, &TTemplateListDlg::NewClick);
  connect(EditBtn, &QPushButton::clicked, this, &TTemplateListDlg::EditClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &TTemplateListDlg::DeleteClick);
  connect(SaveBtn, &QPushButton::clicked, this, &TTemplateListDlg::SaveClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TTemplateListDlg::reject);
  connect(NewItem, &QAction::triggered, this, &TTemplateListDlg::NewClick);
  connect(EditItem, &QAction::triggered, this, &TTemplateListDlg::EditClick);
  connect(DeleteItem, &QAction::triggered, this, &TTemplateListDlg::DeleteClick);
  connect(ListView, &QTreeWidget::itemDoubleClicked, this, &TTemplateListDlg::EditClick);
  connect(ListView, &QTreeWidget::itemSelectionChanged, this, &TTemplateListDlg::UpdateButtons);
  connect(ListView, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu->popup(ListView->viewport()->mapToGlobal(at)); });
}

QPushButton* TTemplateListDlg::AddToolButton(const char* name, const QString& text, const QString& hint) {
  auto* b = new QPushButton(text, this);
  b->setObjectName(name);
  b->setToolTip(hint);
  tools_->insertWidget(3, b);
  return b;
}

void TTemplateListDlg::ReportNoTariffs() {
  if (!tariffs_.empty()) return;
  ShowMessageBox("Kann keine Telefontarifdateien finden!", {}, mkFehler, mbOK);
  NewBtn->setEnabled(false);
  NewItem->setEnabled(false);
}

// Change and Delete act on the highlighted line; they stay enabled while one
// is highlighted, so that clicking them (which takes the focus from the list)
// does not switch them off under the mouse.
void TTemplateListDlg::UpdateButtons() {
  const bool selected = Selected() >= 0;
  EditBtn->setEnabled(selected);
  DeleteBtn->setEnabled(selected);
  EditItem->setEnabled(selected);
  DeleteItem->setEnabled(selected);
}

int TTemplateListDlg::Selected() const {
  const QList<QTreeWidgetItem*> items = ListView->selectedItems();
  return items.isEmpty() ? -1 : ListView->indexOfTopLevelItem(items.first());
}

void TTemplateListDlg::Refill(int selected) {
  ListView->clear();
  for (int i = 0; i < Count(); ++i) new QTreeWidgetItem(ListView, LineTexts(i));
  for (int c = 0; c < ListView->columnCount(); ++c) ListView->resizeColumnToContents(c);
  if (QTreeWidgetItem* item = ListView->topLevelItem(selected)) {
    ListView->setCurrentItem(item);
    item->setSelected(true);
  }
  UpdateButtons();
}

void TTemplateListDlg::NewClick() {
  if (!NewBtn->isEnabled()) return;
  const int index = NewTemplate();
  if (index < 0) return;
  SetModified();
  Refill(index);
}

void TTemplateListDlg::EditClick() {
  const int selected = Selected();
  if (selected < 0) return;
  const int index = EditTemplate(selected);
  if (index < 0) return;
  SetModified();
  Refill(index);
}

void TTemplateListDlg::DeleteClick() {
  const int selected = Selected();
  if (selected < 0 || !DeleteTemplate(selected)) return;
  SetModified();
  Refill(std::min(selected, Count() - 1));
}

bool TTemplateListDlg::Save() {
  setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::processEvents();
  const bool saved = SaveTemplates();
  QApplication::restoreOverrideCursor();
  setEnabled(true);
  if (saved) modified_ = false;
  return saved;
}

void TTemplateListDlg::SaveClick() {
  if (Save()) accept();
}

void TTemplateListDlg::reject() {
  if (!isEnabled()) return;  // writing
  if (modified_) {
    switch (ShowMessageBox(kCloseQuestion, {}, mkBestaetigung, mbYesNoCancel)) {
      case idYes:
        if (Save()) accept();
        return;
      case idNo:
        break;
      default:
        return;
    }
  }
  QDialog::reject();
}

void TTemplateListDlg::WritePage() {
  ShowMessageBox(ProviderPageNotice(), {}, mkInformation, mbOK);
  WriteProviderPage(PageRows());
}

bool TTemplateListDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListView && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
    if (key->key() == Qt::Key_P && mods == (Qt::ShiftModifier | Qt::AltModifier)) {
      WritePage();
      return true;
    }
    if (mods != Qt::NoModifier) return QDialog::eventFilter(watched, event);
    switch (key->key()) {
      case Qt::Key_Insert:
        NewClick();
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        EditClick();
        return true;
      case Qt::Key_Delete:
        DeleteClick();
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace dudode
