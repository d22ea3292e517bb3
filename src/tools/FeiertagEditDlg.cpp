#include "tools/FeiertagEditDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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
    : TListEditDlg(QStringLiteral("Gesetzliche Feiertage bearbeiten"), parent), list_(holidays) {
  FListBox = new QListWidget(this);
  FListBox->setObjectName("FListBox");
  FListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  CreateListWindow(
      FListBox,
      {QStringLiteral("festgelegte Feiertage"),
       {QStringLiteral("Hinzufügen..."), QStringLiteral("Bearbeiten"), QStringLiteral("Entfernen")},
       {QStringLiteral("Fügt einen Feier-\ntag hinzu."),
        QStringLiteral("Ändert den ausge-\nwählten Feiertag."),
        QStringLiteral("Löscht den ausge-\nwählten Feiertag.")}},
      TToolsAt::Right, true, QSize(320, 340));
  ShowLines(-1);
}

void TFeiertagEditDlg::FillView() {
  FListBox->clear();
  for (const std::string& line : list_.Lines()) FListBox->addItem(QString::fromStdString(line));
}

int TFeiertagEditDlg::AddEntry() {
  if (!list_.CanAdd()) return -1;
  TNFeiertagDlg dlg(QStringLiteral("Neuen Feiertag hinzufügen"), THolidayDateForm::EmptyText(), this);
  RunModal(dlg);
  return dlg.Accepted() ? list_.Add(dlg.Date()) : -1;
}

int TFeiertagEditDlg::EditEntry(int line) {
  if (!list_.HasSelection(line)) return -1;
  TNFeiertagDlg dlg(QStringLiteral("Feiertag ändern"), list_.Lines()[static_cast<std::size_t>(line)], this);
  RunModal(dlg);
  return dlg.Accepted() ? list_.Change(line, dlg.Date()) : -1;
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
  auto* okBtn = Named<QPushButton>(this, "OKBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(this, "Cancelbtn", QStringLiteral("Abbrechen"));
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
