#include "providers/CommandList.h"

#include "providers/ProvidersCommand.h"

namespace dudode {

std::vector<TCommandDef> ProvidersCommandList() {
  return {
      {TCommandId::Providers, &ProvidersCommand, TCommandNeeds::Nothing},
  };
}

}  // namespace dudode
