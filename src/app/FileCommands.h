#pragma once
// The file commands of the main window: New, Open, Save, Save as, Exit and
// Info, and the naming step that every write of the document goes through.
#include <string>

#include "ui/Command.h"

namespace dudode {

TCommandResult NewCommand(TCommandHost& host);
// Without a loaded document, cancelling sets up a new file instead.
TCommandResult OpenCommand(TCommandHost& host);
TCommandResult SaveCommand(TCommandHost& host);
TCommandResult SaveAsCommand(TCommandHost& host);
TCommandResult ExitCommand(TCommandHost& host);
TCommandResult InfoCommand(TCommandHost& host);

// The naming step: a document without a usable description is named in the
// name dialog with this caption. false when the user cancelled.
bool NameDocument(TCommandHost& host, const std::string& caption);
// Save: the naming step, the question, then the whole file anew.
TSaveOutcome SaveDocument(TCommandHost& host);

}  // namespace dudode
