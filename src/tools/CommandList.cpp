#include "tools/CommandList.h"

#include "tools/TarifOptionsDlg.h"

namespace dudode {

std::vector<TCommandDef> ToolsCommandList() {
  return {
      {TCommandId::Options, &OptionsCommand},
  };
}

}  // namespace dudode
