// Every dialog of the program, worked against the keyboard rules all dialogs
// share. A dialog class without a row here fails the test.
#include <filesystem>
#include <fstream>
#include <regex>

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
#include "tools/TarifLintDlg.h"
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
  const char* FirstFocus;     // object name
  const char* Grows = "";     // the list, grid or picture that grows with the dialog
  bool Help = true;           // a note to wait has no page
  const char* ReturnOn = "";  // a button Return must click, and only it
  const char* Opens = "";     // the dialog that click opens
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
      {Make<TFreeHoursRangeDlg>(TFreeHoursRangeArray{{4, 18 * 3600, 7 * 3600, 60}}), "AllDayBox", "RangeList",
       true, "OKBtn"},
      {Make<TFreeHoursRangeEditDlg>(NewRangeForm(), false), "TimeFromEdit"},
      {Make<TNewEditProvEntryDlg>(NewProvEntryForm(), QStringLiteral("Neuer Eintrag")), "TimeFromEdit"},
      {Make<TNewEditProviderDlg>(NewProviderForm({}), QStringLiteral("Neuer Provider")), "ProvNameEdit"},
      {Make<TProviderFileSelectDlg>(), "ProviderList", "ProviderList"},
      {Make<TProvidersDlg>(std::string("UserProv.ini"), TProviderList{}, 100), "ProviderBox", "ProvGrid1"},
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
      {Make<TCfg10plusDlg>(std::ref(TenPlusLines())), "TarifCheckLB", "TarifCheckLB", true, "ExceptionsBtn",
       "dudode::TCfg10plusExceptionsDlg"},
      {Make<TCoverageDlg>(Document().Zones[0], TCoverageDlg::TSelectEntry([](TDayClass, int) {})),
       "WerktagView", "WerktagView"},
      {Make<TFeiertagEditDlg>(std::vector<TFeiertag>{}), "FListBox", "FListBox"},
      {Make<TNFeiertagDlg>(QStringLiteral("Neuer Feiertag"), std::string("01.01.")), "FEdit"},
      {[] { return std::unique_ptr<QDialog>(new TImportFormDlg(Document())); }, "OpenListBox"},
      {Make<TTarifImportDlg>(std::vector<std::string>{"City", "Fernzone"}), "TarifLB", "TarifLB"},
      {Make<TTarifCheckDlg>(TTarifEntryList{}, TTarifEntryList{}), "CancelBtn"},
      {Make<TTarifLintDlg>(std::vector<TLintFinding>{TLintFinding{}},
                           TTarifLintDlg::TSelectFinding([](const TLintFinding&) {})),
       "FindingsList", "FindingsList"},
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
  for (const auto& [name, base] : bases)
    for (std::string b = base; !b.empty() && !dialogs.count(name); b = bases.count(b) ? bases[b] : "")
      if (b == "QDialog") dialogs.insert(name);
  return dialogs;
}

bool InsideField(const QWidget* w, const QWidget* dialog) {
  for (const QWidget* p = w->parentWidget(); p && p != dialog; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
        qobject_cast<const QAbstractScrollArea*>(p))
      return true;
  return false;
}

std::string Name(const QWidget* w) {
  return w ? w->objectName().toStdString() : std::string();
}

