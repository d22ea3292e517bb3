// The coverage window: its command, a double click on the picture and saving it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "support/FakeHost.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "tools/CoverageDlg.h"

namespace dudode {
namespace {

using test::Find;
using test::TModalScript;

TTarifEntry Entry(const char* name, std::uint32_t startHour, std::uint32_t endHour) {
  TTarifEntry e;
  e.StartSec = startHour * 3600;
  e.EndSec = endHour * 3600 - 1;
  e.Takt = 60;
  e.Name = name;
  e.DateFrom = "0101";
  e.DateTo = "3112";
  return e;
}

TEST(CoverageDlgTest, DoubleClickSelectsTheCoveringEntryAfterSavingThePicture) {
  test::TFakeHost host;
  host.Doc.Zones.resize(1);
  host.Doc.Zones[0].DisplayName = "City";
  host.Doc.Zones[0].Werktag = {Entry("Nacht", 0, 6), Entry("Tag", 6, 24)};
  const test::TTempDir dir;
  TModalScript script;
  script.Then("dudode::TCoverageDlg", [&](QDialog& dialog) {
    EXPECT_EQ("Tarifabdeckung der Tarifzone City", dialog.windowTitle().toStdString());
    QTest::mouseClick(Find<QWidget>(dialog, "SaveBtn"), Qt::LeftButton);
    // 1 January, 06:40: the second step row of the picture's slot 40.
    QTest::mouseDClick(Find<QWidget>(dialog, "WerktagView"), Qt::LeftButton, {}, QPoint(41, 6 + 80 + 1));
  });
  script.Then("QFileDialog", [&](QDialog& dialog) {
    QTest::keyClicks(Find<QLineEdit>(dialog, "fileNameEdit"), QString::fromStdString(dir.File("bild.png")));
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  EXPECT_FALSE(CoverageCommand(host).GridsChanged);
  EXPECT_EQ(2, host.Row1);
  EXPECT_TRUE(dir.Exists("bild.png"));

  test::TScriptedMessageBoxes boxes;
  boxes.Expect("Bitte legen Sie eine Tarifzone an oder wählen Sie eine Tarifzone aus!", idOK,
               "Dudode - Editor 3.10");
  host.Zone = -1;
  CoverageCommand(host);
}

}  // namespace
}  // namespace dudode
