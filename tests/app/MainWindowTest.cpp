// The main window: its commands, the busy rule, zone selection and grids.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <memory>

#include "MainTestSupport.h"

namespace dudode {
namespace {

using test::TModalScript;
using test::TScriptedMessageBoxes;

class MainWindowTest : public test::MainTest {};

// Before the first document only the commands that need none can run;
// every other trigger is disabled and does nothing.
TEST_F(MainWindowTest, CommandsFollowTheProgramState) {
  TMain main;
  const char* const always[] = {"Neu1", "Oeffnen1", "Beenden1", "Info1", "ExitToolBtn"};
  const char* const withDocument[] = {"Speichern1",     "SpeichernUnter1",   "Tarifoptionen1",
                                      "NeueTarifzone1", "TarifzoneAendern1", "TarifzoneLoeschen1",
                                      "AddEntryItem1",  "SaveToolBtn"};
  for (const char* name : always) EXPECT_TRUE(Action(main, name)->isEnabled()) << name;
  {
    TModalScript noDialogs;
    TScriptedMessageBoxes noBoxes;
    for (const char* name : withDocument) {
      EXPECT_FALSE(Action(main, name)->isEnabled()) << name;
      Trigger(main, name);
    }
  }
  Loaded(main);
  for (const char* name : withDocument) EXPECT_TRUE(Action(main, name)->isEnabled()) << name;
}

TEST_F(MainWindowTest, NothingRunsWhileASaveIsUnderWay) {
  TMain main;
  main.show();
  OpenTwoZoneFile(main);
  main.Document().Modified = true;  // New or Open would ask; a box would fail the test

  bool busyMeanwhile = false;
  bool closedMeanwhile = true;
  bool listsHidden = false;
  QString label;
  // Runs inside the save, when the window lets pending events through.
  QMetaObject::invokeMethod(
      &main,
      [&] {
        busyMeanwhile = main.Busy();
        listsHidden = !main.Grid(TDayClass::Werktag)->isVisible();
        label = main.findChild<QLabel*>("InfoLabel")->text();
        for (QAction* action : main.findChildren<QAction*>()) {
          if (!action->objectName().isEmpty()) action->trigger();
        }
        for (QAbstractButton* button : main.findChildren<QAbstractButton*>()) button->click();
        main.SelectZone(1);
        closedMeanwhile = main.close();
      },
      Qt::QueuedConnection);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie wirklich die Änderungen in \"Zwei Zonen Tarif\" speichern?", idYes);
  TModalScript noOtherDialogs;
  Trigger(main, "Speichern1");

