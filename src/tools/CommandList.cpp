#include "tools/CommandList.h"

namespace dudode {

std::vector<TCommandDef> ToolsCommandList() {
  return {
  };
}

}  // namespace dudode
