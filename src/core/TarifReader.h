#pragma once
// Reads a tariff file of the program directory into the document.
#include <string>
#include <string_view>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

class TTheIniFile;

// Replaces the document's contents with the file named by document.FileName
// in the program directory. Never refuses a file: broken tariff entries are
// reported through ShowMessageBox and dropped, everything else that cannot be
// used is dropped or defaulted silently. A missing file gives an empty
// document. Leaves FileName and Modified alone. A file that exists but cannot
// be opened or read gives an empty document and false, after a message.
// readOnly leaves a write protection of the file alone.
bool LoadTarifFile(TTarifFile& document, bool readOnly = false);

// Whether the reader takes an entry value at all: its first "-" (the one
// between the times) stands after the sixth character and is followed by a
// time of five characters and a "/".
bool IsEntrySyntax(std::string_view value);

// The parts of the reader that the import of another file shares. The import
// reads zones with its own variations; the defaults are the reader's.
struct TZoneReadOptions {
  bool RegistrationWhenMissing = true;
  bool ReadNichtBundesweit = true;
  // Negative CalcTakt or FirstSecond of an entry become 0.
  bool ClampNegativeTakt = true;
};

std::vector<TAppEntry> ReadApplications(TTheIniFile& ini);
std::vector<TFeiertag> ReadHolidays(TTheIniFile& ini);
// The zones of REGIONENINDEX (its first 50 keys) with key and display name;
// a line without a name or key makes none.
std::vector<TKeyAndName> ReadZoneIndex(TTheIniFile& ini);
// Connect price, areas, 10plus, rounding and access data of the zone whose
// sections carry key.
void ReadZoneOptions(TTheIniFile& ini, const std::string& key, TKeyAndName& zone,
                     const TZoneReadOptions& options);
// Free times, no-10plus windows and entries of one day class, appended to the
// zone's lists in file order; faulty entries are reported with key.
void ReadZoneLists(TTheIniFile& ini, const std::string& key, TKeyAndName& zone, TDayClass dayClass,
                   const TZoneReadOptions& options);
// Billing interval and first second live only in the entries: the zone takes
// them from its first Werktag entry, or from its first SaSo entry when that
// has both.
void TakeTaktFromFirstEntries(TKeyAndName& zone);

}  // namespace dudode
