#include "tools/TarifCheckDlg.h"

#include <QApplication>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/RegionalSettings.h"
#include "tools/TarifCheck.h"
#include "ui/DialogContract.h"
#include "ui/DialogParts.h"
#include "ui/RunModal.h"

namespace dudode {

TTarifCheckDlg::TTarifCheckDlg(const TTarifEntryList& werktag, const TTarifEntryList& saso, QWidget* parent)
    : QDialog(parent), werktag_(werktag), saso_(saso) {
  LeaveEscapeToDialog(this);
  auto* info = new QLabel(QStringLiteral(
      "Es werden die Tarife für den Zeitraum 01.01. - 31.12. jeweils von 00:00 - 24:00 Uhr im 10 "
      "Minuten-Takt überprüft.  Etwaige Sondertarife werden dabei nicht berücksichtigt.\n"
      "Die Überprüfung kann eine gewisse Zeit in Anspruch nehmen."));
  info->setWordWrap(true);
  MonthLabel = new QLabel(QStringLiteral("Januar"));
  MonthLabel->setObjectName("MonthLabel");
  QFont big = MonthLabel->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  MonthLabel->setFont(big);
  CancelBtn = new QPushButton(QStringLiteral("Abbrechen"));
  CancelBtn->setObjectName("CancelBtn");
  connect(CancelBtn, &QPushButton::clicked, this, &TTarifCheckDlg::reject);

  auto* month = new QHBoxLayout;
  month->addWidget(new QLabel(QStringLiteral("Monat:")));
  month->addWidget(MonthLabel);
  month->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(info);
  layout->addSpacing(8);
  layout->addWidget(new QLabel(QStringLiteral("Überprüfung läuft, etwas Geduld:")));
  layout->addLayout(month);
  layout->addLayout(ButtonRow(this, nullptr, {CancelBtn}));
  setMinimumWidth(440);

  Timer = new QTimer(this);
  Timer->setSingleShot(true);
  Timer->setInterval(100);
  connect(Timer, &QTimer::timeout, this, &TTarifCheckDlg::TimerTimer);
  Timer->start();
}

void TTarifCheckDlg::reject() {
  cancel_ = true;
  QDialog::reject();
}

void TTarifCheckDlg::TimerTimer() {
  // A cancel before the first tick counts: the walk does not start.
  if (cancel_ || !isVisible()) return;
  TCheckCallbacks callbacks;
  callbacks.Cancelled = [this] { return cancel_; };
  callbacks.MonthStarted = [this](int month) {
    MonthLabel->setText(
        QString::fromStdString(Regional().LongMonthNames[static_cast<std::size_t>(month - 1)]));
    QApplication::processEvents();
  };
  const TCheckResult result = CheckTariffYear(werktag_, saso_, callbacks);
  if (result.Outcome == TCheckOutcome::Cancelled) return;
  ReportCheckResult(result);
  accept();
}

TCommandResult CheckTariffsCommand(TCommandHost& host) {
  CheckZoneCommand(host.Document(), host.CurrentZone(),
                   [&host](const TKeyAndName& zone, const std::string& caption) {
                     TTarifCheckDlg dlg(zone.Werktag, zone.SaSo, host.Window());
                     dlg.setWindowTitle(QString::fromStdString(caption));
                     RunModal(dlg);
                   });
  return {};
}

}  // namespace dudode
