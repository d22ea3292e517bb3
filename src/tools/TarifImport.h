#pragma once
// Taking zones, holidays or applications over from another tariff file of
// the program directory into the document. Every message is shown here; the
// dialogs only show lists and choices.
#include <functional>
#include <string>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

// One line of the file list: the description, carrying the file's name.
struct TImportFile {
  std::string FileName;
  std::string Description;
};

// The tariff files of the program directory, sorted by description.
std::vector<TImportFile> ImportFileList();
// "Aktualisiert: " with the file's date; empty when the file has none.
std::string ImportFileInfo(const std::string& fileName);

// Append the source's holidays (up to 20 in the document) or applications
// that the document lacks, and report the count. Return the count.
int ImportHolidays(TTarifFile& document, const std::string& fileName);
int ImportApplications(TTarifFile& document, const std::string& fileName);

// Shows the zones' names for choosing; false when the choice was cancelled,
// otherwise checked holds one flag per name.
using TZoneChooser = std::function<bool(const std::vector<std::string>& names, std::vector<bool>& checked)>;

// Appends the chosen zones of the source, each with a new key of its own and
// with everything that belongs to it. Returns the index of the zone to make
// current (the last one imported), or -1 when none was imported.
int ImportZones(TTarifFile& document, const std::string& fileName, const TZoneChooser& choose);

}  // namespace dudode
