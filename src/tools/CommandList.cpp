#include "tools/CommandList.h"

#include "tools/CoverageDlg.h"
#include "tools/TarifOptionsDlg.h"

namespace dudode {

std::vector<TCommandDef> ToolsCommandList() {
  return {
      {TCommandId::Options, &OptionsCommand},
      {TCommandId::Coverage, &CoverageCommand},
  };
}

}  // namespace dudode
