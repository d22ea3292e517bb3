#include "templates/CommandList.h"

namespace dudode {

std::vector<TCommandDef> TemplatesCommandList() {
  return {};
}

}  // namespace dudode
