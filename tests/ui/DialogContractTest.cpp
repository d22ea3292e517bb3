// Every dialog of the program, worked against the keyboard rules all dialogs
// share. A dialog class without a row here fails the test.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>

#include "app/AboutBox.h"
#include "app/OpenDlg.h"
#include "app/PasswordEnterDlg.h"
#include "app/SaveDlg.h"
#include "help/HelpPages.h"
#include "providers/FreeHoursRangeDlg.h"
#include "providers/FreeHoursRangeEditDlg.h"
#include "providers/NewEditProvEntryDlg.h"
#include "providers/NewEditProviderDlg.h"
#include "providers/ProviderFileSelectDlg.h"
#include "providers/ProvidersDlg.h"
#include "providers/WaitForm.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "templates/ConnectionDefaultsEditDlg.h"
#include "templates/ConnectionTemplateEditDlg.h"
#include "templates/PhoneProvidersTarifSelectDlg.h"
#include "templates/SR10plusDlg.h"
#include "templates/TelefonyTemplateEditDlg.h"
#include "templates/TelephonyDefaultsEditDlg.h"
#include "tools/AppEditDlg.h"
#include "tools/Cfg10plusDlg.h"
#include "tools/Cfg10plusExceptionsDlg.h"
#include "tools/CoverageDlg.h"
#include "tools/FeiertagEditDlg.h"
#include "tools/ImportFormDlg.h"
#include "tools/TarifCheckDlg.h"
#include "tools/TarifOptionsDlg.h"
#include "tools/UstFormDlg.h"
#include "ui/CentEuroDlg.h"
#include "ui/DialogContract.h"
#include "zones/AccessInfosDlg.h"
#include "zones/NewEditEntryDlg.h"
#include "zones/NewEditTarifDlg.h"
#include "zones/NoCostEditDlg.h"
#include "zones/NoCostsDlg.h"
#include "zones/TarifSortDlg.h"

