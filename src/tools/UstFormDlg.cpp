#include "tools/UstFormDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "ui/DialogContract.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/RunModal.h"
#include "ui/UpDown.h"

namespace dudode {

TUstFormDlg::TUstFormDlg(TTarifFile& document, QWidget* parent) : QDialog(parent), document_(document) {
  LeaveEscapeToDialog(this);
  setWindowTitle(QStringLiteral("Umsatzsteueranpassung"));
  BuildControls();
  BuildLayout();
  ConnectField(OldUstEdit, UpDown1);
  ConnectField(NewUstEdit, UpDown2);
  connect(CalcBtn, &QPushButton::clicked, this, &TUstFormDlg::CalcBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &TUstFormDlg::reject);
  OldUstEdit->setFocus();
}

void TUstFormDlg::BuildControls() {
  auto rateEdit = [this](const char* name, const std::string& text) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setInputMask(QStringLiteral("99"));
    edit->setText(QString::fromStdString(text));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return edit;
  };
  OldUstEdit = rateEdit("OldUstEdit", form_.OldText);
  NewUstEdit = rateEdit("NewUstEdit", form_.NewText);
  UpDown1 = new TUpDown(this);
  UpDown1->setObjectName("UpDown1");
  UpDown2 = new TUpDown(this);
  UpDown2->setObjectName("UpDown2");
  CalcBtn = Named<QPushButton>(this, "CalcBtn", QStringLiteral("Berechnung durchführen..."));
  CloseBtn = Named<QPushButton>(this, "CloseBtn", QStringLiteral("Schließen"));
  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName("ProgressBar");
  QSizePolicy keepSpace = ProgressBar->sizePolicy();
  keepSpace.setRetainSizeWhenHidden(true);
  ProgressBar->setSizePolicy(keepSpace);
  ProgressBar->hide();
}

void TUstFormDlg::BuildLayout() {
  auto* info = new QLabel(QStringLiteral(
      "Dieser Dialog kann genutzt werden, um die in den Tarifen enthaltene Umsatzsteuer zu berichtigen.\n\n"
      "Sie sollten diese Funktion nur nutzen, wenn der Telefondienstanbieter die Umsatzsteuererhöhung "
      "direkt an den Kunden weitergibt!"));
  info->setWordWrap(true);
  auto* warning = new QLabel(
      QStringLiteral("ACHTUNG: Es werden alle gespeicherten Tarifzonen, mit ihren Tarifen, einbezogen."));
  warning->setObjectName("WarningLabel");
  warning->setWordWrap(true);
  warning->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  auto* rates = new QGridLayout;
  int row = 0;
  for (auto [label, edit, upDown] : {std::tuple{"Bisherige Umsatzsteuer:", OldUstEdit, UpDown1},
                                     std::tuple{"Neue Umsatzsteuer:", NewUstEdit, UpDown2}}) {
    auto* caption = new QLabel(QString::fromUtf8(label), this);
    caption->setBuddy(edit);
    rates->addWidget(caption, row, 0);
    rates->addWidget(edit, row, 1);
    rates->addWidget(upDown, row, 2);
    rates->addWidget(new QLabel(QStringLiteral("%"), this), row, 3);
    ++row;
  }
  rates->setColumnStretch(4, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ProgressBar, 1);
  buttons->addWidget(CalcBtn);
  buttons->addWidget(CloseBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(info);
  layout->addWidget(warning);
  layout->addLayout(rates);
  layout->addLayout(buttons);
  setMinimumWidth(480);
}

// The field and its spin buttons follow each other; a text that is no whole
// number leaves the position alone.
void TUstFormDlg::ConnectField(QLineEdit* edit, TUpDown* upDown) {
  upDown->SetRange(kMinUstRate, kMaxUstRate);
  upDown->setFixedHeight(edit->sizeHint().height());
  if (auto position = UstSpinPosition(edit->text().toStdString())) upDown->SetPosition(*position);
  connect(edit, &QLineEdit::textChanged, upDown, [upDown](const QString& text) {
    if (auto position = UstSpinPosition(text.toStdString())) upDown->SetPosition(*position);
  });
  connect(upDown, &TUpDown::PositionChanged, edit,
          [edit](int position) { edit->setText(QString::fromStdString(UstRateText(position))); });
  auto* mechanics = new TDialogMechanics(this);
  mechanics->EnterMovesFocus(edit);
}

void TUstFormDlg::CalcBtnClick() {
  if (form_.Computing()) return;
  form_.OldText = OldUstEdit->text().toStdString();
  form_.NewText = NewUstEdit->text().toStdString();
  ShowComputing(true);
  const auto outcome = form_.Calculate(document_, [this](int percent) {
    ProgressBar->setValue(percent);
    QApplication::processEvents();
  });
  ShowComputing(false);
  if (outcome) ReportVatOutcome(*outcome);
}

void TUstFormDlg::ShowComputing(bool computing) {
  ProgressBar->setValue(0);
  ProgressBar->setVisible(computing);
  CloseBtn->setEnabled(!computing);
  CalcBtn->setEnabled(!computing);
}

void TUstFormDlg::reject() {
  if (form_.CanClose()) QDialog::reject();
}

void TUstFormDlg::closeEvent(QCloseEvent* event) {
  if (!form_.CanClose()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

TCommandResult VatCommand(TCommandHost& host) {
  TUstFormDlg dlg(host.Document(), host.Window());
  RunModal(dlg);
  return TCommandResult::Grids();
}

}  // namespace dudode
