// The options dialog and the cent-to-euro converter, worked as a user would.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "tools/TarifOptionsDlg.h"
#include "ui/CentEuroDlg.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

using test::Click;
using test::Enter;
using test::Find;
using test::Leave;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

const TDateTime kToday{2024, 3, 15, 10, 30, 0};

TTarifFile Document() {
  TTarifFile doc;
  doc.Description = "Stadt Tarif";
  doc.FileDate = "12/24/1999";
  doc.BaseConnectPrice = 0.06;
  doc.Price = 0.12;
  doc.Takt = 60;
  doc.CityWeekend = false;
  doc.AccessCode = "01050";
  doc.WWW = "www.example.de";
  doc.Zones.resize(3);
  return doc;
}

// Shows the options dialog filled from doc, works it, and returns the
// options when confirmed.
std::optional<TTarifOptions> WorkOptions(const TTarifFile& doc, const std::function<void(QDialog&)>& step) {
  TModalScript script;
  script.Then("dudode::TTarifOptionsDlg", step);
  TTarifOptionsDlg dlg;
  dlg.Fill(doc, kToday);
  if (RunModal(dlg) != QDialog::Accepted) return std::nullopt;
  return dlg.Options();
}

TEST(TarifOptionsDlgTest, ShowsTheDocument) {
  WorkOptions(Document(), [](QDialog& dlg) {
    EXPECT_EQ(QStringLiteral("Optionen der Tarifdatei anpassen"), dlg.windowTitle());
    EXPECT_EQ(0, Find<QTabWidget>(dlg, "PageControl")->currentIndex());
    EXPECT_EQ(QStringLiteral("Stadt Tarif"), Find<QLineEdit>(dlg, "FileNameEdit")->text());
    EXPECT_EQ(QStringLiteral("0,0600"), Find<QLineEdit>(dlg, "BaseValueEdit")->text());
    EXPECT_EQ(QStringLiteral("0,1200"), Find<QLineEdit>(dlg, "PriceEdit")->text());
    EXPECT_EQ(QStringLiteral("60,0000"), Find<QLineEdit>(dlg, "TaktEdit")->text());
    EXPECT_EQ(QStringLiteral("24.12.1999"), Find<QLineEdit>(dlg, "LastEditDate")->text());
    EXPECT_TRUE(Find<QLineEdit>(dlg, "LastEditDate")->isReadOnly());
    EXPECT_EQ(QStringLiteral("3"), Find<QLineEdit>(dlg, "ZoneCount")->text());
    EXPECT_EQ(QStringLiteral("€"), Find<QLabel>(dlg, "CurrencyLabel1")->text());
    EXPECT_EQ(QStringLiteral("€"), Find<QLabel>(dlg, "CurrencyLabel2")->text());
    EXPECT_FALSE(Find<QCheckBox>(dlg, "CWChckBox2431")->isChecked());
    EXPECT_EQ(QStringLiteral("www.example.de"), Find<QLineEdit>(dlg, "WWWEdit")->text());
    Click(dlg, "CloseBtn");
  });
}

// Only digits fit the network code field; the stored form is the options' own matter.
TEST(TarifOptionsDlgTest, NetworkCodeTakesDigitsOnly) {
  TTarifFile doc = Document();
  auto options = WorkOptions(doc, [&](QDialog& dlg) {
    auto* edit = Find<QLineEdit>(dlg, "AccessCodeEdit");
    Type(edit, "1050");
    QTest::keyClick(edit, Qt::Key_A);
    Leave(edit);
    EXPECT_EQ(QStringLiteral("1050"), edit->text());
    Click(dlg, "ApplyBtn");
  });
  ASSERT_TRUE(options);
  ApplyOptions(doc, *options);
  EXPECT_EQ("01050", doc.AccessCode);
}

TEST(TarifOptionsDlgTest, SemicolonCannotBeTypedIntoAnyTextField) {
  WorkOptions(Document(), [](QDialog& dlg) {
    for (const char* name :
         {"FileNameEdit", "WWWEdit", "HotlineEdit", "EMAILEdit", "CommentEdit", "CopyrightEdit"}) {
      SCOPED_TRACE(name);
      auto* edit = Find<QLineEdit>(dlg, name);
      Type(edit, "a;b");
      EXPECT_EQ(QStringLiteral("ab"), edit->text());
      edit->selectAll();
      edit->insert(QStringLiteral("c;d"));  // as a paste would
      Q_EMIT edit->textEdited(edit->text());
      EXPECT_EQ(QStringLiteral("cd"), edit->text());
    }
    Click(dlg, "CloseBtn");
  });
}

TEST(TarifOptionsDlgTest, PriceFieldRefusesWhatIsNoNumber) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Nur Ziffern von \"0\" .. \"9\" und \",\" erlaubt!")
      .Expect("Nur Ziffern von \"0\" .. \"9\" und \",\" erlaubt!");
  auto options = WorkOptions(Document(), [](QDialog& dlg) {
    auto* price = Find<QLineEdit>(dlg, "PriceEdit");
    Enter(price);
    price->selectAll();
    QTest::keyClick(price, Qt::Key_Delete);
    QTest::keyClicks(price, "0x.2-5");
    EXPECT_EQ(QStringLiteral("0,25"), price->text());
    Click(dlg, "ApplyBtn");
  });
  ASSERT_TRUE(options);
  EXPECT_DOUBLE_EQ(0.25, options->Price);
  EXPECT_EQ(mkFehler, boxes.Boxes().at(0).Kind);
}

TEST(TarifOptionsDlgTest, EnterMovesToTheNextControlAndCloseDiscards) {
  auto options = WorkOptions(Document(), [](QDialog& dlg) {
    auto* name = Find<QLineEdit>(dlg, "FileNameEdit");
    Enter(name);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible()) << "Enter does not confirm";
    EXPECT_NE(name, QApplication::focusWidget());
    QWidget* box = Find<QWidget>(dlg, "CWChckBox2431");
    Enter(box);
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClick(&dlg, Qt::Key_Escape);
  });
  EXPECT_FALSE(options) << "Escape closes without taking anything";
}

TEST(CentEuroDlgTest, ConvertsCentsIntoTheFocusedNumberField) {
  QWidget owner;
  auto* price = new TNumberEdit(&owner);
  price->SetValue(1);
  auto* text = new QLineEdit(&owner);
  struct Case {
    QWidget* focused;
    bool confirm;
    double after;
  } cases[] = {{price, true, 0.125}, {price, false, 0.125}, {text, true, 0.125}};
  for (const Case& c : cases) {
    TModalScript script;
    script.Then("dudode::TCentEuroDlg", [&](QDialog& dlg) {
      EXPECT_EQ(QStringLiteral("Cent in Euro Umrechnung"), dlg.windowTitle());
      EXPECT_EQ(QStringLiteral("0,0000"), Find<QLineEdit>(dlg, "EuroEdit")->text());
      Type(Find<QLineEdit>(dlg, "CentEdit"), "12,5");
      EXPECT_EQ(QStringLiteral("0,1250"), Find<QLineEdit>(dlg, "EuroEdit")->text());
      if (c.confirm) {
        QTest::keyClick(Find<QLineEdit>(dlg, "CentEdit"), Qt::Key_Return);  // Enter confirms
      } else {
        Click(dlg, "CancelBtn");
      }
    });
    EXPECT_EQ(c.confirm && c.focused == price, ConvertCentsIntoField(c.focused, &owner));
    EXPECT_DOUBLE_EQ(c.after, price->Value());
  }
}

}  // namespace
}  // namespace dudode