  EXPECT_TRUE(busyMeanwhile);
  EXPECT_TRUE(listsHidden);
  EXPECT_FALSE(label.isEmpty());
  EXPECT_FALSE(closedMeanwhile);
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(main.KeepFileDate()) << "the check item kept its mark";
  EXPECT_EQ(0, main.CurrentZone());
  EXPECT_TRUE(!main.Busy());
  EXPECT_TRUE(main.Grid(TDayClass::Werktag)->isVisible());
  EXPECT_FALSE(main.Document().Modified);
  EXPECT_EQ(1u, boxes.Boxes().size());
}

TEST_F(MainWindowTest, ALongOperationBlocksEveryCommandAndTheClose) {
  TMain main;
  main.show();
  main.Document().Modified = true;
  auto operation = std::make_unique<TLongOperation>(main, "Rechne");
  EXPECT_EQ(QStringLiteral("Rechne"), main.findChild<QLabel*>("InfoLabel")->text());
  {
    TModalScript noDialogs;
    TScriptedMessageBoxes noBoxes;
    for (const char* name : {"Neu1", "Oeffnen1", "Speichern1", "SpeichernUnter1", "Tarifoptionen1", "Info1",
                             "Beenden1", "ExitToolBtn", "SaveToolBtn"}) {
      Trigger(main, name);
    }
    EXPECT_EQ(TSaveOutcome::Stopped, main.Save());
    EXPECT_FALSE(main.close());
  }
  operation->Progress("Rechne", 40);
  EXPECT_EQ(40, main.findChild<QProgressBar*>("Gauge")->value());
  operation.reset();
  TScriptedMessageBoxes boxes;
  boxes.Expect("Die Angaben wurden nicht gespeichert. Möchten Sie jetzt speichern?", idNo)
      .Expect("Die Änderungen gehen damit verloren!");
  EXPECT_TRUE(main.close());
}

TEST_F(MainWindowTest, ZoneMenuAndZoneBoxSelectTheZone) {
  TMain main;
  main.show();
  OpenTwoZoneFile(main);
  auto* box = main.findChild<QComboBox*>("TarifComboBox");
  QMenu* zones = main.findChild<QMenu*>("ZoneMenu");
  ASSERT_EQ(2, zones->actions().size());
  EXPECT_EQ(QStringLiteral("City Zone"), zones->actions()[0]->text());
  EXPECT_TRUE(zones->actions()[0]->isChecked());

  zones->actions()[1]->trigger();
  EXPECT_EQ(1, main.CurrentZone());
  EXPECT_FALSE(zones->actions()[0]->isChecked());
  EXPECT_EQ(QStringLiteral("Fern Zone"), box->currentText());
  EXPECT_EQ(QStringLiteral("Fern"), Cell(main, TDayClass::Werktag, 0, 4));
  EXPECT_EQ(1, main.Grid(TDayClass::SaSo)->rowCount());
  EXPECT_EQ(QString(), Cell(main, TDayClass::SaSo, 0, 4)) << "an empty list shows one empty row";

  // Typed keys do not change the zone box; Tab and Shift+Tab leave it.
  QApplication::setActiveWindow(&main);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_C);
  QTest::keyClick(box, Qt::Key_Up);
  QTest::keyClick(box, Qt::Key_Home);
  EXPECT_EQ(1, box->currentIndex());
  EXPECT_EQ(1, main.CurrentZone());
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    box->setFocus();
    QTest::keyClick(box, key);
    EXPECT_NE(box, QApplication::focusWidget()) << key;
  }

  box->setCurrentIndex(0);  // chosen from the drop-down list
  EXPECT_EQ(0, main.CurrentZone());
  EXPECT_TRUE(zones->actions()[0]->isChecked());
  EXPECT_EQ(QStringLiteral("Neben Zeit"), Cell(main, TDayClass::Werktag, 0, 4));
}

TEST_F(MainWindowTest, GridsShowTheEntriesOfTheCurrentZone) {
  TMain main;
  OpenTwoZoneFile(main);
  QTableWidget* upper = main.Grid(TDayClass::Werktag);
  ASSERT_EQ(8, upper->columnCount());
  EXPECT_EQ(QStringLiteral("zusätzl. TE"), upper->horizontalHeaderItem(3)->text());
  main.show();
  QApplication::processEvents();
  // No text is cut: a column is as wide as its widest text.
  EXPECT_LE(upper->fontMetrics().horizontalAdvance(QStringLiteral("30,0000 Sekunde(n)")),
            upper->columnWidth(2));
  ASSERT_EQ(2, upper->rowCount());
  // Each text in its column; the rest of the texts is the grid texts' own matter.
  const QStringList first = {"18:00:00 Uhr", "07:59:59 Uhr",    "30,0000 Sekunde(n)", "    2 Einheit(en)",
                             "Neben Zeit",   "01.01. / 31.12.", "0,0600 €",           "Mo Di Mi Do Fr "};
  for (int c = 0; c < 8; ++c) EXPECT_EQ(first[c], Cell(main, TDayClass::Werktag, 0, c)) << c;
  EXPECT_EQ(QStringLiteral("01.04. / 30.09."), Cell(main, TDayClass::Werktag, 1, 5));
  ASSERT_EQ(2, main.Grid(TDayClass::SaSo)->rowCount());
  EXPECT_EQ(QStringLiteral("Sa So Fei"), Cell(main, TDayClass::SaSo, 1, 7));

  // Row n stands for entry n; every change rebuilds the grids.
  upper->setCurrentCell(1, 0);
  EXPECT_EQ(2, main.HighlightedRow(TDayClass::Werktag));
  main.Document().Zones[0].Werktag.pop_back();
  main.Apply(TCommandResult::Grids());
  EXPECT_EQ(1, upper->rowCount());
}

