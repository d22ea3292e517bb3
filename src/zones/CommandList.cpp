#include "zones/CommandList.h"

#include "zones/EntryCommands.h"
#include "zones/NewEditEntryDlg.h"
#include "zones/NewEditTarifDlg.h"
#include "zones/TarifSortDlg.h"
#include "zones/ZoneCommands.h"
#include "zones/ZoneOrder.h"

namespace dudode {
namespace {

constexpr TDayClass kWerktag = TDayClass::Werktag;
constexpr TDayClass kSaSo = TDayClass::SaSo;

TDayClass Other(TDayClass dayClass) {
  return dayClass == kWerktag ? kSaSo : kWerktag;
}

// One command per list button serves both lists; the day class says which.
template <TDayClass dayClass>
TCommandResult AddEntryBtnClick(TCommandHost& host) {
  return AddEntryCommand(host.Document(), host.CurrentZone(), dayClass, EntryDialogRunner(host.Window()));
}

template <TDayClass dayClass>
TCommandResult EditEntryBtnClick(TCommandHost& host) {
  return EditEntryCommand(host.Document(), host.CurrentZone(), dayClass, host.HighlightedRow(dayClass),
                          EntryDialogRunner(host.Window()));
}

template <TDayClass dayClass>
TCommandResult DeleteEntryBtnClick(TCommandHost& host) {
  return DeleteEntryCommand(host.Document(), host.CurrentZone(), dayClass, host.HighlightedRow(dayClass));
}

template <TDayClass target>
TCommandResult CopyOneBtnClick(TCommandHost& host) {
  return CopyOneEntryCommand(host.Document(), host.CurrentZone(), target, host.HighlightedRow(Other(target)));
}

template <TDayClass target>
TCommandResult CopyAllBtnClick(TCommandHost& host) {
  return CopyAllEntriesCommand(host.Document(), host.CurrentZone(), target);
}

TCommandResult TarifSortBtnClick(TCommandHost& host) {
  TLongOperation operation(host, "");
  SortAllEntryLists(host.Document());
  return TCommandResult::Grids();
}

TCommandResult NeuerTarif2Click(TCommandHost& host) {
  return NewZoneCommand(host.Document(), ZoneDialogRunner(host.Window()));
}

TCommandResult Tarifndern2Click(TCommandHost& host) {
  return ChangeZoneCommand(host.Document(), host.CurrentZone(), ZoneDialogRunner(host.Window()));
}

TCommandResult Tariflschen1Click(TCommandHost& host) {
  return DeleteZoneCommand(host.Document(), host.CurrentZone());
}

TCommandResult Tarifzonenneuanordnen1Click(TCommandHost& host) {
  return ReorderZonesCommand(host.Document(), ZoneOrderRunner(host.Window()));
}

}  // namespace

std::vector<TCommandDef> ZonesCommandList() {
  return {
      {TCommandId::AddEntry1, &AddEntryBtnClick<kWerktag>},
      {TCommandId::AddEntry2, &AddEntryBtnClick<kSaSo>},
      {TCommandId::EditEntry1, &EditEntryBtnClick<kWerktag>},
      {TCommandId::EditEntry2, &EditEntryBtnClick<kSaSo>},
      {TCommandId::DeleteEntry1, &DeleteEntryBtnClick<kWerktag>},
      {TCommandId::DeleteEntry2, &DeleteEntryBtnClick<kSaSo>},
      {TCommandId::CopyOneUp, &CopyOneBtnClick<kWerktag>},
      {TCommandId::CopyOneDown, &CopyOneBtnClick<kSaSo>},
      {TCommandId::CopyAllUp, &CopyAllBtnClick<kWerktag>},
      {TCommandId::CopyAllDown, &CopyAllBtnClick<kSaSo>},
      {TCommandId::SortAll, &TarifSortBtnClick},
      {TCommandId::NewZone, &NeuerTarif2Click},
      {TCommandId::EditZone, &Tarifndern2Click},
      {TCommandId::DeleteZone, &Tariflschen1Click},
      {TCommandId::ReorderZones, &Tarifzonenneuanordnen1Click},
  };
}

}  // namespace dudode
