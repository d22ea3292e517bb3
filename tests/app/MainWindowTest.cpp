// The main window: its commands, the busy rule, zone selection and grids.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSettings>
#include <QTest>
#include <tuple>

#include "MainTestSupport.h"

namespace dudode {
namespace {

using test::TModalScript;
using test::TScriptedMessageBoxes;

class MainWindowTest : public test::MainTest {};

// Before the first document only the commands that need none, such as Info, can run.
TEST_F(MainWindowTest, CommandsFollowTheProgramState) {
  TMain main;
  const char* const withDocument[] = {"Speichern1",     "SpeichernUnter1",   "Tarifoptionen1",
                                      "NeueTarifzone1", "TarifzoneAendern1", "TarifzoneLoeschen1",
                                      "AddEntryItem1",  "SaveToolBtn"};
  for (const char* name : {"Neu1", "Oeffnen1", "Beenden1", "Info1", "ExitToolBtn"})
    EXPECT_TRUE(Action(main, name)->isEnabled()) << name;
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
  TModalScript about;
  about.Then("dudode::TAboutBox", [](QDialog& dlg) {
    for (const char* label : {"Version", "ProductName", "OSLabel", "MemoryLabel"}) {
      EXPECT_FALSE(test::Find<QLabel>(dlg, label)->text().isEmpty()) << label;
    }
    test::Click(dlg, "OKBtn");
  });
  Trigger(main, "Info1");
}

TEST_F(MainWindowTest, NothingRunsWhileASaveIsUnderWay) {
  TMain main;
  main.show();
  OpenTwoZoneFile(main);
  main.Document().Modified = true;  // New or Open would ask; a box would fail the test
  bool busy = false, listsHidden = false, closed = true;
  TSaveOutcome nested = TSaveOutcome::Saved;
  QString saveLabel, label;
  int gauge = 0;
  // Runs inside the save, when the window lets pending events through.
  QMetaObject::invokeMethod(
      &main,
      [&] {
        busy = main.Busy();
        listsHidden = !main.Grid(TDayClass::Werktag)->isVisible();
        saveLabel = main.findChild<QLabel*>("InfoLabel")->text();
        for (QAction* action : main.findChildren<QAction*>()) {
          if (!action->objectName().isEmpty()) action->trigger();
        }
        for (QAbstractButton* button : main.findChildren<QAbstractButton*>()) button->click();
        main.SelectZone(1);
        nested = main.Save();
        closed = main.close();
        TLongOperation inner(main, "Rechne");
        inner.Progress("Rechne", 40);
        label = main.findChild<QLabel*>("InfoLabel")->text();
        gauge = main.findChild<QProgressBar*>("Gauge")->value();
      },
      Qt::QueuedConnection);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie wirklich die Änderungen in \"Zwei Zonen Tarif\" speichern?", idYes);
  TModalScript noOtherDialogs;
  Trigger(main, "Speichern1");
  EXPECT_EQ(std::tuple(true, true, false, TSaveOutcome::Stopped, false, QStringLiteral("Rechne"), 40),
            std::tuple(busy, listsHidden, saveLabel.isEmpty(), nested, closed, label, gauge));
  // Afterwards: the check item kept its mark, the zone stayed, the window is back.
  EXPECT_EQ(std::tuple(false, 0, false, true, false),
            std::tuple(main.KeepFileDate(), main.CurrentZone(), main.Busy(),
                       main.Grid(TDayClass::Werktag)->isVisible(), main.Document().Modified));
  EXPECT_TRUE(main.close()) << "once the save is done";
  // The window's place goes into the editor's own settings; the shared ones are only read.
  EXPECT_EQ(std::string::npos, settingsDir.Read("Dudode.ini").find("Geometry"));
  QSettings own(QSettings::IniFormat, QSettings::UserScope, "Vizorazod Software", "Dudode-Editor");
  EXPECT_TRUE(own.contains("WindowGeometry"));
}

TEST_F(MainWindowTest, ZoneMenuAndZoneBoxChooseTheZoneTheGridsShow) {
  TMain main;
  main.show();
  OpenTwoZoneFile(main);
  QTableWidget* upper = main.Grid(TDayClass::Werktag);
  ASSERT_EQ(8, upper->columnCount());
  QApplication::processEvents();
  // The cell texts are the grid rule's; here no text is cut: a column is as wide as its widest text.
  EXPECT_EQ(QStringLiteral("30,0000 Sekunde(n)"), Cell(main, TDayClass::Werktag, 0, 2));
  EXPECT_LE(upper->fontMetrics().horizontalAdvance(QStringLiteral("30,0000 Sekunde(n)")),
            upper->columnWidth(2));
  EXPECT_EQ(QStringLiteral("Sa So Fei"), Cell(main, TDayClass::SaSo, 1, 7));
  upper->setCurrentCell(1, 0);
  EXPECT_EQ(2, main.HighlightedRow(TDayClass::Werktag));
  main.Document().Zones[0].Werktag.pop_back();
  main.Apply(TCommandResult::Grids());
  EXPECT_EQ(1, upper->rowCount()) << "every change rebuilds the grids";

  auto* box = main.findChild<QComboBox*>("TarifComboBox");
  QMenu* zones = main.findChild<QMenu*>("ZoneMenu");
  ASSERT_EQ(2, zones->actions().size());
  EXPECT_EQ(std::pair(QStringLiteral("City Zone"), true),
            std::pair(zones->actions()[0]->text(), zones->actions()[0]->isChecked()));
  zones->actions()[1]->trigger();
  // An empty list shows one empty row.
  EXPECT_EQ(std::tuple(1, false, QStringLiteral("Fern Zone"), QStringLiteral("Fern"), 1, QString()),
            std::tuple(main.CurrentZone(), zones->actions()[0]->isChecked(), box->currentText(),
                       Cell(main, TDayClass::Werktag, 0, 4), main.Grid(TDayClass::SaSo)->rowCount(),
                       Cell(main, TDayClass::SaSo, 0, 4)));

  // Typed keys do not change the zone box, the arrow keys do; Tab and Shift+Tab leave it.
  QApplication::setActiveWindow(&main);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_C);
  EXPECT_EQ(1, main.CurrentZone());
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(0, main.CurrentZone());
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(1, main.CurrentZone());
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    box->setFocus();
    QTest::keyClick(box, key);
    EXPECT_NE(box, QApplication::focusWidget()) << key;
  }
  box->setCurrentIndex(0);  // chosen from the drop-down list
  EXPECT_EQ(0, main.CurrentZone());
  EXPECT_TRUE(zones->actions()[0]->isChecked());
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
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Sie müssen einen Tarif in der Liste \"Sa./So./Feiertag\" auswählen!")
        .Expect(
            "Sie müssen einen Tarif in der Liste \"Sa./So./Feiertag\" auswählen!");  // nothing highlighted
    EXPECT_EQ(0, main.HighlightedRow(TDayClass::SaSo)) << "a file is opened without highlight";
    press("OneUpBtn");
    clickAt(firstRow);
    EXPECT_EQ(1, main.HighlightedRow(TDayClass::SaSo));
    clickAt(QPoint(4, lower->viewport()->height() - 4));  // below the rows: the highlight goes
    EXPECT_EQ(0, main.HighlightedRow(TDayClass::SaSo));
    press("DeleteEntry2Btn");
  }
  EXPECT_EQ(std::pair(std::size_t{2}, std::size_t{2}),
            std::pair(main.Document().Zones[0].Werktag.size(), main.Document().Zones[0].SaSo.size()));
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
    EXPECT_EQ(0u, boxes.Boxes()[0].Text.find("TotalAddrSpace: "));
  }
  TScriptedMessageBoxes none;
  QTest::keyClick(main.Grid(TDayClass::Werktag), Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
}

}  // namespace
}  // namespace dudode
