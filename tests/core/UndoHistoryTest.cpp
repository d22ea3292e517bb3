#include <gtest/gtest.h>

#include <functional>

#include "core/TarifTestSupport.h"
#include "core/TarifWriter.h"
#include "core/UndoHistory.h"
#include "tools/TarifOptions.h"
#include "tools/TenPlusForm.h"
#include "tools/VatAdjustment.h"
#include "zones/EntryCommands.h"
#include "zones/ZoneCommands.h"
#include "zones/ZoneOrder.h"

namespace dudode {
namespace {

class UndoHistoryTest : public test::TarifTest {
 protected:
  TTarifFile TwoZones() {
    dir.Write("RATES.1", test::TestDataFile("app/Rates.zwei"));
    TTarifFile doc = LoadName("RATES.1");
    std::swap(doc.Zones[0].Werktag[0], doc.Zones[0].Werktag[1]);  // as after an edit: unsorted
    return doc;
  }
  // What a save of the document writes, the date kept.
  std::string Bytes(const TTarifFile& document) {
    TTarifFile copy = document;
    copy.FileName = "RATES.9";
    EXPECT_TRUE(SaveTarifFile(copy, {.KeepDate = true}));
    return dir.Read("RATES.9");
  }
};

// Each command as the main window runs it, with its dialog confirmed.
struct TCommandRow {
  const char* Name;
  std::function<void(TTarifFile&)> Run;
};

TEntryDialogRunner EntryDialog(std::function<void(TEntryForm&)> change) {
  return [change](TEntryForm& form, const std::string&) {
    form.Open();
    change(form);
    return form.Apply();
  };
}

const TCommandRow kCommands[] = {
    {"add entry",
     [](TTarifFile& d) {
       AddEntryCommand(d, 0, TDayClass::Werktag, EntryDialog([](TEntryForm& f) {
                         f.TimeFrom = "00:00", f.TimeTo = "07:00", f.Name = "Nacht";
                       }));
     }},
    {"edit entry",
     [](TTarifFile& d) {
       EditEntryCommand(d, 0, TDayClass::SaSo, 1, EntryDialog([](TEntryForm& f) { f.Price = 0.5; }));
     }},
    {"delete entry", [](TTarifFile& d) { DeleteEntryCommand(d, 0, TDayClass::Werktag, 1); }},
    {"copy one", [](TTarifFile& d) { CopyOneEntryCommand(d, 0, TDayClass::SaSo, 1); }},
    {"copy all", [](TTarifFile& d) { CopyAllEntriesCommand(d, 0, TDayClass::Werktag); }},
    {"sort", [](TTarifFile& d) { SortAllEntryLists(d); }},
    {"new zone",
     [](TTarifFile& d) {
       NewZoneCommand(d, [](TZoneForm& f) {
         f.Open();
         f.Name = "Mobilfunk";
         return f.Apply();
       });
     }},
    {"delete zone", [](TTarifFile& d) { DeleteZoneCommand(d, 0); }},
    {"reorder zones",
     [](TTarifFile& d) {
       ReorderZones(d, {1, 0});
     }},
    {"options",
     [](TTarifFile& d) {
       TTarifOptions options = OptionsOf(d);
       options.Price = 0.09;
       options.Description = "Umbenannt";
       ApplyOptions(d, options);
     }},
    {"VAT", [](TTarifFile& d) { AdjustVat(d, 16, 19); }},
    {"10plus",
     [](TTarifFile& d) {
       std::vector<TTenPlusLine> lines = TenPlusLines(d);
       lines[1].Checked = true;
       lines[1].WNo10plus = {{3600, 7199}};
       ApplyTenPlusLines(lines, d);
     }},
    {"holidays",
     [](TTarifFile& d) {
       d.Holidays = {{"0101"}, {"2512"}};
     }},
    {"applications",
     [](TTarifFile& d) {
       d.Applications = {{"MSDIAL", "DFÜ-Netzwerk"}};
     }},
    {"access information", [](TTarifFile& d) { d.Zones[1].Access.PhoneNr = "0191011"; }},
};

// Undo puts back exactly what a save wrote before the step, redo what it wrote after.
TEST_F(UndoHistoryTest, EveryCommandIsUndoneAndRedoneExactly) {
  for (const TCommandRow& row : kCommands) {
    SCOPED_TRACE(row.Name);
    test::TScriptedMessageBoxes boxes;
    boxes.AcceptAll(idYes);
    TTarifFile doc = TwoZones();
    TUndoHistory history;
    history.Reset(doc);
    const TTarifFile before = doc;
    row.Run(doc);
    doc.Modified = true;
    const TTarifFile after = doc;
    ASSERT_FALSE(before == after);
    ASSERT_TRUE(history.Record(doc, row.Name, {0, 1, 0}, {0, 2, 0}));

    EXPECT_EQ((TViewState{0, 1, 0}), history.Undo(doc));
    EXPECT_TRUE(doc == before);  // not Modified: back at what the file holds
    EXPECT_EQ(Bytes(before), Bytes(doc));
    EXPECT_EQ((TViewState{0, 2, 0}), history.Redo(doc));
    EXPECT_TRUE(doc == after);
    EXPECT_EQ(Bytes(after), Bytes(doc));
  }
}

// The rules of the history itself, one row each.
TEST_F(UndoHistoryTest, StepsNamesAndTheSavedState) {
  TTarifFile doc = TwoZones();
  doc.FileName = "RATES.1";
  TUndoHistory history(3);
  history.Reset(doc);
  // A command that changed nothing (a cancelled dialog) is no step.
  EXPECT_FALSE(history.Record(doc, "Tarif ändern", {}, {}));
  EXPECT_FALSE(history.CanUndo());

  auto step = [&](const char* name, double price) {
    doc.Price = price;
    doc.Modified = true;
    return history.Record(doc, name, {}, {});
  };
  EXPECT_TRUE(step("eins", 0.2));
  EXPECT_TRUE(step("zwei", 0.3));
  EXPECT_EQ("zwei", history.UndoName());
  history.Undo(doc);
  EXPECT_EQ("zwei", history.RedoName());
  // A new step drops what could be redone.
  EXPECT_TRUE(step("drei", 0.4));
  EXPECT_FALSE(history.CanRedo());

  // A save keeps the history; undo leaves the saved state, redo comes back to it.
  doc.Modified = false;
  history.MarkSaved(doc);
  EXPECT_EQ("drei", history.UndoName());
  history.Undo(doc);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ("RATES.1", doc.FileName);  // undo never moves the document to another file
  history.Redo(doc);
  EXPECT_FALSE(doc.Modified);

  // The depth: the oldest steps go.
  EXPECT_TRUE(step("vier", 0.5));
  EXPECT_TRUE(step("fünf", 0.6));
  EXPECT_EQ(3u, history.Steps());

  // A step that wrote part of the file into a changed document: no state is
  // what the file holds any more.
  doc.Holidays = {{"0101"}};
  EXPECT_TRUE(history.Record(doc, "Feiertage", {}, {}, true));
  history.Undo(doc);
  EXPECT_TRUE(doc.Modified);
  history.Undo(doc);
  EXPECT_TRUE(doc.Modified);
}

// A step that changes one zone shares the others with the state before it.
TEST_F(UndoHistoryTest, AStepOnOneZoneCostsOneZone) {
  TTarifFile doc = TwoZones();
  TUndoHistory history;
  history.Reset(doc);
  const std::size_t start = history.MemoryBytes();
  doc.Zones[0].Werktag[0].PricePerUnit = 1;
  history.Record(doc, "Tarif ändern", {}, {});
  const std::size_t oneZone = history.MemoryBytes() - start;
  EXPECT_LT(oneZone, start * 3 / 4);
}

}  // namespace
}  // namespace dudode
