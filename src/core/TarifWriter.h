#pragma once
// Writes the document as a complete tariff file, or single sections of it.
//
// The Save command of the editor runs, in this order: the naming step
// (NeedsName / IsUsableDescription of TarifFile.h with the name dialog), the
// confirmation question, then SaveTarifFile. The holiday and application
// editors run the naming step and then their section writer.
#include <functional>
#include <string>
#include <string_view>

#include "core/TarifFile.h"

namespace dudode {

// Progress of a long operation: the label text and a percentage (0 to 100).
using TProgress = std::function<void(const std::string& label, int percent)>;

struct TSaveOptions {
  // "Aktualisierungsdatum nicht ändern": FILEDATE keeps its value (today only
  // when it is empty); otherwise it becomes today.
  bool KeepDate = false;
};

// Writes the whole document into its file in the program directory; a
// document without FileName gets a new RATES.<n> name first. Entry lists are
// sorted (entries without tariff are dropped), StrVersion, Version and
// FileDate are updated. The old file is replaced only when the new one is
// complete. On success clears Modified and returns true; on failure shows
// the message and returns false with the file as it was.
bool SaveTarifFile(TTarifFile& document, const TSaveOptions& options = {}, const TProgress& progress = {});

// Rewrite the FEIERTAGE or APPLICATIONS section of the document's file and
// leave the rest of the file, the header and Modified alone. false (after a
// message) when the file cannot be written.
bool WriteHolidaysSection(const TTarifFile& document);
bool WriteApplicationsSection(const TTarifFile& document);

class TTheIniFile;
class TIniText;
// The eleven comment lines that open every data file the editor writes.
void WriteFileHeader(TTheIniFile& ini, const std::string& fileName);
void WriteFileHeader(TIniText& text, const std::string& fileName);

// The file value of an entry, as the writer stores it.
std::string EntryValue(const TTarifEntry& entry);
// The same, built in buffer, which grows when needed and is never emptied:
// a writer reuses it for every entry. Valid until buffer changes.
std::string_view PutEntryValue(std::string& buffer, const TTarifEntry& entry);

}  // namespace dudode
