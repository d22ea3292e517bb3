#include "templates/TelefonyTemplateEditDlg.h"

#include <QPushButton>
#include <algorithm>

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
                       parent),
      tariffs_(std::move(tariffs)),
      templates_(std::move(templates)) {
  setObjectName("TelefonyTemplateEditDlg");
  QPushButton* importBtn = AddToolButton("ImportBtn", QStringLiteral("Importieren"),
                                         QStringLiteral("Ganze Tarifdatei importieren."));
  importBtn->setEnabled(!tariffs_.empty());
  connect(importBtn, &QPushButton::clicked, this, &TTelefonyTemplateEditDlg::ImportBtnClick);
  SortPhoneTemplates(templates_);
  Refill(-1);
  ReportNoTariffs(tariffs_.empty());
}

QStringList TTelefonyTemplateEditDlg::LineTexts(int index) const {
  QStringList texts;
  for (const auto& text : PhoneLineTexts(templates_[static_cast<std::size_t>(index)], tariffs_)) {
    texts << QString::fromStdString(text);
  }
  return texts;
}

int TTelefonyTemplateEditDlg::Place(TPhoneConnectionTemplate phone) {
  templates_.push_back(phone);
  SortPhoneTemplates(templates_);
  return static_cast<int>(std::find(templates_.begin(), templates_.end(), phone) - templates_.begin());
}

int TTelefonyTemplateEditDlg::NewTemplate() {
  TPhoneConnectionTemplate phone;
  phone.PhoneTarif = tariffs_.front().Identifier;
  if (!tariffs_.front().ZoneNames.empty()) phone.Zone = tariffs_.front().ZoneNames.front();
  TTelephonyDefaultsEditDlg dlg(phone, tariffs_, &templates_, this);
  if (RunModal(dlg) != QDialog::Accepted) return -1;
  return Place(dlg.Template());
}

int TTelefonyTemplateEditDlg::EditTemplate(int index) {
  TTelephonyDefaultsEditDlg dlg(templates_[static_cast<std::size_t>(index)], tariffs_, nullptr, this);
  if (RunModal(dlg) != QDialog::Accepted) return -1;
  templates_.erase(templates_.begin() + index);
  return Place(dlg.Template());
}

bool TTelefonyTemplateEditDlg::DeleteTemplate(int index) {
  const TPhoneConnectionTemplate& phone = templates_[static_cast<std::size_t>(index)];
  if (!ConfirmTemplateDelete(phone.AccessCode + " - " + phone.Description)) return false;
  templates_.erase(templates_.begin() + index);
  return true;
}

void TTelefonyTemplateEditDlg::ImportBtnClick() {
  if (tariffs_.empty()) return;
  TPhoneProvidersTarifSelectDlg dlg(tariffs_, tariffs_.front().Identifier, {}, this);
  if (RunModal(dlg) != QDialog::Accepted) return;
  const TRatesFileInfo* tariff = FindPhoneTariff(tariffs_, dlg.PhoneTarif());
  if (tariff == nullptr || ImportPhoneTariff(templates_, *tariff) == 0) return;
  SetModified();
  Refill(Selected());
}

bool TTelefonyTemplateEditDlg::SaveTemplates() {
  return SavePhoneTemplates(templates_);
}

std::vector<TProviderPageRow> TTelefonyTemplateEditDlg::PageRows() const {
  return PhonePageRows(templates_, tariffs_);
}

}  // namespace dudode
