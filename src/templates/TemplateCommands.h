#pragma once
// The main window commands that open the template editors.
#include "ui/Command.h"

namespace dudode {

TCommandResult ConnectionTemplatesCommand(TCommandHost& host);
TCommandResult PhoneTemplatesCommand(TCommandHost& host);

}  // namespace dudode
