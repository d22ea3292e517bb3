#include "templates/SR10plusDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

QLabel* TextLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TSR10plusDlg::TSR10plusDlg(const TDiscountPositions& positions, bool instantAllowed, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Rabatt 10plus und Sofortrabatt für die Verbindung festlegen"));
  auto* pages = new QTabWidget(this);
  pages->setObjectName("PageControl");
  pages->addTab(TenPlusPage(positions), QStringLiteral("Rabatt 10plus"));
  pages->addTab(InstantPage(positions, instantAllowed), QStringLiteral("Sofortrabatt"));
  auto* saveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(saveBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages);
  layout->addLayout(ButtonRow(this, saveBtn, {saveBtn, cancelBtn}));
  auto* mechanics = new TDialogMechanics(this);
  for (QWidget* w : std::initializer_list<QWidget*>{RActiveChkBox, Min.Bar, Rabatt.Bar, SRActiveChkBox,
                                                    SR1.Bar, SR2.Bar, SR3.Bar}) {
    mechanics->EnterMovesFocus(w);
  }
  resize(520, 380);
}

TSR10plusDlg::TSlider TSR10plusDlg::AddSlider(const char* barName, const char* labelName, const char* pattern,
                                              int min, int max, int tick, int value) {
  TSlider s;
  s.Bar = new QSlider(Qt::Horizontal, this);
  s.Bar->setObjectName(barName);
  s.Bar->setRange(min, max);
  s.Bar->setTickPosition(QSlider::TicksBelow);
  s.Bar->setTickInterval(tick);
  s.Bar->setPageStep(tick);
  s.Label = new QLabel(this);
  s.Label->setObjectName(labelName);
  s.Label->setBuddy(s.Bar);
  const std::string text = pattern;
  auto update = [label = s.Label, text](int position) {
    label->setText(QString::fromStdString(SliderLabelText(text, position)));
  };
  connect(s.Bar, &QSlider::valueChanged, s.Label, update);
  s.Bar->setValue(value);
  update(s.Bar->value());
  return s;
}

QWidget* TSR10plusDlg::TenPlusPage(const TDiscountPositions& p) {
  auto* page = new QWidget(this);
  RActiveChkBox = Named<QCheckBox>(page, "RActiveChkBox", QStringLiteral(" &Rabatt aktivieren"));
  RActiveChkBox->setChecked(p.Active);
  Min = AddSlider("MinTrackBar", "MinLabel", "Rabatt wird ab vollendeter %d. Gesprächs&minute gewährt.",
                  kMinMinute, kMaxMinute, 1, p.Minute);
  Rabatt = AddSlider("RabattTrackBar", "RabattLabel", "Rabatt für &Verbindungen: %d%%", kMinRate, kMaxRate, 5,
                     p.Rate);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(TextLabel(
      QStringLiteral(
          "Die Deutsche Telekom AG gewährt einen Rabatt von 10% für den T-Net-Telefonanschluß und 30% für "
          "den T-Net ISDN. Dieser Rabatt wird erst nach einer längeren Gesprächsdauer wirksam.\r\n"
          "Beachten Sie, dieser Rabatt wird nicht für jede Tarifzone gewährt.*"),
      page));
  layout->addWidget(RActiveChkBox);
  for (const TSlider* s : {&Min, &Rabatt}) {
    layout->addWidget(s->Label);
    layout->addWidget(s->Bar);
  }
  layout->addStretch();
  layout->addWidget(TextLabel(QStringLiteral("* Mit Hilfe des Dudode - Editors können Sie den Rabatt für die "
                                             "einzelnen Tarifzonen aktivieren bzw. deaktivieren."),
                              page));
  return page;
}

QWidget* TSR10plusDlg::InstantPage(const TDiscountPositions& p, bool instantAllowed) {
  auto* page = new QWidget(this);
  SRActiveChkBox = Named<QCheckBox>(page, "SRActiveChkBox", QStringLiteral(" Sofortrabatt &aktivieren"));
  SRActiveChkBox->setChecked(p.InstantActive && instantAllowed);
  SRActiveChkBox->setEnabled(instantAllowed);
  SR1 = AddSlider("SR1TrackBar", "SR1Label", "Verminderung des Preises am &Mo. - Fr. um %d%%.", kMinInstant,
                  kMaxInstant, 5, p.Workday);
  SR2 = AddSlider("SR2TrackBar", "SR2Label", "Verminderung des Preises am &Wochenende um %d%%.", kMinInstant,
                  kMaxInstant, 5, p.Weekend);
  SR3 = AddSlider("SR3TrackBar", "SR3Label", "Verminderung des Preises an &Feiertagen um %d%%.", kMinInstant,
                  kMaxInstant, 5, p.Holiday);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(
      TextLabel(QStringLiteral("Um die hier angegebenen Prozentsätze, wird der Preis einer Einheit "
                               "bzw. der Sekundenpreis während der Berechnung der Telefongebühren "
                               "gemindert."),
                page));
  layout->addWidget(SRActiveChkBox);
  for (const TSlider* s : {&SR1, &SR2, &SR3}) {
    layout->addWidget(s->Label);
    layout->addWidget(s->Bar);
  }
  layout->addStretch();
  return page;
}

TDiscountPositions TSR10plusDlg::Positions() const {
  return {Rabatt.Bar->value(), Min.Bar->value(), RActiveChkBox->isChecked(), SR1.Bar->value(),
          SR2.Bar->value(),    SR3.Bar->value(), SRActiveChkBox->isChecked()};
}

bool EditConnectionDiscount(TConnectionTemplate& connection, QWidget* parent) {
  TSR10plusDlg dlg(DiscountPositionsOf(connection), InstantDiscountAllowed(connection), parent);
  if (RunModal(dlg) != QDialog::Accepted) return false;
  StoreDiscountPositions(dlg.Positions(), connection);
  return true;
}

}  // namespace dudode
