// Undo, redo and the recovery copy in the main window: keys, menu, tool bar
// and the question at the next start.
#include "app/MainTestSupport.h"

namespace dudode {
namespace {

using test::TScriptedMessageBoxes;

class UndoRecoveryTest : public test::MainTest {
 protected:
  static void DeleteFirstSaSoEntry(TMain& main) {
    QTableWidget* grid = main.Grid(TDayClass::SaSo);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 0)).center());
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll(idYes);
    QTest::keyClick(grid, Qt::Key_Delete);
  }
  std::size_t SaSoEntries(TMain& main) { return main.Document().Zones[0].SaSo.size(); }
};

TEST_F(UndoRecoveryTest, KeysMenuAndToolBarTakeAStepBackAndForth) {
  TMain main;
  main.show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  OpenTwoZoneFile(main);
  QAction* undo = Action(main, "Rueckgaengig1");
  QAction* redo = Action(main, "Wiederherstellen1");
  QAction* undoTool = Action(main, "UndoToolBtn");
  EXPECT_FALSE(undo->isEnabled() || redo->isEnabled() || undoTool->isEnabled());

  DeleteFirstSaSoEntry(main);
  EXPECT_EQ(1u, SaSoEntries(main));
  EXPECT_EQ(QStringLiteral("&Rückgängig: Tarif löschen"), undo->text());

  QTest::keyClick(&main, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(2u, SaSoEntries(main));
  EXPECT_FALSE(main.Document().Modified);
  EXPECT_EQ(1, main.HighlightedRow(TDayClass::SaSo));
  EXPECT_EQ(QStringLiteral("&Wiederherstellen: Tarif löschen"), redo->text());
  QTest::keyClick(&main, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(1u, SaSoEntries(main));
  EXPECT_TRUE(main.Document().Modified);
  undoTool->trigger();
  QTest::keyClick(&main, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(1u, SaSoEntries(main));
  EXPECT_FALSE(redo->isEnabled());
}

TEST_F(UndoRecoveryTest, AKilledEditorOffersItsChangesAtTheNextStart) {
  const std::string copy = RecoveryCopyPath();
  {
    TMain crashed;
    crashed.show();
    OpenTwoZoneFile(crashed);
    DeleteFirstSaSoEntry(crashed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return FileExists(copy); }, 2000)) << "the copy comes within 2 seconds";
  }  // gone without a close: as after a crash
  const std::string question =
      "Der Dudode - Editor wurde nicht ordnungsgemäß beendet. Sollen die ungespeicherten Änderungen an "
      "„Zwei Zonen Tarif“ wiederhergestellt werden?";
  {
    TMain cancelled;
    TScriptedMessageBoxes boxes;
    boxes.Expect(question, idCancel, "Dudode - Editor");
    EXPECT_FALSE(cancelled.Startup({.AllowStartWindow = false})) << "Escape ends the start";
    EXPECT_TRUE(FileExists(copy)) << "and keeps the copy";
  }
  {
    TMain main;
    TScriptedMessageBoxes boxes;
    boxes.Expect(question, idYes, "Dudode - Editor");
    EXPECT_TRUE(main.Startup({.AllowStartWindow = false}));  // no open dialog
    EXPECT_EQ(1u, SaSoEntries(main));
    EXPECT_TRUE(main.Document().Modified);
    boxes.Expect("Möchten Sie wirklich die Änderungen in \"Zwei Zonen Tarif\" speichern?", idYes);
    Trigger(main, "Speichern1");
    EXPECT_FALSE(FileExists(copy)) << "a clean save removes the copy";
  }
}

}  // namespace
}  // namespace dudode
