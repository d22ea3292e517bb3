// The main window's zone editing commands: entries of both lists, copying
// between them, sorting, and the zone commands. The rules live in
// zones/EntryCommands.h, zones/ZoneForm.h and zones/ZoneOrder.h; here they
// meet the dialogs and the window.
#include <QTableWidget>
#include <algorithm>

#include "app/Main.h"
#include "zones/EntryCommands.h"
#include "zones/NewEditEntryDlg.h"
#include "zones/NewEditTarifDlg.h"
#include "zones/TarifSortDlg.h"
#include "zones/ZoneForm.h"
#include "zones/ZoneOrder.h"

namespace dudode {

void TMain::DefineZoneCommands() {
  auto define = [this](TCommand command, std::function<void()> handler) {
    commands_[command].Handler = std::move(handler);
  };
  define(TCommand::AddEntry1, [this] { AddEntryBtnClick(TDayClass::Werktag); });
  define(TCommand::AddEntry2, [this] { AddEntryBtnClick(TDayClass::SaSo); });
  define(TCommand::EditEntry1, [this] { EditEntryBtnClick(TDayClass::Werktag); });
  define(TCommand::EditEntry2, [this] { EditEntryBtnClick(TDayClass::SaSo); });
  define(TCommand::DeleteEntry1, [this] { DeleteEntryBtnClick(TDayClass::Werktag); });
  define(TCommand::DeleteEntry2, [this] { DeleteEntryBtnClick(TDayClass::SaSo); });
  define(TCommand::CopyOneUp, [this] { CopyOneBtnClick(TDayClass::Werktag); });
  define(TCommand::CopyAllUp, [this] { CopyAllBtnClick(TDayClass::Werktag); });
  define(TCommand::CopyOneDown, [this] { CopyOneBtnClick(TDayClass::SaSo); });
  define(TCommand::CopyAllDown, [this] { CopyAllBtnClick(TDayClass::SaSo); });
  define(TCommand::SortAll, [this] { TarifSortBtnClick(); });
  define(TCommand::NewZone, [this] { NeuerTarif2Click(); });
  define(TCommand::EditZone, [this] { Tarifndern2Click(); });
  define(TCommand::DeleteZone, [this] { Tariflschen1Click(); });
  define(TCommand::ReorderZones, [this] { Tarifzonenneuanordnen1Click(); });
}

// A grid always has a row selected, the first one unless the user chose
// another; a grid without entries shows one empty row.
int TMain::SelectedRow(TDayClass dayClass) const {
  return std::max(0, Grid(dayClass)->currentRow()) + 1;
}

void TMain::AddEntryBtnClick(TDayClass dayClass) {
  if (!CommandsReady()) return;
  if (AddEntryCommand(document_, CurrentZone(), dayClass, EntryDialogRunner(this))) RebuildGrids();
}

void TMain::EditEntryBtnClick(TDayClass dayClass) {
  if (!CommandsReady()) return;
  if (EditEntryCommand(document_, CurrentZone(), dayClass, SelectedRow(dayClass), EntryDialogRunner(this))) {
    RebuildGrids();
  }
}

void TMain::DeleteEntryBtnClick(TDayClass dayClass) {
  if (!CommandsReady()) return;
  if (DeleteEntryCommand(document_, CurrentZone(), dayClass, SelectedRow(dayClass))) RebuildGrids();
}

void TMain::CopyOneBtnClick(TDayClass target) {
  if (!CommandsReady()) return;
  const TDayClass source = target == TDayClass::Werktag ? TDayClass::SaSo : TDayClass::Werktag;
  if (CopyOneEntryCommand(document_, CurrentZone(), target, SelectedRow(source))) RebuildGrids();
}

void TMain::CopyAllBtnClick(TDayClass target) {
  if (!CommandsReady()) return;
  if (CopyAllEntriesCommand(document_, CurrentZone(), target)) RebuildGrids();
}

void TMain::TarifSortBtnClick() {
  if (!CommandsReady()) return;
  BeginLongOperation("", false);
  SortAllEntryLists(document_);
  EndLongOperation();  // rebuilds the grids
}

void TMain::AfterZoneCommand(const TZoneCommandResult& result) {
  if (result.ZonesChanged) RebuildZoneControls(result.CurrentZone);
}

void TMain::NeuerTarif2Click() {
  if (!CommandsReady()) return;
  AfterZoneCommand(NewZoneCommand(document_, ZoneDialogRunner(this)));
}

void TMain::Tarifndern2Click() {
  if (!CommandsReady()) return;
  AfterZoneCommand(ChangeZoneCommand(document_, CurrentZone(), ZoneDialogRunner(this)));
}

void TMain::Tariflschen1Click() {
  if (!CommandsReady()) return;
  AfterZoneCommand(DeleteZoneCommand(document_, CurrentZone()));
}

void TMain::Tarifzonenneuanordnen1Click() {
  if (!CommandsReady()) return;
  AfterZoneCommand(ReorderZonesCommand(document_, ZoneOrderRunner(this)));
}

}  // namespace dudode
