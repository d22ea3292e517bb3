#include "tools/FeiertagEditDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/RegionalSettings.h"
#include "tools/SectionSave.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

// Optional and required day digit, separator, two month digits, separator.
QString DateMask() {
  QString separator;
  for (const QChar c : QString::fromStdString(Regional().DateSeparator)) {
    separator += QChar('\\');
    separator += c;
  }
  return QStringLiteral("90") + separator + QStringLiteral("00") + separator + QStringLiteral("; ");
}

}  // namespace

TFeiertagEditDlg::TFeiertagEditDlg(const std::vector<TFeiertag>& holidays, QWidget* parent)
    : QDialog(parent), list_(holidays) {
  setWindowTitle(QStringLiteral("Gesetzliche Feiertage bearbeiten"));
  CreateControls();
  CreateLayout();
  ShowLines(-1);
}

void TFeiertagEditDlg::CreateControls() {
  FListBox = new QListWidget(this);
  FListBox->setObjectName("FListBox");
  FListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  FListBox->viewport()->installEventFilter(this);
  tools_ =
      CreateListTools(this, FListBox,
                      {{{QStringLiteral("Hinzufügen..."), QStringLiteral("Fügt einen Feier-\ntag hinzu."),
                         [this] { AddEntry2BtnClick(); }},
                        {QStringLiteral("Bearbeiten"), QStringLiteral("Ändert den ausge-\nwählten Feiertag."),
                         [this] { EditEntry2BtnClick(); }},
                        {QStringLiteral("Entfernen"), QStringLiteral("Löscht den ausge-\nwählten Feiertag."),
                         [this] { DeleteEntry2BtnClick(); }}}},
                      [this] { FListBoxDblClick(); });
}

void TFeiertagEditDlg::CreateLayout() {
  auto* label = new QLabel(QStringLiteral("festgelegte Feiertage"), this);
  label->setBuddy(FListBox);
  auto* tools = new QVBoxLayout;
  for (QToolButton* button : tools_) {
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    tools->addWidget(button);
  }
  tools->addStretch();
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(FListBox, 1);
  listRow->addLayout(tools);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(listRow);
  layout->addLayout(SaveCancelRow(this));
  resize(320, 340);
}

int TFeiertagEditDlg::SelectedLine() const {
  const QList<QListWidgetItem*> selected = FListBox->selectedItems();
  return selected.isEmpty() ? -1 : FListBox->row(selected.first());
}

void TFeiertagEditDlg::ShowLines(int selected) {
  FListBox->clear();
  for (const std::string& line : list_.Lines()) FListBox->addItem(QString::fromStdString(line));
  if (selected >= 0 && selected < FListBox->count()) FListBox->setCurrentRow(selected);
}

void TFeiertagEditDlg::AddEntry2BtnClick() {
  if (!list_.CanAdd()) return;
  TNFeiertagDlg dlg(QStringLiteral("Neuen Feiertag hinzufügen"), THolidayDateForm::EmptyText(), this);
  RunModal(dlg);
  if (!dlg.Accepted()) return;
  const int index = list_.Add(dlg.Date());
  if (index >= 0) ShowLines(index);
}

void TFeiertagEditDlg::EditEntry2BtnClick() {
  const int selected = SelectedLine();
  if (!list_.HasSelection(selected)) return;
  TNFeiertagDlg dlg(QStringLiteral("Feiertag ändern"), list_.Lines()[static_cast<std::size_t>(selected)],
                    this);
  RunModal(dlg);
  if (!dlg.Accepted()) return;
  const int index = list_.Change(selected, dlg.Date());
  if (index >= 0) ShowLines(index);
}

void TFeiertagEditDlg::DeleteEntry2BtnClick() {
  const int selected = SelectedLine();
  if (list_.Remove(selected)) ShowLines(std::min(selected, static_cast<int>(list_.Lines().size()) - 1));
}

// On a line it changes that line; elsewhere it adds one.
void TFeiertagEditDlg::FListBoxDblClick() {
  if (SelectedLine() >= 0) {
    EditEntry2BtnClick();
  } else {
    AddEntry2BtnClick();
  }
}

bool TFeiertagEditDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FListBox->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (!FListBox->itemAt(pos)) FListBox->clearSelection();
    FListBoxDblClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

TNFeiertagDlg::TNFeiertagDlg(const QString& caption, const std::string& date, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(caption);
  FEdit = new QLineEdit(this);
  FEdit->setObjectName("FEdit");
  FEdit->setInputMask(DateMask());
  FEdit->setText(QString::fromStdString(date));
  FEdit->setCursorPosition(0);  // typing starts with the day
  auto* label = new QLabel(QStringLiteral("Feiertag am:"), this);
  label->setBuddy(FEdit);
  auto* okBtn = new QPushButton(QStringLiteral("Übernehmen"), this);
  okBtn->setObjectName("OKBtn");
  auto* cancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancelBtn->setObjectName("Cancelbtn");
  connect(okBtn, &QPushButton::clicked, this, &TNFeiertagDlg::OKBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(FEdit);
  layout->addLayout(ButtonRow(this, okBtn, {okBtn, cancelBtn}));
  resize(320, sizeHint().height());

  auto* mechanics = new TDialogMechanics(this);
  mechanics->NoChecksFor(cancelBtn);
  mechanics->EnterMovesFocus(FEdit);
  mechanics->CheckOnLeave(FEdit, [this] { return FEditExit(); });
}

bool TNFeiertagDlg::FEditExit() {
  form_.Text = FEdit->displayText().toStdString();
  const bool valid = form_.Leave();
  FEdit->setText(QString::fromStdString(form_.Text));
  return valid;
}

void TNFeiertagDlg::OKBtnClick() {
  form_.Text = FEdit->displayText().toStdString();
  const bool accepted = form_.Apply();
  FEdit->setText(QString::fromStdString(form_.Text));
  if (accepted) {
    accept();
  } else {
    FEdit->setFocus();
  }
}

TCommandResult HolidaysCommand(TCommandHost& host) {
  TFeiertagEditDlg dlg(host.Document().Holidays, host.Window());
  if (RunModal(dlg) != QDialog::Accepted) return TCommandResult::None();
  TTarifFile& document = host.Document();
  document.Holidays = dlg.Holidays();
  WriteSectionAtOnce(document, TFileSection::Holidays,
                     [&host] { return host.EnsureDescription("Speichern"); });
  // The naming step may have named the document.
  return TCommandResult::Title();
}

}  // namespace dudode
