#include "help/HelpCommand.h"

#include "help/HelpPages.h"
#include "help/HelpWindow.h"

namespace dudode {

TCommandResult HelpContentsCommand(TCommandHost&) {
  ShowHelpPage(kHelpContentsPage);
  return {};
}

}  // namespace dudode
