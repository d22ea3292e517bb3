#pragma once
// Which main window commands are steps of the undo history, and their names.
#include <string>

#include "ui/Command.h"

namespace dudode {

// The name shown after "Rückgängig:" and "Wiederherstellen:"; empty for a
// command that is no step (file commands, checks, the external editors).
std::string StepName(TCommandId id);

}  // namespace dudode
