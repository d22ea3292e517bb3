#include "zones/EntryCommands.h"

#include "core/MessageBox.h"

namespace dudode {
namespace {

constexpr const char* kNoZoneMessage =
    "Es können keine Einträge hinzugefügt werden. Definieren Sie eine Tarifzone!";
constexpr const char* kListFullMessage =
    "Es können keine Einträge hinzugefügt werden. Alle Einträge sind bereits verwendet!";
constexpr const char* kCannotDeleteMessage = "Sie können diesen Tarif nicht löschen!";
constexpr const char* kDeleteQuestion = "Möchten Sie diesen Tarif wirklich löschen?";
// What a command on the highlighted entry says when none is highlighted.
std::string NoEntryChosenMessage(TDayClass dayClass) {
  return "Sie müssen einen Tarif in der Liste \"" + DayClassName(dayClass) + "\" auswählen!";
}
constexpr const char* kNoZoneToCopyMessage = "Fügen Sie zuerst eine Tarifzone mit Tarifen hinzu!";
constexpr const char* kCopyLimitMessage = "Es können nur 50 Einträge pro Tarif aufgenommen werden!";

TDayClass Other(TDayClass dayClass) {
  return dayClass == TDayClass::Werktag ? TDayClass::SaSo : TDayClass::Werktag;
}

bool ValidZone(const TTarifFile& document, int zoneIndex) {
  return zoneIndex >= 0 && static_cast<std::size_t>(zoneIndex) < document.Zones.size();
}

// The copy lands in the target list with the target's days only; the
// holiday code is not carried over.
TTarifEntry CopyFor(TTarifEntry entry, TDayClass target) {
  entry.Weekdays = DayClassDays(target);
  return entry;
}

}  // namespace

std::string EntryDialogCaption(const TKeyAndName& zone, TDayClass dayClass, bool adding) {
  return std::string(adding ? "Tarif zur Tarifzone " : "Tarif in Tarifzone ") + zone.MenuCaption() + " (" +
         DayClassName(dayClass) + ")" + (adding ? " hinzufügen" : " bearbeiten");
}

int EntryIndexOfRow(const TTarifEntryList& list, int row) {
  if (row < 1) return -1;
  int shown = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (!list[i].IsTariff()) continue;
    if (++shown == row) return static_cast<int>(i);
  }
  return -1;
}

int RowOfEntryIndex(const TTarifEntryList& list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size() ||
      !list[static_cast<std::size_t>(index)].IsTariff()) {
    return 0;
  }
  int row = 0;
  for (int i = 0; i <= index; ++i) row += list[static_cast<std::size_t>(i)].IsTariff() ? 1 : 0;
  return row;
}

TCommandResult AddEntryCommand(TTarifFile& document, int zoneIndex, TDayClass dayClass,
                               const TEntryDialogRunner& runDialog) {
  if (!ValidZone(document, zoneIndex)) {
    ShowMessageBox(kNoZoneMessage, {}, mkFehler, mbOK);
    return {};
  }
  TKeyAndName& zone = document.Zones[static_cast<std::size_t>(zoneIndex)];
  if (zone.Entries(dayClass).size() >= kMaxEntriesPerList) {
    ShowMessageBox(kListFullMessage, {}, mkFehler, mbOK);
    return {};
  }
  TEntryForm form = NewEntryForm(document, dayClass);
  if (!runDialog(form, EntryDialogCaption(zone, dayClass, true))) return {};
  document.Modified = true;
  zone.Entries(dayClass).push_back(StoreEntryForm(form, zone));
  return TCommandResult::Grids();
}

TCommandResult EditEntryCommand(TTarifFile& document, int zoneIndex, TDayClass dayClass, int row,
                                const TEntryDialogRunner& runDialog) {
  const int index =
      ValidZone(document, zoneIndex)
          ? EntryIndexOfRow(document.Zones[static_cast<std::size_t>(zoneIndex)].Entries(dayClass), row)
          : -1;
  if (index < 0) return AddEntryCommand(document, zoneIndex, dayClass, runDialog);
  TKeyAndName& zone = document.Zones[static_cast<std::size_t>(zoneIndex)];
  TTarifEntry& entry = zone.Entries(dayClass)[static_cast<std::size_t>(index)];
  TEntryForm form = EditEntryForm(entry, dayClass);
  if (!runDialog(form, EntryDialogCaption(zone, dayClass, false))) return {};
  document.Modified = true;
  entry = StoreEntryForm(form, zone);
  return TCommandResult::Grids();
}

