#include "templates/TelefonyTemplateEditDlg.h"

#include <QPushButton>

#include "core/MessageBox.h"
#include "templates/ConnectionForm.h"
#include "templates/PhoneProvidersTarifSelectDlg.h"
#include "templates/TelephonyDefaultsEditDlg.h"
#include "ui/RunModal.h"

namespace dudode {

TTelefonyTemplateEditDlg::TTelefonyTemplateEditDlg(std::vector<TRatesFileInfo> tariffs,
                                                   TPhoneConnectionTemplateList templates, QWidget* parent)
    : TTemplateListDlg(QStringLiteral("Telefonievorlagen bearbeiten"),
                       {QStringLiteral("Vorwahl des Anbieters"), QStringLiteral("Telefonanbieter"),
                        QStringLiteral("Telefontarif"), QStringLiteral("Beschreibung")},
                       std::move(tariffs), parent),
      templates_(std::move(templates)) {
  setObjectName("TelefonyTemplateEditDlg");
  QPushButton* importBtn = AddToolButton("ImportBtn", QStringLiteral("Importieren"),
                                         QStringLiteral("Ganze Tarifdatei importieren."));
  importBtn->setEnabled(!Tariffs().empty());
  connect(importBtn, &QPushButton::clicked, this, &TTelefonyTemplateEditDlg::ImportBtnClick);
  SortPhoneTemplates(templates_);
  Refill(-1);
  ReportNoTariffs();
}

QStringList TTelefonyTemplateEditDlg::LineTexts(int index) const {
  return Texts(PhoneLineTexts(templates_[static_cast<std::size_t>(index)], Tariffs()));
}

int TTelefonyTemplateEditDlg::NewTemplate() {
  TTelephonyDefaultsEditDlg dlg(OnFirstTariff<TPhoneConnectionTemplate>(), Tariffs(), &templates_, this);
  if (RunModal(dlg) != QDialog::Accepted) return -1;
  return Place(templates_, dlg.Template(), SortPhoneTemplates);
}

int TTelefonyTemplateEditDlg::EditTemplate(int index) {
  TTelephonyDefaultsEditDlg dlg(templates_[static_cast<std::size_t>(index)], Tariffs(), nullptr, this);
  if (RunModal(dlg) != QDialog::Accepted) return -1;
  templates_.erase(templates_.begin() + index);
  return Place(templates_, dlg.Template(), SortPhoneTemplates);
}

bool TTelefonyTemplateEditDlg::DeleteTemplate(int index) {
  const TPhoneConnectionTemplate& phone = templates_[static_cast<std::size_t>(index)];
  if (!ConfirmTemplateDelete(phone.AccessCode + " - " + phone.Description)) return false;
  templates_.erase(templates_.begin() + index);
  return true;
}

void TTelefonyTemplateEditDlg::ImportBtnClick() {
  if (Tariffs().empty()) return;
  TPhoneProvidersTarifSelectDlg dlg(Tariffs(), Tariffs().front().Identifier, {}, this);
  if (RunModal(dlg) != QDialog::Accepted) return;
  const TRatesFileInfo* tariff = FindPhoneTariff(Tariffs(), dlg.PhoneTarif());
  if (tariff == nullptr || ImportPhoneTariff(templates_, *tariff) == 0) return;
  SetModified();
  Refill(Selected());
}

bool TTelefonyTemplateEditDlg::SaveTemplates() {
  return SavePhoneTemplates(templates_);
}

std::vector<TProviderPageRow> TTelefonyTemplateEditDlg::PageRows() const {
  return PhonePageRows(templates_, Tariffs());
}

}  // namespace dudode
