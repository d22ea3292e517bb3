#include "templates/ConnectionTemplateEditDlg.h"

#include "core/MessageBox.h"
#include "templates/ConnectionDefaultsEditDlg.h"
#include "templates/ConnectionForm.h"
#include "ui/RunModal.h"

namespace dudode {

TConnectionTemplateEditDlg::TConnectionTemplateEditDlg(std::vector<TRatesFileInfo> tariffs,
                                                       std::vector<std::string> providerNames,
                                                       TConnectionTemplateList templates, QWidget* parent)
    : TTemplateListDlg(
          QStringLiteral("Verbindungsvorlagen bearbeiten"),
          {QStringLiteral("Name der Verbindung"), QStringLiteral("Telefonanbieter"),
           QStringLiteral("Telefontarif"), QStringLiteral("Tarifoptionen"), QStringLiteral("Provider")},
          std::move(tariffs), parent),
      providerNames_(std::move(providerNames)),
      templates_(std::move(templates)) {
  setObjectName("ConnectionTemplateEditDlg");
  SortConnectionTemplates(templates_);
  Refill(-1);
  ReportNoTariffs();
}

QStringList TConnectionTemplateEditDlg::LineTexts(int index) const {
  return Texts(ConnectionLineTexts(templates_[static_cast<std::size_t>(index)], Tariffs(), providerNames_));
}

int TConnectionTemplateEditDlg::NewTemplate() {
  TConnectionDefaultsEditDlg dlg(OnFirstTariff<TConnectionTemplate>(), Tariffs(), providerNames_, &templates_,
                                 this);
  if (RunModal(dlg) != QDialog::Accepted) return -1;
  return Place(templates_, dlg.Template(), SortConnectionTemplates);
}

int TConnectionTemplateEditDlg::EditTemplate(int index) {
  TConnectionDefaultsEditDlg dlg(templates_[static_cast<std::size_t>(index)], Tariffs(), providerNames_,
                                 nullptr, this);
  if (RunModal(dlg) != QDialog::Accepted) return -1;
  templates_.erase(templates_.begin() + index);
  return Place(templates_, dlg.Template(), SortConnectionTemplates);
}

bool TConnectionTemplateEditDlg::DeleteTemplate(int index) {
  if (!ConfirmTemplateDelete(templates_[static_cast<std::size_t>(index)].Name)) return false;
  templates_.erase(templates_.begin() + index);
  return true;
}

bool TConnectionTemplateEditDlg::SaveTemplates() {
  return SaveConnectionTemplates(templates_, Tariffs());
}

std::vector<TProviderPageRow> TConnectionTemplateEditDlg::PageRows() const {
  return ConnectionPageRows(templates_, Tariffs(), providerNames_);
}

}  // namespace dudode
