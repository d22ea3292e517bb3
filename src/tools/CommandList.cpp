#include "tools/CommandList.h"

#include "tools/AppEditDlg.h"
#include "tools/FeiertagEditDlg.h"
#include "tools/ImportFormDlg.h"

namespace dudode {

std::vector<TCommandDef> ToolsCommandList() {
  return {
      {TCommandId::Holidays, &HolidaysCommand},
      {TCommandId::Applications, &ApplicationsCommand},
      {TCommandId::Import, &ImportCommand},
  };
}

}  // namespace dudode
