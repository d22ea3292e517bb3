#pragma once
// The zone commands of the main window: new zone, change name and options,
// delete. The zone dialog is reached through a runner, so that the commands
// run the same with the real dialog and without a window.
#include <functional>

#include "core/CommandResult.h"
#include "core/TarifFile.h"
#include "zones/ZoneForm.h"

namespace dudode {

// Shows the zone dialog over the form; true when it was confirmed.
using TZoneDialogRunner = std::function<bool(TZoneForm& form)>;

// New zone: refused at 50 zones and for a name the zone box already holds
// (letter case ignored). The zone gets a new key by NewZoneKey.
TCommandResult NewZoneCommand(TTarifFile& document, const TZoneDialogRunner& runDialog);
// Change the name and options of a zone (a new zone when there is none).
// Changed zone values reach every entry of the zone; the document is marked
// modified only when something changed. A rename is asked for, and refused
// when another zone has exactly that name.
TCommandResult ChangeZoneCommand(TTarifFile& document, int zoneIndex, const TZoneDialogRunner& runDialog);
// Delete a zone with all its lists after asking.
TCommandResult DeleteZoneCommand(TTarifFile& document, int zoneIndex);

}  // namespace dudode