// Focus, help page, size, mnemonics, Tab chain and Return on the shown dialog.
void CheckShown(QDialog& dialog, const TRow& row) {
  const std::string name = dialog.metaObject()->className();
  SCOPED_TRACE(name);
  EXPECT_EQ(row.FirstFocus, Name(QApplication::focusWidget()));
  EXPECT_EQ(row.Help, !HelpPageFor(name).empty());
  EXPECT_TRUE(dialog.width() <= 1024 && dialog.height() <= 740);
  // Day buttons in a row and buttons without a letter ("...", ">>") take no mnemonic.
  std::map<QChar, QString> taken;
  auto mnemonic = [&taken](const QString& text) {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("&([^&])")).match(text);
    EXPECT_TRUE(m.hasMatch()) << "no mnemonic: " << text.toStdString();
    const QChar letter = m.hasMatch() ? m.captured(1).toLower().front() : QChar();
    EXPECT_TRUE(!m.hasMatch() || taken.emplace(letter, text).second) << text.toStdString() << " twice";
  };
  for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
    if (b->isVisibleTo(&dialog) && !InsideField(b, &dialog) &&
        !(qobject_cast<QToolButton*>(b) && b->isCheckable()) &&
        b->text().contains(QRegularExpression(QStringLiteral("\\w"))))
      mnemonic(b->text());
  for (QLabel* l : dialog.findChildren<QLabel*>())
    if (l->buddy() && l->isVisibleTo(&dialog)) mnemonic(l->text());
  if (*row.Grows) {
    QWidget* grows = dialog.findChild<QWidget*>(row.Grows);
    const int before = grows->width() + grows->height();
    dialog.resize(dialog.size() + QSize(80, 80));
    QApplication::processEvents();
    EXPECT_GT(grows->width() + grows->height(), before);
  }
  // The Tab chain reaches every enabled control (of radio buttons the checked one).
  std::set<QWidget*> reached;
  QWidget* start = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
  for (QWidget* at = start; reached.insert(at).second;) at = at->nextInFocusChain();
  for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>())
    EXPECT_FALSE(view->tabKeyNavigation());
  for (QWidget* w : dialog.findChildren<QWidget*>())
    if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible() && w->isEnabled() &&
        !InsideField(w, &dialog) &&
        !(qobject_cast<QRadioButton*>(w) && !static_cast<QRadioButton*>(w)->isChecked())) {
      EXPECT_TRUE(reached.count(w)) << "not reached by Tab: " << Name(w);
    }
  // Return presses no button by itself but the confirm button; on a focused one it is that click alone.
  std::map<QPushButton*, std::unique_ptr<QSignalSpy>> clicks;
  for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
    EXPECT_FALSE(b->autoDefault()) << Name(b);
    clicks[b] = std::make_unique<QSignalSpy>(b, &QPushButton::clicked);
  }
  if (!*row.ReturnOn) return;
  if (auto* list = dialog.findChild<QListWidget*>("TarifCheckLB")) list->setCurrentRow(0);
  QWidget* button = dialog.findChild<QWidget*>(row.ReturnOn);
  button->setFocus(Qt::TabFocusReason);
  QTest::keyClick(button, Qt::Key_Return);
  for (const auto& [b, spy] : clicks) EXPECT_EQ(b == button ? 1 : 0, spy->count()) << Name(b);
}

TEST(DialogContractTest, EveryDialogKeepsTheKeyboardRules) {
  test::TScriptedMessageBoxes boxes;
  boxes.AcceptAll(idNo);
  std::set<std::string> covered;
  for (const TRow& row : Rows()) {
    std::unique_ptr<QDialog> dialog = row.Build();
    test::TModalScript script;
    // Opened and left with Escape, it closes without a question.
    script.Then(dialog->metaObject()->className(), [&boxes](QDialog& shown) {
      const std::size_t before = boxes.Boxes().size();
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &shown, Qt::Key_Escape);
      EXPECT_EQ(std::tuple(false, before), std::tuple(shown.isVisible(), boxes.Boxes().size()))
          << "Escape: " << shown.metaObject()->className();
    });
    RunModal(*dialog);
    dialog = row.Build();
    for (const QMetaObject* m = dialog->metaObject(); m; m = m->superClass())
      covered.insert(QString::fromLatin1(m->className()).remove(QStringLiteral("dudode::")).toStdString());
    script.Then(dialog->metaObject()->className(), [&row](QDialog& shown) { CheckShown(shown, row); });
    if (*row.Opens) script.Then(row.Opens, [](QDialog&) {});
    RunModal(*dialog);
  }
  const std::set<std::string> dialogs = DialogClassesInSources();
  for (const std::string& name : dialogs)
    EXPECT_TRUE(covered.count(name)) << "dialog without a row: " << name;
  EXPECT_EQ(Rows().size() + 2, dialogs.size());  // two bases: the template list, the list window
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
    for (bool stays : {true, false}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      EXPECT_EQ(stays, shown.isVisible());
    }
  });
  EXPECT_EQ(QDialog::Rejected, RunModal(dialog));
}

}  // namespace
}  // namespace dudode