namespace dudode {
namespace {

using TFactory = std::function<std::unique_ptr<QDialog>()>;

struct TRow {
  TFactory Build;
  const char* FirstFocus;  // object name
  const char* Grows = "";  // the list, grid or picture that grows with the dialog
  bool Help = true;        // a note to wait has no page
};

TTarifFile& Document() {
  static TTarifFile document = [] {
    TTarifFile d;
    d.Zones.resize(1);
    d.Zones[0].Key = "CITY0001";
    d.Zones[0].DisplayName = "City";
    return d;
  }();
  return document;
}

std::vector<TTenPlusLine>& TenPlusLines() {
  static std::vector<TTenPlusLine> lines{{"City", false, {}, {}}, {"Region_50", true, {}, {}}};
  return lines;
}

template <typename T, typename... Args>
TFactory Make(Args... args) {
  return [=] { return std::unique_ptr<QDialog>(new T(args...)); };
}

const std::vector<TRow>& Rows() {
  static const std::vector<TRow> rows = {
      {Make<TAboutBox>(), "OKBtn"},
      {Make<TOpenDlg>(std::string()), "QuickSearchEdit", "OpenListBox"},
      {Make<TPasswordEnterDlg>(), "PasswordEdit"},
      {Make<TSaveDlg>(QStringLiteral("Speichern"), std::string("alt")), "FileNameEdit"},
      {Make<TFreeHoursRangeDlg>(TFreeHoursRangeArray{{4, 18 * 3600, 7 * 3600, 60}}), "AllDayBox",
       "RangeList"},
      {Make<TFreeHoursRangeEditDlg>(NewRangeForm(), false), "TimeFromEdit"},
      {Make<TNewEditProvEntryDlg>(NewProvEntryForm(), QStringLiteral("Neuer Eintrag")), "TimeFromEdit"},
      {Make<TNewEditProviderDlg>(NewProviderForm({}), QStringLiteral("Neuer Provider")), "ProvNameEdit"},
      {Make<TProviderFileSelectDlg>(), "ProviderList", "ProviderList"},
      {Make<TProvidersDlg>(std::string("UserProv.ini"), 100), "ProviderBox", "ProvGrid1"},
      {Make<TWaitForm>(QStringLiteral("Bitte warten")), "", "", false},
      {Make<TConnectionDefaultsEditDlg>(TConnectionTemplate{}, std::vector<TRatesFileInfo>{},
                                        std::vector<std::string>{}, nullptr),
       "ConnectionCB"},
      {Make<TConnectionTemplateEditDlg>(std::vector<TRatesFileInfo>{}, std::vector<std::string>{},
                                        TConnectionTemplateList{}),
       "ListView", "ListView"},
      {Make<TPhoneProvidersTarifSelectDlg>(std::vector<TRatesFileInfo>{}, std::string(), std::string()),
       "TarifTV"},
      {Make<TSR10plusDlg>(TDiscountPositions{}, true), "RActiveChkBox"},
      {Make<TTelefonyTemplateEditDlg>(std::vector<TRatesFileInfo>{}, TPhoneConnectionTemplateList{}),
       "ListView", "ListView"},
      {Make<TTelephonyDefaultsEditDlg>(TPhoneConnectionTemplate{}, std::vector<TRatesFileInfo>{}, nullptr),
       "AccessCodeCB"},
      {Make<TAppEditDlg>(std::vector<TAppEntry>{{"FAXPROGRAMM", "Fax"}}), "AppStrGrid", "AppStrGrid"},
      {Make<TAddEditAppDlg>(QStringLiteral("Neue Anwendung"), TAppForm{}), "ShortCutEdit"},
      {Make<TCfg10plusExceptionsDlg>(std::string("City"), std::vector<TNo10plusEntry>{},
                                     std::vector<TNo10plusEntry>{}),
       "ListView1"},
      {[] { return std::unique_ptr<QDialog>(new TCfg10plusDlg(TenPlusLines())); }, "TarifCheckLB",
       "TarifCheckLB"},
      {Make<TCoverageDlg>(Document().Zones[0], TCoverageDlg::TSelectEntry([](TDayClass, int) {})),
       "WerktagView", "WerktagView"},
      {Make<TFeiertagEditDlg>(std::vector<TFeiertag>{}), "FListBox", "FListBox"},
      {Make<TNFeiertagDlg>(QStringLiteral("Neuer Feiertag"), std::string("01.01.")), "FEdit"},
      {[] { return std::unique_ptr<QDialog>(new TImportFormDlg(Document())); }, "OpenListBox"},
      {Make<TTarifImportDlg>(std::vector<std::string>{"City", "Fernzone"}), "TarifLB", "TarifLB"},
      {Make<TTarifCheckDlg>(TTarifEntryList{}, TTarifEntryList{}), "CancelBtn"},
      {Make<TTarifOptionsDlg>(), "FileNameEdit"},
      {[] { return std::unique_ptr<QDialog>(new TUstFormDlg(Document())); }, "OldUstEdit"},
      {Make<TCentEuroDlg>(), "CentEdit"},
      {Make<TAccessInfosDlg>(TAccessInfos{}), "LV", "LV"},
      {Make<TAccessInfoEditDlg>(TAccessLine{}), "PhoneNrEdit"},
      {Make<TNewEditEntryDlg>(NewEntryForm(TTarifFile{}, TDayClass::Werktag), QStringLiteral("Tarif")),
       "PriceEdit"},
      {Make<TNewEditTarifDlg>(NewZoneForm(TTarifFile{})), "TarifName"},
      {Make<TNoCostEditDlg>(TNoCostEditForm{}), "TimeFrom"},
      {Make<TNoCostsDlg>(std::vector<TFreeTimeEntry>{}, std::vector<TFreeTimeEntry>{}), "WList", "Pages"},
      {Make<TTarifSortDlg>(ZoneOrderFormFor(Document())), "SrcList", "SrcList"},
  };
  return rows;
}

// The classes derived from QDialog in the sources, directly or not.
std::set<std::string> DialogClassesInSources() {
  std::map<std::string, std::string> bases;
  const std::regex declaration(R"(class\s+(T\w+)\s*(?:final\s*)?:\s*public\s+(\w+))");
  for (const auto& file : std::filesystem::recursive_directory_iterator(DUDODE_SOURCE_DIR)) {
    if (file.path().extension() != ".h") continue;
    std::ifstream in(file.path());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (std::sregex_iterator it(text.begin(), text.end(), declaration), end; it != end; ++it)
      bases[(*it)[1]] = (*it)[2];
  }
  std::set<std::string> dialogs;
  for (const auto& [name, base] : bases) {
    for (std::string b = base; !b.empty(); b = bases.count(b) ? bases[b] : std::string()) {
      if (b == "QDialog") dialogs.insert(name);
      if (b == "QDialog") break;
    }
  }
  return dialogs;
}

bool InsideField(const QWidget* w, const QWidget* dialog) {
  for (const QWidget* p = w->parentWidget(); p && p != dialog; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
        qobject_cast<const QAbstractScrollArea*>(p))
      return true;
  return false;
}

QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '&' && text[i + 1] != '&') return text[i + 1].toLower();
    if (text[i] == '&') ++i;
  }
  return {};
}

