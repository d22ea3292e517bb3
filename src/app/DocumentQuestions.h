#pragma once
// The questions asked before unsaved changes of the document could be lost.
#include <functional>

#include "core/CommandResult.h"
#include "core/TarifFile.h"

namespace dudode {

using TSaveCommand = std::function<TSaveOutcome()>;

// The main window's close query; true when the window may close. A busy
// window refuses. Cancelling the question, or a save that failed, keeps the
// window open, so that the changes are not lost behind the user's back.
bool CloseQuery(const TTarifFile& document, bool busy, const TSaveCommand& save);

// Asked by New and Open before the document is replaced; true to go on.
// A save that failed stops the command as well.
bool AskBeforeReplacing(const TTarifFile& document, const TSaveCommand& save);

}  // namespace dudode