TEST_F(MainWindowTest, CommandsActOnTheHighlightedRowOnly) {
  TMain main;
  main.show();
  OpenTwoZoneFile(main);
  QTableWidget* lower = main.Grid(TDayClass::SaSo);
  const auto press = [&main](const char* name) { main.findChild<QAbstractButton*>(name)->click(); };
  const auto clickAt = [lower](QPoint where) {
    QTest::mouseClick(lower->viewport(), Qt::LeftButton, {}, where);
  };
  const QPoint firstRow = lower->visualRect(lower->model()->index(0, 0)).center();
  const QPoint belowRows(4, lower->viewport()->height() - 4);
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Sie müssen einen Tarif in der Liste \"Sa./So./Feiertag\" auswählen!")
        .Expect("Sie können diesen Tarif nicht löschen!");
    EXPECT_EQ(0, main.HighlightedRow(TDayClass::SaSo)) << "a file is opened without highlight";
    press("OneUpBtn");
    clickAt(firstRow);
    EXPECT_EQ(1, main.HighlightedRow(TDayClass::SaSo));
    clickAt(belowRows);  // clears the highlight, and with it the row commands act on
    EXPECT_EQ(0, main.HighlightedRow(TDayClass::SaSo));
    press("DeleteEntry2Btn");
  }
  EXPECT_EQ(2u, main.Document().Zones[0].Werktag.size());
  EXPECT_EQ(2u, main.Document().Zones[0].SaSo.size());
  clickAt(firstRow);
  main.SelectZone(1);
  EXPECT_EQ(0, main.HighlightedRow(TDayClass::SaSo)) << "another zone starts without highlight";
}

TEST_F(MainWindowTest, HeapReportFromEitherGrid) {
  TMain main;
  main.show();
  for (TDayClass dayClass : kDayClasses) {
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll();
    QTest::keyClick(main.Grid(dayClass), Qt::Key_M,
                    Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    ASSERT_EQ(1u, boxes.Boxes().size());
    const test::TRecordedBox& box = boxes.Boxes()[0];
    EXPECT_EQ("MemoryStatus", box.Caption);
    EXPECT_EQ(mkFehler, box.Kind);
    EXPECT_EQ(0u, box.Text.find("TotalAddrSpace: "));
    EXPECT_NE(std::string::npos, box.Text.find("\rTotalAllocated: "));
    EXPECT_NE(std::string::npos, box.Text.find("\rHeapErrorCode: 0"));
  }
  TScriptedMessageBoxes none;
  QTest::keyClick(main.Grid(TDayClass::Werktag), Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
}

TEST_F(MainWindowTest, OptionsCommandStoresTheNetworkCodeAndRetitles) {
  TMain main;
  OpenTwoZoneFile(main);
  TModalScript script;
  script.Then("dudode::TTarifOptionsDlg", [](QDialog& dlg) {
    EXPECT_EQ(QStringLiteral("24.12.1999"), test::Find<QLineEdit>(dlg, "LastEditDate")->text());
    EXPECT_EQ(QStringLiteral("2"), test::Find<QLineEdit>(dlg, "ZoneCount")->text());
    test::Type(test::Find<QLineEdit>(dlg, "AccessCodeEdit"), "1050");
    test::Type(test::Find<QLineEdit>(dlg, "FileNameEdit"), "Neu benannt");
    test::Click(dlg, "ApplyBtn");
  });
  Trigger(main, "Tarifoptionen1");
  EXPECT_EQ("01050", main.Document().AccessCode);
  EXPECT_EQ("Neu benannt", main.Document().Description);
  EXPECT_TRUE(main.Document().Modified);
  EXPECT_EQ(QStringLiteral("Dudode - Editor 3.10 [Neu benannt]"), main.windowTitle());
}

TEST_F(MainWindowTest, InfoOpensTheAboutBox) {
  TMain main;
  TModalScript script;
  script.Then("dudode::TAboutBox", [](QDialog& dlg) {
    EXPECT_NE(nullptr, dlg.findChild<QLabel*>("ProductName"));
    EXPECT_EQ(QStringLiteral("Version 3.10"), dlg.findChild<QLabel*>("Version")->text());
    EXPECT_FALSE(dlg.findChild<QLabel*>("OSLabel")->text().isEmpty());
    EXPECT_FALSE(dlg.findChild<QLabel*>("MemoryLabel")->text().isEmpty());
    test::Click(dlg, "OKBtn");
  });
  Trigger(main, "Info1");
}

}  // namespace
}  // namespace dudode
