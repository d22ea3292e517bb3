#include "zones/CommandList.h"

namespace dudode {

std::vector<TCommandDef> ZonesCommandList() {
  return {
  };
}

}  // namespace dudode
