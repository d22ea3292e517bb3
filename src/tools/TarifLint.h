#pragma once
// The plausibility check of a tariff file: what the file format allows but is
// probably a mistake (entries of one list claiming the same minute, a price
// typed in cents, entries that never apply, repeated holidays and TAPI names,
// access data without a number). Each finding names its place and says what
// is wrong in one German sentence.
#include <string>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

enum class TLintKind {
  Overlap,              // two entries of one list apply at the same minute
  PriceSlip,            // a price 20 times above or below the zone's median
  NeverApplies,         // no weekday, no day in its validity window, ...
  DuplicateHoliday,     // a holiday date listed twice
  DuplicateTapiName,    // two applications under one TAPI name
  AccessWithoutNumber,  // user name or password of an access line without number
};

// Where a finding lies: an entry list of a zone, the zone's access data, or
// one of the file's own lists.
enum class TLintPlace { Werktag, SaSo, Access, Holidays, Applications };

struct TLintFinding {
  TLintKind Kind = TLintKind::Overlap;
  TLintPlace Place = TLintPlace::Werktag;
  int Zone = -1;         // index of the zone; -1 for holidays and applications
  std::string ZoneName;  // as the zone box shows it
  int Index = -1;        // in its list: entry, access line, holiday or application
  int Number = 0;        // as the user counts it: grid row, line or position from 1
  std::string Name;      // tariff name, holiday date or TAPI name
  std::string Text;      // one German sentence

  bool operator==(const TLintFinding&) const = default;
};

// Every finding of the document: zone by zone (Werktag list, SaSo list,
// access data), then holidays and applications.
std::vector<TLintFinding> LintTarifFile(const TTarifFile& document);

// "Überschneidung", "Preis", ... as the findings list shows the kind.
std::string LintKindName(TLintKind kind);
// "overlap", "price", ... for machine-readable output.
std::string LintKindId(TLintKind kind);
// "Werktag", "Sa./So./Feiertag", "Internetzugang", "Feiertage", "Anwendungen".
std::string LintPlaceName(TLintPlace place);
// "„City“, Werktag" or "Feiertage".
std::string LintPlaceText(const TLintFinding& finding);
// The place, ": " and the sentence.
std::string LintLine(const TLintFinding& finding);
// The entry list a finding points into, if it points into one.
bool LintEntryList(const TLintFinding& finding, TDayClass& dayClass);

}  // namespace dudode
