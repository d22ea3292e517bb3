#pragma once
// "Speichern" of the holiday and application editors: the document takes the
// change, and its one section is written into the file at once.
#include <functional>

#include "core/TarifFile.h"

namespace dudode {

enum class TFileSection { Holidays, Applications };

// The naming step of the host; false when the user cancelled it.
using TNamingStep = std::function<bool()>;

// Writes the section after the naming step. When the write does not happen
// (never saved, naming cancelled, write failed) the change is kept only in
// memory: the document is marked modified, so that the close query and the
// next Save take it. The first write of a document whose file does not exist
// yet writes the whole document. true when the section was written.
bool WriteSectionAtOnce(TTarifFile& document, TFileSection section, const TNamingStep& namingStep);

}  // namespace dudode
