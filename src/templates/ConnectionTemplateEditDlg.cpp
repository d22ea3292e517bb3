#include "templates/ConnectionTemplateEditDlg.h"

#include <algorithm>

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
          parent),
      tariffs_(std::move(tariffs)),
      providerNames_(std::move(providerNames)),
      templates_(std::move(templates)) {
  setObjectName("ConnectionTemplateEditDlg");
  SortConnectionTemplates(templates_);
  Refill(-1);
  ReportNoTariffs(tariffs_.empty());
}

QStringList TConnectionTemplateEditDlg::LineTexts(int index) const {
  QStringList texts;
  for (const auto& text :
       ConnectionLineTexts(templates_[static_cast<std::size_t>(index)], tariffs_, providerNames_)) {
    texts << QString::fromStdString(text);
  }
  return texts;
}

int TConnectionTemplateEditDlg::Place(TConnectionTemplate connection) {
  templates_.push_back(connection);
  SortConnectionTemplates(templates_);
  return static_cast<int>(std::find(templates_.begin(), templates_.end(), connection) - templates_.begin());
}

int TConnectionTemplateEditDlg::NewTemplate() {
  TConnectionTemplate connection;
  connection.PhoneTarif = tariffs_.front().Identifier;
  if (!tariffs_.front().ZoneNames.empty()) connection.Zone = tariffs_.front().ZoneNames.front();
  TConnectionDefaultsEditDlg dlg(connection, tariffs_, providerNames_, &templates_, this);
  if (RunModal(dlg) != QDialog::Accepted) return -1;
  return Place(dlg.Template());
}

int TConnectionTemplateEditDlg::EditTemplate(int index) {
  TConnectionDefaultsEditDlg dlg(templates_[static_cast<std::size_t>(index)], tariffs_, providerNames_,
                                 nullptr, this);
  if (RunModal(dlg) != QDialog::Accepted) return -1;
  templates_.erase(templates_.begin() + index);
  return Place(dlg.Template());
}

bool TConnectionTemplateEditDlg::DeleteTemplate(int index) {
  if (!ConfirmTemplateDelete(templates_[static_cast<std::size_t>(index)].Name)) return false;
  templates_.erase(templates_.begin() + index);
  return true;
}

bool TConnectionTemplateEditDlg::SaveTemplates() {
  return SaveConnectionTemplates(templates_, tariffs_);
}

std::vector<TProviderPageRow> TConnectionTemplateEditDlg::PageRows() const {
  return ConnectionPageRows(templates_, tariffs_, providerNames_);
}

}  // namespace dudode
