#pragma once
// "&Inhalt..." and the tool bar's "  Hilfe  ": the help window on its contents.
#include "ui/Command.h"

namespace dudode {

TCommandResult HelpContentsCommand(TCommandHost& host);

}  // namespace dudode