TCommandResult DeleteEntryCommand(TTarifFile& document, int zoneIndex, TDayClass dayClass, int row) {
  const bool hasZone = ValidZone(document, zoneIndex);
  std::string zoneName = hasZone ? document.Zones[static_cast<std::size_t>(zoneIndex)].MenuCaption() : "";
  if (zoneName.empty()) zoneName = kUnknownEntryName;
  const std::string listName = dayClass == TDayClass::Werktag ? "Werktag" : "Sa./So./Feiertag";
  if (row < 1) {
    // Nothing highlighted: there is no "Tarif 0" to ask about.
    ShowMessageBox(NoEntryChosenMessage(dayClass),
                   "Löschen eines Tarifs (" + zoneName + ", " + listName + ")", mkInformation, mbOK);
    return {};
  }
  const std::string caption =
      "Löschen eines Tarifs (" + zoneName + ", " + listName + ", Tarif " + std::to_string(row) + ")";
  const int index =
      hasZone ? EntryIndexOfRow(document.Zones[static_cast<std::size_t>(zoneIndex)].Entries(dayClass), row)
              : -1;
  if (index < 0) {
    ShowMessageBox(kCannotDeleteMessage, caption, mkFehler, mbOK);
    return {};
  }
  if (ShowMessageBox(kDeleteQuestion, caption, mkBestaetigung, mbYesNo | mbDefaultSecond) != idYes) return {};
  document.Modified = true;
  TTarifEntryList& list = document.Zones[static_cast<std::size_t>(zoneIndex)].Entries(dayClass);
  list.erase(list.begin() + index);
  SortEntryList(list);
  return TCommandResult::Grids();
}

TCommandResult CopyAllEntriesCommand(TTarifFile& document, int zoneIndex, TDayClass target) {
  if (!ValidZone(document, zoneIndex)) {
    ShowMessageBox(kNoZoneToCopyMessage, {}, mkFehler, mbOK);
    return {};
  }
  const TDayClass source = Other(target);
  const std::string question = "Möchten Sie wirklich alle Einträge aus \"" + DayClassName(source) +
                               "\" in \"" + DayClassName(target) + "\" kopieren?";
  if (ShowMessageBox(question, {}, mkBestaetigung, mbYesNo | mbDefaultSecond) != idYes) return {};
  document.Modified = true;
  TKeyAndName& zone = document.Zones[static_cast<std::size_t>(zoneIndex)];
  const TTarifEntryList& from = zone.Entries(source);
  TTarifEntryList& to = zone.Entries(target);
  bool copy = true;
  if (to.size() + from.size() > kMaxEntriesPerList) {
    const std::string replace = std::string(kCopyLimitMessage) + " Sollen die bisherigen Tarife für \"" +
                                DayClassName(target) + "\" gelöscht werden?";
    copy = ShowMessageBox(replace, {}, mkBestaetigung, mbYesNo | mbDefaultSecond) == idYes;
    if (copy) to.clear();
  }
  if (copy) {
    // Even an emptied target cannot take more than 50.
    for (std::size_t i = 0; i < from.size() && to.size() < kMaxEntriesPerList; ++i) {
      to.push_back(CopyFor(from[i], target));
    }
  }
  SortEntryList(to);
  return TCommandResult::Grids();
}

TCommandResult CopyOneEntryCommand(TTarifFile& document, int zoneIndex, TDayClass target, int sourceRow) {
  const TDayClass source = Other(target);
  const int index =
      ValidZone(document, zoneIndex)
          ? EntryIndexOfRow(document.Zones[static_cast<std::size_t>(zoneIndex)].Entries(source), sourceRow)
          : -1;
  if (index < 0) {
    ShowMessageBox(NoEntryChosenMessage(source), {}, mkInformation, mbOK);
    return {};
  }
  document.Modified = true;
  TKeyAndName& zone = document.Zones[static_cast<std::size_t>(zoneIndex)];
  TTarifEntryList& to = zone.Entries(target);
  if (to.size() >= kMaxEntriesPerList) {
    ShowMessageBox(kCopyLimitMessage, {}, mkInformation, mbOK);
    return {};
  }
  to.push_back(CopyFor(zone.Entries(source)[static_cast<std::size_t>(index)], target));
  SortEntryList(to);
  return TCommandResult::Grids();
}

void SortAllEntryLists(TTarifFile& document) {
  for (TDayClass dayClass : kDayClasses) {
    for (TKeyAndName& zone : document.Zones) SortEntryList(zone.Entries(dayClass));
  }
}

}  // namespace dudode
