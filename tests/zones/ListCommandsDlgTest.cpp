#include <gtest/gtest.h>

#include <QListWidget>

#include "zones/ZoneDlgTestSupport.h"

namespace dudode {
namespace {

using test::Click;
using test::FilledZone;
using test::Find;
using test::TModalScript;
using test::TScriptedMessageBoxes;

const char* const kSortDlg = "dudode::TTarifSortDlg";

std::vector<std::string> Items(QDialog& dlg, const char* name) {
  std::vector<std::string> texts;
  auto* list = Find<QListWidget>(dlg, name);
  for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().toStdString());
  return texts;
}

void Mark(QDialog& dlg, const char* name, std::initializer_list<int> rows) {
  auto* list = Find<QListWidget>(dlg, name);
  list->clearSelection();
  for (int row : rows) list->item(row)->setSelected(true);
}

using test::ThreeZones;
using ListCommandsTest = test::TMainWindowTest;

TEST_F(ListCommandsTest, ReorderingPutsTheMarkedZonesInReverseAndDropsTheRestWhenAsked) {
  Show(ThreeZones());
  main->SelectZone(2);
  TScriptedMessageBoxes boxes;
  boxes
      .Expect("Sie haben nicht alle Tarifzonen neu eingeordnet! Sollen diese gelöscht werden?", idNo,
              "Warnung")
      .Expect("Sie haben nicht alle Tarifzonen neu eingeordnet! Sollen diese gelöscht werden?", idYes,
              "Warnung");
  TModalScript script;
  script.Then(kSortDlg, [](QDialog& dlg) {
    EXPECT_EQ((std::vector<std::string>{"Nah", "Fern", "Mobil"}), Items(dlg, "SrcList"));
    EXPECT_TRUE(Find<QWidget>(dlg, "IncludeBtn")->isEnabled());
    EXPECT_FALSE(Find<QWidget>(dlg, "ExcludeBtn")->isEnabled());
    EXPECT_FALSE(Find<QWidget>(dlg, "ExcAllBtn")->isEnabled());
    Mark(dlg, "SrcList", {0, 2});
    Click(dlg, "IncludeBtn");
    EXPECT_EQ((std::vector<std::string>{"Mobil", "Nah"}), Items(dlg, "DstList"));
    EXPECT_TRUE(Find<QWidget>(dlg, "ExcludeBtn")->isEnabled());
    Click(dlg, "ApplyBtn");  // Nein: stays open
    EXPECT_TRUE(dlg.isVisible());
    Click(dlg, "ApplyBtn");
  });
  Trigger("TarifzonenAnordnen1");
  ASSERT_EQ(2u, Doc().Zones.size());
  EXPECT_EQ("MOBI0001", Doc().Zones[0].Key);
  EXPECT_EQ("NAH0001", Doc().Zones[1].Key);
  EXPECT_TRUE(Doc().Modified);
  EXPECT_EQ(0, main->CurrentZone());
  EXPECT_EQ("Mobil", ZoneBox()->currentText().toStdString());
  EXPECT_EQ(2, ZoneBox()->count());
  EXPECT_EQ(3, Grid(TDayClass::Werktag)->rowCount());
}

TEST_F(ListCommandsTest, CopyOneTakesTheSelectedRow) {
  TTarifFile doc;
  doc.Zones = {FilledZone("City", "CITY0001", 3, 0)};
  Show(doc);
  Grid(TDayClass::Werktag)->setCurrentCell(2, 0);
  Press("OneDownBtn");
  ASSERT_EQ(1u, Doc().Zones[0].SaSo.size());
  EXPECT_EQ("W2", Cell(TDayClass::SaSo, 0, 4));
  EXPECT_EQ("Sa So ", Cell(TDayClass::SaSo, 0, 7));
  EXPECT_TRUE(Doc().Modified);
}

TEST_F(ListCommandsTest, WithoutZoneTheCommandsSaySo) {
  Show(TTarifFile{});
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es können keine Einträge hinzugefügt werden. Definieren Sie eine Tarifzone!")
      .Expect("Fügen Sie zuerst eine Tarifzone mit Tarifen hinzu!")
      .Expect("Es sind keine Tarifzonen gespeichert!");
  Press("AddEntry2Btn");
  Press("AllDownBtn");
  Trigger("TarifzoneLoeschen1");
}

}  // namespace
}  // namespace dudode
