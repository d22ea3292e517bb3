#pragma once
// Reads a tariff file of the program directory into the document.
#include "core/TarifFile.h"

namespace dudode {

// Replaces the document's contents with the file named by document.FileName
// in the program directory. Never refuses a file: broken tariff entries are
// reported through ShowMessageBox and dropped, everything else that cannot be
// used is dropped or defaulted silently. A missing file gives an empty
// document. Leaves FileName and Modified alone. A file that exists but cannot
// be opened or read gives an empty document and false, after a message.
// readOnly leaves a write protection of the file alone.
bool LoadTarifFile(TTarifFile& document, bool readOnly = false);

}  // namespace dudode
