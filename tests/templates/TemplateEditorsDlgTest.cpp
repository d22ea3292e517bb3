#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSlider>
#include <QTreeWidget>
#include <cstdlib>
#include <tuple>

#include "core/Files.h"
#include "support/CliRun.h"
#include "support/FakeHost.h"
#include "support/ModalScript.h"
#include "support/Photograph.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "templates/ConnectionTemplateEditDlg.h"
#include "templates/SR10plusDlg.h"
#include "templates/TelefonyTemplateEditDlg.h"
#include "templates/TemplateCommands.h"

namespace dudode::test {
namespace {

const char* const kConnList = "dudode::TConnectionTemplateEditDlg";
const char* const kConnDlg = "dudode::TConnectionDefaultsEditDlg";
const char* const kDiscountDlg = "dudode::TSR10plusDlg";
const char* const kSelectDlg = "dudode::TPhoneProvidersTarifSelectDlg";
const char* const kDfueNotice =
    "Diese Voreinstellung wird nur verwendet, wenn Dudode den Namen der DFÜ-Netzwerk Verbindung nicht "
    "erkennen kann.";

QTreeWidget* List(QWidget& dlg) {
  return Find<QTreeWidget>(dlg, "ListView");
}

// Column c of every line.
std::vector<std::string> Column(QWidget& dlg, int c) {
  std::vector<std::string> texts;
  for (int i = 0; i < List(dlg)->topLevelItemCount(); ++i)
    texts.push_back(List(dlg)->topLevelItem(i)->text(c).toStdString());
  return texts;
}

void KeyToList(QWidget& dlg, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  List(dlg)->setFocus();
  QTest::keyClick(List(dlg), key, mods);
}

void SelectLine(QWidget& dlg, int row) {
  List(dlg)->setCurrentItem(List(dlg)->topLevelItem(row));
}

class TemplateEditorsTest : public ::testing::Test {
 protected:
  TemplateEditorsTest() {
    for (const char* name : {"RATES.0", "RATES.1", "Provider.ini", "ConnTemp.dat", "ConnTempEx.dat"}) {
      std::string bytes;
      ReadWholeFile(std::string(DUDODE_SAMPLE_DATA) + name, bytes);
      dir.Write(name, bytes);
    }
    dir.UseAsProgramDirectory();
  }
  std::unique_ptr<TConnectionTemplateEditDlg> ConnectionList() {
    auto dlg = std::make_unique<TConnectionTemplateEditDlg>(LoadPhoneTariffList(), LoadProviderNames(),
                                                            LoadConnectionTemplates().Records);
    dlg->show();
    return dlg;
  }

