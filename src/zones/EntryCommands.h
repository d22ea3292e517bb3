#pragma once
// What the main window's list commands do to the document: add, change and
// delete an entry of a zone's list, copy entries between the day classes and
// sort every list. One implementation serves both lists; the day class says
// which. The entry dialog is reached through a runner, so that the commands
// run the same with the real dialog and without a window.
#include <functional>
#include <string>

#include "core/CommandResult.h"
#include "core/TarifFile.h"
#include "zones/EntryForm.h"

namespace dudode {

// Shows the entry dialog over the form with this caption; true when it was
// confirmed (the form then holds what the user entered).
using TEntryDialogRunner = std::function<bool(TEntryForm& form, const std::string& caption)>;

// "Tarif zur Tarifzone <zone> (<list>) hinzufügen" / "Tarif in Tarifzone ... bearbeiten".
std::string EntryDialogCaption(const TKeyAndName& zone, TDayClass dayClass, bool adding);

// Grid row n (from 1) of a list shows the n-th entry that is a tariff; the
// index of that entry, or -1 when the row holds none.
int EntryIndexOfRow(const TTarifEntryList& list, int row);
// The other way round: the grid row of the entry, or 0 when it shows none.
int RowOfEntryIndex(const TTarifEntryList& list, int index);

// Add: refused without zones and at 50 entries; the new entry is appended
// (no sort). Grids changed when the document changed.
TCommandResult AddEntryCommand(TTarifFile& document, int zoneIndex, TDayClass dayClass,
                               const TEntryDialogRunner& runDialog);
// Change the entry of the grid row; an empty row adds instead. The entry
// keeps its place.
TCommandResult EditEntryCommand(TTarifFile& document, int zoneIndex, TDayClass dayClass, int row,
                                const TEntryDialogRunner& runDialog);
// Delete the entry of the grid row after asking; the list is sorted after.
TCommandResult DeleteEntryCommand(TTarifFile& document, int zoneIndex, TDayClass dayClass, int row);

// Copy all entries of the other list into the target list after asking;
// when both together exceed 50, asks whether the target is emptied first.
TCommandResult CopyAllEntriesCommand(TTarifFile& document, int zoneIndex, TDayClass target);
// Copy the entry of the source grid's row into the target list.
TCommandResult CopyOneEntryCommand(TTarifFile& document, int zoneIndex, TDayClass target, int sourceRow);

// Sorts the Werktag list of every zone, then every SaSo list. Does not mark
// the document modified.
void SortAllEntryLists(TTarifFile& document);

}  // namespace dudode
