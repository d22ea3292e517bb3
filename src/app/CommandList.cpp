#include "app/CommandList.h"

#include "app/FileCommands.h"

namespace dudode {

std::vector<TCommandDef> AppCommandList() {
  return {
      {TCommandId::New, &NewCommand, TCommandNeeds::Nothing},
      {TCommandId::Open, &OpenCommand, TCommandNeeds::Nothing},
      {TCommandId::Save, &SaveCommand},
      {TCommandId::SaveAs, &SaveAsCommand},
      {TCommandId::Exit, &ExitCommand, TCommandNeeds::Nothing},
      {TCommandId::Info, &InfoCommand, TCommandNeeds::Nothing},
  };
}

}  // namespace dudode
