#pragma once
// The tariff document: one tariff file held in memory, with its zones, their
// entry lists, the holidays and the application table.
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Files.h"
#include "core/Values.h"

namespace dudode {

// Limits of the file format.
constexpr std::size_t kMaxZones = 50;
constexpr std::size_t kMaxEntriesPerList = 50;
constexpr std::size_t kMaxZoneNameChars = 100;
constexpr std::size_t kMaxEntryNameChars = 50;
constexpr std::size_t kMaxTapiNameChars = 20;
constexpr std::size_t kMaxAppNameChars = 100;
constexpr std::size_t kMaxSortKeyChars = 27;

// Description of a document that was never named; the save refuses it.
inline constexpr const char* kUnknownDescription = "Unbekannte Datei - Keine Information";
// Name of an entry whose file value carries none.
inline constexpr const char* kUnknownEntryName = "Unbekannt";
inline constexpr const char* kFormatVersion = "3.10";
inline constexpr const char* kFormatStrVersion = "Dudode version 3.10";

// Validity codes that stand in both date fields of special entries.
inline constexpr const char* kHolidayOnlyCode = "9999";
inline constexpr const char* kCityWeekendCode = "8888";
inline constexpr const char* kCityPlusCode = "7777";

// Workdays, or Saturdays, Sundays and holidays.
enum class TDayClass { Werktag, SaSo };
inline constexpr TDayClass kDayClasses[] = {TDayClass::Werktag, TDayClass::SaSo};

// An entry's sort key, held in the entry itself: every load sorts every
// list, and a key on the heap cost an allocation per entry. Room for
// kMaxSortKeyChars characters of up to four bytes each.
class TSortKey {
 public:
  static constexpr std::size_t kCapacity = 4 * kMaxSortKeyChars;

  // A longer text keeps its first whole characters that fit.
  void Assign(std::string_view text);
  // Room to build a key in place; Resize then tells how much of it counts.
  char* Buffer() { return bytes_; }
  void Resize(std::size_t size) { size_ = static_cast<std::uint8_t>(size < kCapacity ? size : kCapacity); }
  std::string_view View() const { return {bytes_, size_}; }
  bool operator==(const TSortKey& other) const { return View() == other.View(); }
  // Byte by byte; a key that is the start of another is the smaller.
  std::strong_ordering operator<=>(const TSortKey& other) const { return View() <=> other.View(); }

 private:
  char bytes_[kCapacity];  // only the first size_ bytes are set
  std::uint8_t size_ = 0;
};

// One priced time window.
struct TTarifEntry {
  TDaySet Weekdays = 0;
  double PricePerUnit = 0;
  double CalcTakt = 0;     // copy of the zone's value
  double FirstSecond = 0;  // copy of the zone's value
  std::uint32_t StartSec = 0;
  std::uint32_t EndSec = 0;  // end minute included: hh*3600 + mm*60 + 59
  double Takt = 0;           // 0: a fixed number of units
  std::int32_t Units = 0;
  std::string Name;
  std::string DateFrom;  // DDMM or a special code
  std::string DateTo;
  double ZoneConnectPrice = 0;  // copy of the zone's value
  double ZoneMonthlyFee = 0;    // copy of the zone's value
  TSortKey SortKey;

  // Takt 0 and Units 0 charge nothing at all: such an entry is dropped.
  bool IsTariff() const { return Takt != 0 || Units != 0; }
  bool operator==(const TTarifEntry&) const = default;
};

using TTarifEntryList = std::vector<TTarifEntry>;

struct TFreeTimeEntry {
  std::uint32_t StartSec = 0;
  std::uint32_t EndSec = 0;  // end minute included
  double FreeSeconds = 0;
  bool operator==(const TFreeTimeEntry&) const = default;
};

struct TNo10plusEntry {
  std::uint32_t StartSec = 0;
  std::uint32_t EndSec = 0;  // end minute included
  bool operator==(const TNo10plusEntry&) const = default;
};

// Character 254 separates the packed user names and passwords.
inline constexpr const char* kAccessSeparator = "\u00FE";

struct TAccessInfos {
  std::string PhoneNr;   // numbers joined by "#"
  std::string UserName;  // joined by kAccessSeparator
  std::string Password;  // joined by kAccessSeparator
  bool Registration = true;
  bool NichtBundesweit = false;

