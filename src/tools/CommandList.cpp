#include "tools/CommandList.h"

#include "tools/AppEditDlg.h"
#include "tools/FeiertagEditDlg.h"
#include "tools/ImportFormDlg.h"
#include "tools/TarifOptionsDlg.h"

namespace dudode {

std::vector<TCommandDef> ToolsCommandList() {
  return {
      {TCommandId::Options, &OptionsCommand},
      {TCommandId::Holidays, &HolidaysCommand},
      {TCommandId::Applications, &ApplicationsCommand},
      {TCommandId::Import, &ImportCommand},
  };
}

}  // namespace dudode