QString Name(const QWidget* w) {
  return w ? QString::fromLatin1(w->metaObject()->className()) + '/' + w->objectName() : QStringLiteral("-");
}

// Points 1-3 and 5-7 on the shown dialog.
void CheckShown(QDialog& dialog, const TRow& row) {
  const std::string name = dialog.metaObject()->className();
  SCOPED_TRACE(name);
  // 1: the first focus.
  EXPECT_EQ(row.FirstFocus, Name(QApplication::focusWidget()).section('/', 1).toStdString())
      << Name(QApplication::focusWidget()).toStdString();
  // 3: no button presses itself by Return but the confirm button.
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    EXPECT_FALSE(b->autoDefault()) << Name(b).toStdString();
  // 5: mnemonics, unique in the dialog.
  std::map<QChar, QString> taken;
  auto mnemonic = [&](QWidget* w, const QString& text) {
    const QChar m = Mnemonic(text);
    EXPECT_FALSE(m.isNull()) << "no mnemonic: " << text.toStdString();
    if (m.isNull()) return;
    EXPECT_EQ(0u, taken.count(m)) << text.toStdString() << " and " << taken[m].toStdString();
    taken[m] = text;
    (void)w;
  };
  // Day buttons in a row and buttons without a letter ("...", ">>") take none.
  for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
    if (b->isVisibleTo(&dialog) && !InsideField(b, &dialog) &&
        !(qobject_cast<QToolButton*>(b) && b->isCheckable()) &&
        b->text().contains(QRegularExpression(QStringLiteral("\\w"))))
      mnemonic(b, b->text());
  for (QLabel* l : dialog.findChildren<QLabel*>())
    if (l->buddy() && l->isVisibleTo(&dialog)) mnemonic(l, l->text());
  // 6: a help page.
  EXPECT_EQ(row.Help, !HelpPageFor(name).empty());
  // 7: fits the smallest screen; what it shows grows with it.
  EXPECT_LE(dialog.width(), 1024);
  EXPECT_LE(dialog.height(), 740);
  if (*row.Grows) {
    QWidget* grows = dialog.findChild<QWidget*>(row.Grows);
    ASSERT_NE(nullptr, grows) << row.Grows;
    const QSize before = grows->size();
    dialog.resize(dialog.size() + QSize(80, 80));
    QApplication::processEvents();
    EXPECT_GT(grows->width() + grows->height(), before.width() + before.height());
  }
  // 2: the Tab chain reaches every enabled control (of a group of radio
  // buttons the checked one).
  std::vector<QWidget*> expected;
  for (QWidget* w : dialog.findChildren<QWidget*>())
    if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible() && w->isEnabled() &&
        !InsideField(w, &dialog) &&
        !(qobject_cast<QRadioButton*>(w) && !static_cast<QRadioButton*>(w)->isChecked()))
      expected.push_back(w);
  std::set<QWidget*> reached;
  QWidget* start = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
  QWidget* at = start;
  do {
    reached.insert(at);
    at = at->nextInFocusChain();
  } while (at != start);
  for (QWidget* w : expected)
    EXPECT_TRUE(reached.count(w)) << "not reached by Tab: " << Name(w).toStdString();
}

TEST(DialogContractTest, EveryDialogKeepsTheKeyboardRules) {
  test::TScriptedMessageBoxes boxes;
  boxes.AcceptAll(idNo);
  std::set<std::string> covered;
  for (const TRow& row : Rows()) {
    // 4: opened and left with Escape, it closes without a question.
    {
      std::unique_ptr<QDialog> dialog = row.Build();
      test::TModalScript script;
      script.Then(dialog->metaObject()->className(), [&](QDialog& shown) {
        const std::size_t before = boxes.Boxes().size();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &shown, Qt::Key_Escape);
        EXPECT_EQ(std::tuple(false, before), std::tuple(shown.isVisible(), boxes.Boxes().size()))
            << "Escape: " << shown.metaObject()->className();
      });
      RunModal(*dialog);
    }
    std::unique_ptr<QDialog> dialog = row.Build();
    for (const QMetaObject* m = dialog->metaObject(); m; m = m->superClass())
      covered.insert(QString::fromLatin1(m->className()).remove(QStringLiteral("dudode::")).toStdString());
    test::TModalScript script;
    script.Then(dialog->metaObject()->className(), [&](QDialog& shown) { CheckShown(shown, row); });
    RunModal(*dialog);
  }
  std::size_t count = 0;
  for (const std::string& name : DialogClassesInSources()) {
    EXPECT_TRUE(covered.count(name)) << "dialog without a row: " << name;
    ++count;
  }
  EXPECT_EQ(Rows().size() + 1, count);  // the template list is the base of two rows
}