  // A zone without any of these has no access section in the file.
  bool HasData() const { return !PhoneNr.empty() || !UserName.empty() || !Password.empty(); }
  bool operator==(const TAccessInfos&) const = default;
};

// One tariff zone. It owns its entry lists, free times and no-10plus windows,
// so that inserting, removing or moving a zone always moves them along.
struct TKeyAndName {
  std::string Key;
  std::string DisplayName;  // blanks held as "_"
  double CalcTakt = 0;
  double FirstSecond = 0;
  double ConnectPrice = 0;
  double MonthlyFee = 0;
  TRelationSet Relations = 0;
  bool TenPlusActive = false;
  std::vector<TNo10plusEntry> WNo10plus;
  std::vector<TNo10plusEntry> FNo10plus;
  int RoundTo = 0;
  std::vector<TFreeTimeEntry> WFreeTimes;
  std::vector<TFreeTimeEntry> FFreeTimes;
  TAccessInfos Access;
  TTarifEntryList Werktag;
  TTarifEntryList SaSo;

  bool operator==(const TKeyAndName&) const = default;

  TTarifEntryList& Entries(TDayClass dayClass) { return dayClass == TDayClass::Werktag ? Werktag : SaSo; }
  const TTarifEntryList& Entries(TDayClass dayClass) const {
    return dayClass == TDayClass::Werktag ? Werktag : SaSo;
  }
  std::vector<TFreeTimeEntry>& FreeTimes(TDayClass dayClass) {
    return dayClass == TDayClass::Werktag ? WFreeTimes : FFreeTimes;
  }
  std::vector<TNo10plusEntry>& No10plus(TDayClass dayClass) {
    return dayClass == TDayClass::Werktag ? WNo10plus : FNo10plus;
  }

  // The name as the user sees it (zone menu, zone box): "_" shown as blanks.
  std::string MenuCaption() const;
  // Stores a name the user typed; blanks are held as "_".
  void SetMenuCaption(const std::string& caption);
  // The name part of the zone's REGIONENINDEX value.
  std::string IndexName() const;

  // Copies CalcTakt, FirstSecond, ConnectPrice and MonthlyFee into every entry
  // of both lists; call it whenever one of them changes.
  void CopyZoneValuesToEntries();
};

// One legal holiday, DDMM (the holiday editor may hand DD.MM.).
struct TFeiertag {
  std::string Date;
  bool operator==(const TFeiertag&) const = default;
};

struct TAppEntry {
  std::string TapiName;  // capitals, at most 20 characters
  std::string AppName;   // at most 100 characters
  bool operator==(const TAppEntry&) const = default;
};

// The document.
struct TTarifFile {
  std::string FileName;  // bare name in the program directory; empty when never saved
  std::string StrVersion;
  std::string Version = kFormatVersion;
  std::string FileDate;  // MM/DD/YYYY
  std::string Description = kUnknownDescription;
  std::string WWW;
  std::string Hotline;
  std::string Comment;
  std::string EMail;
  std::string AccessCode;
  std::string Copyright;
  double Takt = 0;
  double Price = 0.12;
  double BaseConnectPrice = 0;
  bool CityWeekend = true;
  std::vector<TKeyAndName> Zones;
  std::vector<TFeiertag> Holidays;
  std::vector<TAppEntry> Applications;
  bool Modified = false;
  // The file as it was when loaded or last written, to tell changes by others
  // (mutable: the section writers take the document as const).
  mutable TFileStamp LoadedStamp;

  bool operator==(const TTarifFile&) const = default;

  // Everything except FileName back to the state of a file with no content.
  void Clear();
  // Keys of all zones, in zone order (for NewZoneKey).
  std::vector<std::string> ZoneKeys() const;
  // Index of the zone with this key (compared without regard to case, as the
  // file compares section and key names), or -1.
  int FindZone(const std::string& key) const;
  bool AnyTenPlusActive() const;
};

// The stamp of the document's file in the program directory now.
TFileStamp CurrentFileStamp(const TTarifFile& document);
// Whether another program has changed the document's file since it was loaded
// or saved; the save then asks FileChangedQuestion first.
bool ChangedOnDisk(const TTarifFile& document);

// The naming step of a save: a document whose Description is empty or the
// unknown text must be given a name first.
bool NeedsName(const TTarifFile& document);
// Whether a name typed in the name dialog may be used as Description.
bool IsUsableDescription(const std::string& name);

// Sorts an entry list by validity dates, then start and end time, after
// dropping every entry that is no tariff. Equal keys may change their order.
void SortEntryList(TTarifEntryList& list);
// The key SortEntryList sorts by.
std::string EntrySortKey(const TTarifEntry& entry);

}  // namespace dudode
