#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTreeWidget>
#include <cstdlib>
#include <tuple>

#include "core/Files.h"
#include "support/FakeHost.h"
#include "support/ModalScript.h"
#include "support/Photograph.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "templates/ConnectionDefaultsEditDlg.h"
#include "templates/ConnectionTemplateEditDlg.h"
#include "templates/SR10plusDlg.h"
#include "templates/TelefonyTemplateEditDlg.h"
#include "templates/TemplateCommands.h"

namespace dudode::test {
namespace {

const char* const kConnDlg = "dudode::TConnectionDefaultsEditDlg";
const char* const kDiscountDlg = "dudode::TSR10plusDlg";
const char* const kDfueNotice =
    "Diese Voreinstellung wird nur verwendet, wenn Dudode den Namen der DFÜ-Netzwerk Verbindung nicht "
    "erkennen kann.";

QTreeWidget* List(QWidget& dlg) {
  return Find<QTreeWidget>(dlg, "ListView");
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
      .Then("dudode::TConnectionTemplateEditDlg",
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

  // The instant discount set in the discount dialog went off with both city options.
  TConnectionTemplate expected;
  std::tie(expected.Name, expected.PhoneTarif, expected.Zone, expected.Provider) =
      std::make_tuple("DFÜ-Netzwerk", "PHONE.0", "City", "Flatrate Plus");
  std::tie(expected.CityWeekend, expected.CityPlus, expected.TenPlusActive, expected.ProviderActive) =
      std::make_tuple(1, 1, 1, 1);
  std::tie(expected.TenPlusFrom, expected.TenPlusRate, expected.InstantWorkday) =
      std::make_tuple(3600, 0.11, 0.05);
  EXPECT_EQ(expected, ParseConnTempRecords(dir.Read("ConnTemp.dat")).at(0));
}

TEST_F(TemplateEditorsTest, MissingProviderShowsFehlerAndKeepsItsReferenceWhenSavedUnedited) {
  dir.Write("Provider.ini", "[PROVIDER]\r\nP0=Flatrate_Plus,FLAT0001\r\n");
  auto dlg = ConnectionList();
  EXPECT_EQ("FEHLER!", List(*dlg)->topLevelItem(2)->text(4).toStdString());
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
  EXPECT_EQ(std::make_tuple(3ul, "Wellenreiter Online"), std::make_tuple(saved.size(), saved.at(2).Provider));
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

TEST_F(TemplateEditorsTest, ImportingATariffAddsItsZones) {
  TTelefonyTemplateEditDlg dlg(LoadPhoneTariffList(), {});
  dlg.show();
  script.Then("dudode::TPhoneProvidersTarifSelectDlg", [](QDialog& d) {
    auto* tree = Find<QTreeWidget>(d, "TarifTV");
    tree->setCurrentItem(tree->topLevelItem(0));
    Click(d, "OKBtn");
  });
  Click(dlg, "ImportBtn");
  EXPECT_EQ(LoadPhoneTariffList()[0].ZoneNames.size(),
            static_cast<std::size_t>(List(dlg)->topLevelItemCount()));
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
  std::tie(t.CityPlus, t.TenPlusFrom, t.TenPlusRate, t.InstantActive) = std::make_tuple(1, 300, 0.10, 1);
  TModalScript script;
  script.Then(kDiscountDlg, [](QDialog& dlg) {
    auto text = [&](const char* name) { return Find<QLabel>(dlg, name)->text().remove('&').toStdString(); };
    EXPECT_EQ("Rabatt für Verbindungen: 10%", text("RabattLabel"));
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

TEST(SR10plusDlgTest, CancelledDiscountDialogLeavesTheTemplate) {
  TConnectionTemplate t;
  t.InstantActive = 1;
  TConnectionDefaultsEditDlg dlg(t, {}, {}, nullptr);
  auto* weekend = Find<QCheckBox>(dlg, "CityWeekendChkBox");
  TModalScript script;
  script.Then(kDiscountDlg, [](QDialog& d) { Click(d, "CancelBtn"); });
  QTest::keyClick(weekend, Qt::Key_Space);
  Click(dlg, "RabattBtn");
  QTest::keyClick(weekend, Qt::Key_Space);
  EXPECT_EQ(1, dlg.Template().InstantActive);
}

}  // namespace
}  // namespace dudode::test
