#include "app/CommandList.h"

namespace dudode {

std::vector<TCommandDef> AppCommandList() {
  return {
  };
}

}  // namespace dudode
