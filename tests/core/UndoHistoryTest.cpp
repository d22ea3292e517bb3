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

using TDoc = TTarifFile;

class UndoHistoryTest : public test::TarifTest {
 protected:
  TTarifFile TwoZones() {
    dir.Write("RATES.1", test::TestDataFile("app/Rates.zwei"));
    TTarifFile doc = LoadName("RATES.1");
    std::swap(doc.Zones[0].Werktag[0], doc.Zones[0].Werktag[1]);  // as after an edit: unsorted
    return doc;
  }
  // What a save of the document writes, the date kept.
  std::string Bytes(TTarifFile copy) {
    copy.FileName = "RATES.9";
    EXPECT_TRUE(SaveTarifFile(copy, {.KeepDate = true}));
    return dir.Read("RATES.9");
  }
};

TEntryDialogRunner EntryDialog(std::function<void(TEntryForm&)> change) {
  return [change](TEntryForm& form, const std::string&) { return form.Open(), change(form), form.Apply(); };
}
bool NewZoneDialog(TZoneForm& f) {
  return f.Open(), f.Name = "Mobilfunk", f.Apply();
}
void TenPlus(TDoc& d) {
  std::vector<TTenPlusLine> lines = TenPlusLines(d);
  lines[1].Checked = true, lines[1].WNo10plus = {{3600, 7199}};
  ApplyTenPlusLines(lines, d);
}
void Options(TDoc& d) {
  TTarifOptions options = OptionsOf(d);
  options.Price = 0.09, options.Description = "Umbenannt";
  ApplyOptions(d, options);
}

// Each command as the main window runs it, its dialog confirmed.
const std::pair<const char*, std::function<void(TDoc&)>> kCommands[] = {
    {"add entry",
     [](TDoc& d) {
       AddEntryCommand(d, 0, TDayClass::Werktag, EntryDialog([](TEntryForm& f) {
                         f.TimeFrom = "00:00", f.TimeTo = "07:00", f.Name = "Nacht";
                       }));
     }},
    {"edit entry",
     [](TDoc& d) {
       EditEntryCommand(d, 0, TDayClass::SaSo, 1, EntryDialog([](TEntryForm& f) { f.Price = 0.5; }));
     }},
    {"delete entry", [](TDoc& d) { DeleteEntryCommand(d, 0, TDayClass::Werktag, 1); }},
    {"copy one", [](TDoc& d) { CopyOneEntryCommand(d, 0, TDayClass::SaSo, 1); }},
    {"copy all", [](TDoc& d) { CopyAllEntriesCommand(d, 0, TDayClass::Werktag); }},
    {"sort", [](TDoc& d) { SortAllEntryLists(d); }},
    {"new zone", [](TDoc& d) { NewZoneCommand(d, NewZoneDialog); }},
    {"delete zone", [](TDoc& d) { DeleteZoneCommand(d, 0); }},
    {"reorder zones",
     [](TDoc& d) {
       ReorderZones(d, {1, 0});
     }},
    {"options", Options},
    {"VAT", [](TDoc& d) { AdjustVat(d, 16, 19); }},
    {"10plus", TenPlus},
    {"holidays",
     [](TDoc& d) {
       d.Holidays = {{"0101"}, {"2512"}};
     }},
    {"applications",
     [](TDoc& d) {
       d.Applications = {{"MSDIAL", "DFÜ-Netzwerk"}};
     }},
    {"access information", [](TDoc& d) { d.Zones[1].Access.PhoneNr = "0191011"; }},
};

// Undo puts back exactly what a save wrote before the step, redo what it wrote after.
TEST_F(UndoHistoryTest, EveryCommandIsUndoneAndRedoneExactly) {
  for (const auto& [name, run] : kCommands) {
    SCOPED_TRACE(name);
    test::TScriptedMessageBoxes boxes;
    boxes.AcceptAll(idYes);
    TTarifFile doc = TwoZones();
    TUndoHistory history;
    history.Reset(doc);
    const TTarifFile before = doc;
    run(doc);
    doc.Modified = true;
    const TTarifFile after = doc;
    ASSERT_FALSE(before.Zones == after.Zones && before.Holidays == after.Holidays &&
                 before.Applications == after.Applications && before.Price == after.Price);
    ASSERT_TRUE(history.Record(doc, name, {0, 1, 0}, {0, 2, 0}));

    EXPECT_EQ((TViewState{0, 1, 0}), history.Undo(doc));
    EXPECT_TRUE(doc == before);  // not Modified: back at what the file holds
    EXPECT_EQ(Bytes(before), Bytes(doc));
    EXPECT_EQ((TViewState{0, 2, 0}), history.Redo(doc));
    EXPECT_TRUE(doc == after);
    EXPECT_EQ(Bytes(after), Bytes(doc));
  }
}

// The rules of the history itself, in the order a user meets them.
TEST_F(UndoHistoryTest, StepsNamesDepthAndTheSavedState) {
  TTarifFile doc = TwoZones();
  TUndoHistory history(3);
  history.Reset(doc);
  EXPECT_FALSE(history.Record(doc, "Tarif ändern", {}, {})) << "a cancelled dialog is no step";
  doc.Takt = 1, doc.Modified = true;
  history.Fold(doc);  // a new file set up by its options dialog: not what any file holds
  auto step = [&](const char* name, double price) {
    doc.Price = price, doc.Modified = true;
    return history.Record(doc, name, {}, {});
  };
  step("eins", 0.2), step("zwei", 0.3);
  history.Undo(doc), history.Undo(doc);
  EXPECT_TRUE(doc.Modified);
  history.Redo(doc), history.Redo(doc);
  EXPECT_EQ("zwei", history.UndoName());
  history.Undo(doc);
  EXPECT_EQ("zwei", history.RedoName());
  step("drei", 0.4);
  EXPECT_FALSE(history.CanRedo()) << "a new step drops what could be redone";

  doc.Modified = false;
  history.MarkSaved(doc);  // a save keeps the history
  history.Undo(doc);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ("RATES.1", doc.FileName) << "undo never moves the document to another file";
  history.Redo(doc);
  EXPECT_FALSE(doc.Modified);

  step("vier", 0.5), step("fünf", 0.6);
  EXPECT_EQ(3u, history.Steps()) << "the oldest steps go";
  // A step that wrote part of the file into a changed document: no state is the file's.
  doc.Holidays = {{"0101"}};
  history.Record(doc, "Feiertage", {}, {}, true);
  history.Undo(doc), history.Undo(doc);
  EXPECT_TRUE(doc.Modified);
}

}  // namespace
}  // namespace dudode