  test::TTempDir dir;
  TScriptedMessageBoxes boxes;
  TModalScript script;
};

TEST_F(TemplateEditorsTest, NewConnectionWithProviderAndDiscountIsSavedAsDumped) {
  boxes.Expect(kDfueNotice, idOK);
  script
      .Then(kConnList,
            [](QDialog& dlg) {
              KeyToList(dlg, Qt::Key_Insert);
              test::Photograph(dlg, "connection-templates.png");
              Click(dlg, "SaveBtn");
            })
      .Then(kConnDlg,
            [](QDialog& dlg) {
              auto* name = Find<QComboBox>(dlg, "ConnectionCB");
              test::Type(name->lineEdit(), QStringLiteral("df"));
              QTest::sendKeyEvent(QTest::Click, name->lineEdit(), Qt::Key_Udiaeresis, QStringLiteral("ü"),
                                  Qt::NoModifier);
              QTest::keyClicks(name->lineEdit(), QStringLiteral("-netzwerk"));
              QTest::keyClick(name, Qt::Key_Return);  // leaves the field
              EXPECT_EQ("DFÜ-Netzwerk", name->currentText().toStdString());
              auto* provider = Find<QComboBox>(dlg, "ProviderCB");
              QTest::keyClick(provider, Qt::Key_Down);
              EXPECT_TRUE(Find<QCheckBox>(dlg, "ProviderChkBox")->isChecked());
              test::Photograph(dlg, "connection-template-dialog.png");
              Click(dlg, "RabattBtn");
              // The instant discount set above goes off with both city options.
              Find<QCheckBox>(dlg, "CityPlusChkBox")->click();
              Find<QCheckBox>(dlg, "CityWeekendChkBox")->click();
              Click(dlg, "SaveBtn");
            })
      .Then(kDiscountDlg, [](QDialog& dlg) {
        QTest::keyClick(Find<QCheckBox>(dlg, "RActiveChkBox"), Qt::Key_Space);
        for (int i = 0; i < 10; ++i) QTest::keyClick(Find<QSlider>(dlg, "RabattTrackBar"), Qt::Key_Right);
        QTest::keyClick(Find<QSlider>(dlg, "MinTrackBar"), Qt::Key_End);
        QTest::keyClick(Find<QCheckBox>(dlg, "SRActiveChkBox"), Qt::Key_Space);
        QTest::keyClick(Find<QSlider>(dlg, "SR1TrackBar"), Qt::Key_PageUp);
        test::Photograph(dlg, "discount-dialog.png");
        Click(dlg, "SaveBtn");
      });
  test::TFakeHost host;
  ConnectionTemplatesCommand(host);

  test::TTempDir capture;
  const test::TCliRun run = test::RunCli(DUDODE_TARIF_CLI, {"templates", "dump", dir.Dir()}, capture);
  // The dump without line breaks and indents.
  const std::string flat = QString::fromStdString(run.Out).remove(QRegularExpression("\n *")).toStdString();
  EXPECT_NE(
      std::string::npos,
      flat.find(R"({"Name": "DFÜ-Netzwerk","PhoneTarif": "PHONE.0","Zone": "City","CityWeekend": 1,)"
                R"("CityPlus": 1,"ISDNx2": 0,"TenPlusActive": 1,"TenPlusFrom": 3600,"TenPlusRate": 0.11,)"
                R"("InstantActive": 0,"InstantWorkday": 0.05,"InstantWeekend": 0,"InstantHoliday": 0,)"
                R"("Provider": "Flatrate Plus","ProviderActive": 1})"))
      << run.Out;
  EXPECT_EQ(4u, ParseConnTempExRecords(dir.Read("ConnTempEx.dat")).size());
}

TEST_F(TemplateEditorsTest, MissingProviderShowsFehlerAndKeepsItsReferenceWhenSavedUnedited) {
  dir.Write("Provider.ini", "[PROVIDER]\r\nP0=Flatrate_Plus,FLAT0001\r\n");
  auto dlg = ConnectionList();
  EXPECT_EQ((std::vector<std::string>{"", "", "FEHLER!"}), Column(*dlg, 4));
  EXPECT_FALSE(Find<QWidget>(*dlg, "EditBtn")->isEnabled());
  SelectLine(*dlg, 2);
  Find<QWidget>(*dlg, "EditBtn")->setFocus();  // leaving the list keeps the button
  EXPECT_TRUE(Find<QWidget>(*dlg, "EditBtn")->isEnabled());
  // A new template may not repeat a name; the dialog stays open with it.
  boxes.Expect("Eine Verbindung mit diesem Namen existiert bereits!");
  script.Then(kConnDlg, [](QDialog& d) {
    test::Type(Find<QComboBox>(d, "ConnectionCB")->lineEdit(), QStringLiteral("Nordlicht City"));
    Click(d, "SaveBtn");
    EXPECT_TRUE(d.isVisible());
    Click(d, "CancelBtn");
  });
  KeyToList(*dlg, Qt::Key_Insert);
  // Another template is edited; the one with the missing provider is not.
  SelectLine(*dlg, 0);
  script.Then(kConnDlg, [](QDialog& d) { Click(d, "SaveBtn"); });
  KeyToList(*dlg, Qt::Key_Return);
  Click(*dlg, "SaveBtn");
  const TConnectionTemplateList saved = ParseConnTempRecords(dir.Read("ConnTemp.dat"));
  ASSERT_EQ(3u, saved.size());
  EXPECT_EQ(3u, ParseConnTempExRecords(dir.Read("ConnTempEx.dat")).size());
  EXPECT_EQ("Wellenreiter Online", saved[2].Provider);
}

TEST_F(TemplateEditorsTest, CloseQuestionAndFailedWrite) {
  const struct {
    int answer;
    bool failWrite, open, written;
  } cases[] = {{idYes, false, false, true},
               {idNo, false, false, false},
               {idCancel, false, true, false},
               {idYes, true, true, false}};
  const std::string before = dir.Read("ConnTemp.dat");
  for (const auto& c : cases) {
    dir.Write("ConnTemp.dat", before);
    auto dlg = ConnectionList();
    SelectLine(*dlg, 0);
    boxes.Expect("Möchten Sie die Verbindungsvorlage Nordlicht City wirklich löschen?", idYes);
    KeyToList(*dlg, Qt::Key_Delete);
    boxes.Expect("Die Verbindungsvorlagen wurden geändert. Möchten Sie die Änderungen speichern?", c.answer);
    if (c.failWrite) boxes.AcceptAll();
    InjectWriteFailureAfter(c.failWrite ? 0 : -1);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    InjectWriteFailureAfter(-1);
    EXPECT_EQ(c.open, dlg->isVisible()) << c.answer;
    EXPECT_TRUE(!c.open || dlg->Modified()) << c.answer;
    EXPECT_EQ(c.written, dir.Read("ConnTemp.dat") != before) << c.answer;
  }
}

TEST_F(TemplateEditorsTest, ImportingATariffTwiceAddsEachZoneOnce) {
  TTelefonyTemplateEditDlg dlg(LoadPhoneTariffList(), {});
  dlg.show();
  for (int run = 0; run < 2; ++run) {
    script.Then(kSelectDlg, [](QDialog& d) {
      auto* tree = Find<QTreeWidget>(d, "TarifTV");
      tree->setCurrentItem(tree->topLevelItem(0));
      Click(d, "OKBtn");
    });
    Click(dlg, "ImportBtn");
  }
  EXPECT_EQ(LoadPhoneTariffList()[0].ZoneNames.size(), Column(dlg, 0).size());
  test::Photograph(dlg, "telephony-templates.png");
  EXPECT_TRUE(dlg.Modified());
}

TEST_F(TemplateEditorsTest, ProviderPageKeyWritesThePage) {
  test::TTempDir home;
  const std::string oldHome = std::getenv("HOME");
  ::setenv("HOME", home.Dir().c_str(), 1);
  home.Write("providerinfos.htm", "<!-- %PROVIDERS% -->");
  auto dlg = ConnectionList();
  boxes.Expect("Datei providerinfos.htm in " + home.Dir());
  KeyToList(*dlg, Qt::Key_P, Qt::ShiftModifier | Qt::AltModifier);
  EXPECT_NE(std::string::npos,
            home.Read("providerinfos.htm").find("<tr><td width=\"25%\">Nordlicht City</td>"));
  ::setenv("HOME", oldHome.c_str(), 1);
}

TEST(SR10plusDlgTest, LabelsFollowTheSlidersAndCityConnectionsHaveNoInstantDiscount) {
  TConnectionTemplate t;
  t.CityPlus = t.InstantActive = 1;
  t.TenPlusFrom = 300;
  t.TenPlusRate = 0.10;
  TModalScript script;
  script.Then(kDiscountDlg, [](QDialog& dlg) {
    auto text = [&](const char* name) { return Find<QLabel>(dlg, name)->text().remove('&').toStdString(); };
    EXPECT_EQ("Rabatt für Verbindungen: 10%", text("RabattLabel"));
    EXPECT_EQ("Rabatt wird ab vollendeter 5. Gesprächsminute gewährt.", text("MinLabel"));
    EXPECT_FALSE(Find<QCheckBox>(dlg, "SRActiveChkBox")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>(dlg, "SRActiveChkBox")->isChecked());
    auto* sr2 = Find<QSlider>(dlg, "SR2TrackBar");
    QTest::keyClick(sr2, Qt::Key_Right);
    EXPECT_EQ("Verminderung des Preises am Wochenende um 1%.", text("SR2Label"));
    auto* min = Find<QSlider>(dlg, "MinTrackBar");
    min->setFocus();
    QTest::keyClick(min, Qt::Key_Return);
    EXPECT_EQ(Find<QSlider>(dlg, "RabattTrackBar"), QApplication::focusWidget());
    Click(dlg, "SaveBtn");
  });
  ASSERT_TRUE(EditConnectionDiscount(t, nullptr));
  EXPECT_EQ(std::make_tuple(300, 0.10, 0.01, 0),
            std::make_tuple(t.TenPlusFrom, t.TenPlusRate, t.InstantWeekend, t.InstantActive));
}

}  // namespace
}  // namespace dudode::test