// The letter of common captions first, else the first free letter; a caption
// with a letter of its own keeps it.
TEST(DialogContractTest, MnemonicsAreChosenOncePerDialog) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"", "Übernehmen", "&Übernehmen"},
      {"", "Abbrechen", "Abbre&chen"},
      {"a", "Ausnahmen", "A&usnahmen"},
      {"", "Hin&zufügen...", "Hin&zufügen..."},
      {"", "Rabatt 10plus && mehr", "&Rabatt 10plus && mehr"},
      {"abcdefghijklmnopqrstuvwxyz0123456789äöüß", "ab", "ab"},
  };
  for (const auto& [used, text, expected] : cases) {
    QString taken = QString::fromUtf8(used);
    EXPECT_EQ(expected, WithMnemonic(QString::fromUtf8(text), taken).toStdString()) << text;
  }
}

// Return on a focused button is that button's click and nothing else.
TEST(DialogContractTest, ReturnOnAFocusedButtonClicksThatButtonAlone) {
  test::TScriptedMessageBoxes boxes;
  boxes.AcceptAll();
  const std::tuple<TFactory, const char*, const char*> cases[] = {
      {[] { return std::unique_ptr<QDialog>(new TCfg10plusDlg(TenPlusLines())); }, "ExceptionsBtn",
       "dudode::TCfg10plusExceptionsDlg"},
      {[] { return std::unique_ptr<QDialog>(new TUstFormDlg(Document())); }, "CalcBtn", ""},
      {Make<TNewEditProvEntryDlg>(NewProvEntryForm(), QStringLiteral("Neuer Eintrag")), "SaveBtn", ""},
      {Make<TFreeHoursRangeDlg>(TFreeHoursRangeArray{}), "OKBtn", ""},
      {Make<TFreeHoursRangeEditDlg>(NewRangeForm(), false), "SaveBtn", ""},
  };
  for (const auto& [build, buttonName, nested] : cases) {
    std::unique_ptr<QDialog> dialog = build();
    test::TModalScript script;
    script.Then(dialog->metaObject()->className(), [&, buttonName = buttonName](QDialog& shown) {
      if (auto* list = shown.findChild<QListWidget*>("TarifCheckLB")) list->setCurrentRow(0);
      auto* button = test::Find<QPushButton>(shown, buttonName);
      std::map<QPushButton*, std::unique_ptr<QSignalSpy>> spies;
      for (QPushButton* b : shown.findChildren<QPushButton*>())
        spies[b] = std::make_unique<QSignalSpy>(b, &QPushButton::clicked);
      button->setFocus(Qt::TabFocusReason);
      QTest::keyClick(button, Qt::Key_Return);
      for (const auto& [b, spy] : spies)
        EXPECT_EQ(b == button ? 1 : 0, spy->count()) << Name(b).toStdString();
    });
    if (*nested) script.Then(nested, [](QDialog&) {});
    RunModal(*dialog);
  }
}

// Escape after a change asks; "Nein" keeps the dialog and what was typed.
TEST(DialogContractTest, EscapeAfterAChangeAsksBeforeItDiscards) {
  test::TScriptedMessageBoxes boxes;
  const std::string question = "Sollen die Änderungen verworfen werden?";
  boxes.Expect(question, idNo, "Cent in Euro Umrechnung").Expect(question, idYes);
  TCentEuroDlg dialog;
  test::TModalScript script;
  script.Then("dudode::TCentEuroDlg", [](QDialog& shown) {
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(shown.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(shown.isVisible());
  });
  EXPECT_EQ(QDialog::Rejected, RunModal(dialog));
}

}  // namespace
}  // namespace dudode
