#include "tools/SectionSave.h"

#include "core/TarifWriter.h"

namespace dudode {

bool WriteSectionAtOnce(TTarifFile& document, TFileSection section, const TNamingStep& namingStep) {
  // A document without a file name has nothing to write a single section into.
  const std::string description = document.Description;
  if (document.FileName.empty() || !namingStep()) {
    document.Modified = true;
    return false;
  }
  // A tariff file never exists without its COMMON section: the first write of
  // a new document writes all of it.
  if (CurrentFileStamp(document).Size < 0) {
    if (SaveTarifFile(document)) return true;
    document.Modified = true;
    return false;
  }
  // A name given in the naming step lives only in memory until the next Save.
  if (document.Description != description) document.Modified = true;
  const bool written =
      section == TFileSection::Holidays ? WriteHolidaysSection(document) : WriteApplicationsSection(document);
  if (!written) document.Modified = true;
  return written;
}

}  // namespace dudode
