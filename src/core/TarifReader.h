#pragma once
// Reads a tariff file of the program directory into the document.
#include "core/TarifFile.h"

namespace dudode {

// Replaces the document's contents with the file named by document.FileName
// in the program directory. Never refuses a file: broken tariff entries are
// reported through ShowMessageBox and dropped, everything else that cannot be
// used is dropped or defaulted silently. A missing file gives an empty
// document. Leaves FileName and Modified alone. Always returns true.
bool LoadTarifFile(TTarifFile& document);

}  // namespace dudode
