#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "zones/NoCostEditDlg.h"
#include "zones/ZoneDlgTestSupport.h"

namespace dudode {
namespace {

using test::Click;
using test::FilledZone;
using test::Find;
using test::Text;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

const char* const kZoneDlg = "dudode::TNewEditTarifDlg";
const char* const kNoCostsDlg = "dudode::TNoCostsDlg";
const char* const kNoCostEditDlg = "dudode::TNoCostEditDlg";

using ZoneDlgTest = test::TMainWindowTest;

// Types each text into the focused control and presses Enter after it.
void TypeWithEnter(std::initializer_list<const char*> texts) {
  for (const char* text : texts) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
}

std::string Focused() {
  return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "";
}

TEST(NoCostKeyboardTest, WindowDialogIsCompletedByKeyboardAlone) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Die Angabe im Feld \"kostenlose Zeit\" ist ungültig. Der Wert muß größer 0 betragen.");
  TModalScript script;
  script.Then(kNoCostEditDlg, [](QDialog&) {
    TypeWithEnter({"1800", "0759", "0"});
    EXPECT_EQ("TimeEdit", Focused()) << "the refused value keeps the focus";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    TypeWithEnter({"30"});
    EXPECT_EQ("ApplyBtn", Focused());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  script.Then(kNoCostEditDlg, [](QDialog& dlg) {
    EXPECT_EQ("Eintrag ändern", dlg.windowTitle().toStdString());
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ("ApplyBtn", Focused()) << "a window being changed can be confirmed at once";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  TFreeTimeEntry window;
  ASSERT_TRUE(EditNoCostWindow(window, true, true, nullptr));
  EXPECT_EQ(18u * 3600, window.StartSec);
  EXPECT_EQ(8u * 3600 - 1, window.EndSec);
  EXPECT_EQ(30, window.FreeSeconds);
  EXPECT_TRUE(EditNoCostWindow(window, false, true, nullptr));
}

TEST_F(ZoneDlgTest, NameChecksKeepTheDialogOpen) {
  Show(TTarifFile{});
  TScriptedMessageBoxes boxes;
  boxes.Expect("Sie müssen einen korrekten Tarifzonennamen eingeben!");
  TModalScript script;
  script.Then(kZoneDlg, [](QDialog& dlg) {
    auto* name = Find<QLineEdit>(dlg, "TarifName");
    Type(name, "   ");
    Click(dlg, "ApplyBtn");
    EXPECT_TRUE(dlg.isVisible());
    Type(name, "A;B,C");  // typed: the separators are dropped
    EXPECT_EQ("ABC", name->text().toStdString());
    Click(dlg, "CancelBtn");
  });
  Trigger("NeueTarifzone1");
  EXPECT_TRUE(Doc().Zones.empty());
}

TEST_F(ZoneDlgTest, DeletingTheOnlyZoneEmptiesBoxMenuAndGrids) {
  TTarifFile doc;
  doc.Zones = {FilledZone("City", "CITY0001", 2, 2)};
  Show(doc);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie die Tarifzone \"City\" wirklich löschen?", idYes);
  Trigger("DeleteZoneToolBtn");
  EXPECT_TRUE(Doc().Zones.empty());
  EXPECT_EQ(0, ZoneBox()->count());
  EXPECT_EQ(-1, main->CurrentZone());
  EXPECT_EQ(1, Grid(TDayClass::Werktag)->rowCount());
  EXPECT_EQ("", Cell(TDayClass::Werktag, 0, 0));
  EXPECT_EQ("", Cell(TDayClass::SaSo, 0, 0));
}

TEST_F(ZoneDlgTest, CancelledNoCostChangesLeaveTheZoneAlone) {
  TTarifFile doc;
  TKeyAndName zone = FilledZone("City", "CITY0001", 0, 0);
  zone.WFreeTimes = {{0, 3599, 10}, {7200, 10799, 20}};
  doc.Zones = {zone};
  Show(doc);
  TModalScript script;
  script.Then(kZoneDlg, [](QDialog& dlg) {
    Click(dlg, "NoCostsBtn");
    Click(dlg, "CancelBtn");
  });
  script.Then(kNoCostsDlg, [](QDialog& dlg) {
    auto* list = Find<QTreeWidget>(dlg, "WList");
    EXPECT_FALSE(Find<QWidget>(dlg, "WEditBtn")->isEnabled());
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_TRUE(Find<QWidget>(dlg, "WDeleteBtn")->isEnabled());
    Click(dlg, "WDeleteBtn");
    EXPECT_EQ(1, list->topLevelItemCount());
    Click(dlg, "ApplyBtn");
  });
  Trigger("EditZoneToolBtn");
  EXPECT_EQ(2u, Doc().Zones[0].WFreeTimes.size());
  EXPECT_FALSE(Doc().Modified);
}

TEST_F(ZoneDlgTest, ChangedNoCostWindowIsRewritten) {
  TTarifFile doc;
  TKeyAndName zone = FilledZone("City", "CITY0001", 0, 0);
  zone.FFreeTimes = {{3600, 7199, 10}};
  doc.Zones = {zone};
  Show(doc);
  TModalScript script;
  script.Then(kZoneDlg, [](QDialog& dlg) {
    Click(dlg, "NoCostsBtn");
    Click(dlg, "ApplyBtn");
  });
  script.Then(kNoCostsDlg, [](QDialog& dlg) {
    auto* list = Find<QTreeWidget>(dlg, "FList");
    list->setCurrentItem(list->topLevelItem(0));
    Click(dlg, "FEditBtn");
    EXPECT_EQ("12,5000 Sekunde(n)", list->topLevelItem(0)->text(2).toStdString());
    Click(dlg, "ApplyBtn");
  });
  script.Then(kNoCostEditDlg, [](QDialog& dlg) {
    EXPECT_EQ("Eintrag ändern", dlg.windowTitle().toStdString());
    EXPECT_EQ("01:00", Text(dlg, "TimeFrom"));
    EXPECT_EQ("01:59", Text(dlg, "TimeTo"));
    Type(Find<QLineEdit>(dlg, "TimeEdit"), "12,5");
    test::Leave(Find<QWidget>(dlg, "TimeEdit"));
    Click(dlg, "ApplyBtn");
  });
  Trigger("EditZoneToolBtn");
  ASSERT_EQ(1u, Doc().Zones[0].FFreeTimes.size());
  EXPECT_EQ(12.5, Doc().Zones[0].FFreeTimes[0].FreeSeconds);
  EXPECT_EQ(7199u, Doc().Zones[0].FFreeTimes[0].EndSec);
  EXPECT_TRUE(Doc().Modified);
}

}  // namespace
}  // namespace dudode
