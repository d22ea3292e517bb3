#pragma once
// The list of connection templates, saved to ConnTemp.dat and ConnTempEx.dat.
#include <string>
#include <vector>

#include "templates/ConnectionTemplate.h"
#include "templates/TemplateListDlg.h"

namespace dudode {

class TConnectionTemplateEditDlg : public TTemplateListDlg {
  Q_OBJECT
 public:
  TConnectionTemplateEditDlg(std::vector<TRatesFileInfo> tariffs, std::vector<std::string> providerNames,
                             TConnectionTemplateList templates, QWidget* parent = nullptr);

  const TConnectionTemplateList& Templates() const { return templates_; }

 protected:
  int Count() const override { return static_cast<int>(templates_.size()); }
  QStringList LineTexts(int index) const override;
  int NewTemplate() override;
  int EditTemplate(int index) override;
  bool DeleteTemplate(int index) override;
  bool SaveTemplates() override;
  std::vector<TProviderPageRow> PageRows() const override;

 private:
  std::vector<std::string> providerNames_;
  TConnectionTemplateList templates_;
};

}  // namespace dudode
