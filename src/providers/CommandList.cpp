#include "providers/CommandList.h"

namespace dudode {

std::vector<TCommandDef> ProvidersCommandList() {
  return {};
}

}  // namespace dudode
