#include "app/CommandList.h"

#include "help/HelpCommand.h"

namespace dudode {

std::vector<TCommandDef> AppCommandList() {
  return {
      {TCommandId::HelpContents, &HelpContentsCommand, TCommandNeeds::Nothing},
  };
}

}  // namespace dudode
