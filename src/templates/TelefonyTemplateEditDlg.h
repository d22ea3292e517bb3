#pragma once
// The list of telephony templates, saved to PhoneTemp.dat; whole tariff files
// can be imported.
#include <vector>

#include "templates/PhoneConnectionTemplate.h"
#include "templates/TemplateListDlg.h"

namespace dudode {

class TTelefonyTemplateEditDlg : public TTemplateListDlg {
  Q_OBJECT
 public:
  TTelefonyTemplateEditDlg(std::vector<TRatesFileInfo> tariffs, TPhoneConnectionTemplateList templates,
                           QWidget* parent = nullptr);

  const TPhoneConnectionTemplateList& Templates() const { return templates_; }

 protected:
  int Count() const override { return static_cast<int>(templates_.size()); }
  QStringList LineTexts(int index) const override;
  int NewTemplate() override;
  int EditTemplate(int index) override;
  bool DeleteTemplate(int index) override;
  bool SaveTemplates() override;
  std::vector<TProviderPageRow> PageRows() const override;

 private:
  void ImportBtnClick();

  TPhoneConnectionTemplateList templates_;
};

}  // namespace dudode
