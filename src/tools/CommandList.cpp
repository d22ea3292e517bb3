#include "tools/CommandList.h"

#include "tools/CoverageDlg.h"

namespace dudode {

std::vector<TCommandDef> ToolsCommandList() {
  return {
      {TCommandId::Coverage, &CoverageCommand},
  };
}

}  // namespace dudode
