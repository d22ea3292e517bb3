#include "templates/CommandList.h"

#include "templates/TemplateCommands.h"

namespace dudode {

std::vector<TCommandDef> TemplatesCommandList() {
  return {
      {TCommandId::ConnectionTemplates, &ConnectionTemplatesCommand, TCommandNeeds::Nothing},
      {TCommandId::PhoneTemplates, &PhoneTemplatesCommand, TCommandNeeds::Nothing},
  };
}

}  // namespace dudode
