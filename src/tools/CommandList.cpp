#include "tools/CommandList.h"

#include "tools/AppEditDlg.h"
#include "tools/Cfg10plusDlg.h"
#include "tools/CoverageDlg.h"
#include "tools/FeiertagEditDlg.h"
#include "tools/ImportFormDlg.h"
#include "tools/TarifCheckDlg.h"
#include "tools/TarifLintDlg.h"
#include "tools/TarifOptionsDlg.h"
#include "tools/UstFormDlg.h"

namespace dudode {

std::vector<TCommandDef> ToolsCommandList() {
  return {
      {TCommandId::Options, &OptionsCommand},
      {TCommandId::Holidays, &HolidaysCommand},
      {TCommandId::Applications, &ApplicationsCommand},
      {TCommandId::Import, &ImportCommand},
      {TCommandId::CheckTariffs, &CheckTariffsCommand},
      {TCommandId::Vat, &VatCommand},
      {TCommandId::TenPlus, &TenPlusCommand},
      {TCommandId::Coverage, &CoverageCommand},
      {TCommandId::Lint, &LintCommand},
  };
}

}  // namespace dudode
