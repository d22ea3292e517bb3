#include "tools/SectionSave.h"

#include "core/TarifWriter.h"

namespace dudode {

bool WriteSectionAtOnce(TTarifFile& document, TFileSection section, const TNamingStep& namingStep) {
  // A document without a file has nothing to write a single section into.
  const std::string description = document.Description;
  bool written = !document.FileName.empty() && namingStep();
  // A name given in the naming step lives only in memory until the next Save.
  if (document.Description != description) document.Modified = true;
  if (written) {
    written = section == TFileSection::Holidays ? WriteHolidaysSection(document)
                                                : WriteApplicationsSection(document);
  }
  if (!written) document.Modified = true;
  return written;
}

}  // namespace dudode
