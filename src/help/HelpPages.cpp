#include "help/HelpPages.h"

namespace dudode {

const std::vector<THelpPage>& HelpPages() {
  static const std::vector<THelpPage> pages = {
      {"index.html", "Inhalt", {}},
      {"erste-schritte.html", "Erste Schritte", {}},
      {"programmverzeichnis.html", "Das Programmverzeichnis", {}},
      {"begriffe.html", "Begriffe", {}},
      {"hauptfenster.html", "Das Hauptfenster", {"TMain"}},
      {"oeffnen.html", "Tarifdatei öffnen", {"TOpenDlg"}},
      {"speichern.html", "Speichern und Speichern unter", {"TSaveDlg"}},
      {"zugriffsschutz.html", "Zugriffsschutz", {"TPasswordEnterDlg"}},
      {"optionen.html", "Optionen der Tarifdatei", {"TTarifOptionsDlg"}},
      {"cent-euro.html", "Cent-Euro-Umrechner", {"TCentEuroDlg"}},
      {"tarifzone.html", "Tarifzone anlegen und ändern", {"TNewEditTarifDlg"}},
      {"kostenlose-zeiten.html", "Kostenlose Zeiten", {"TNoCostsDlg"}},
      {"kostenlose-zeit.html", "Eintrag einer kostenlosen Zeit", {"TNoCostEditDlg"}},
      {"zugangsdaten.html", "Zugangsdaten einer Tarifzone", {"TAccessInfosDlg", "TAccessInfoEditDlg"}},
      {"tarifeintrag.html", "Tarif hinzufügen und bearbeiten", {"TNewEditEntryDlg"}},
      {"zonen-anordnen.html", "Tarifzonen neu anordnen", {"TTarifSortDlg"}},
      {"tarife-ueberpruefen.html", "Tarife überprüfen", {"TTarifCheckDlg"}},
      {"tarifabdeckung.html", "Tarifabdeckung", {"TCoverageDlg"}},
      {"plausibilitaet.html", "Plausibilität prüfen", {"TTarifLintDlg"}},
      {"umsatzsteuer.html", "Umsatzsteueranpassung", {"TUstFormDlg"}},
      {"zehnplus.html", "10plus Rabatt zuweisen", {"TCfg10plusDlg"}},
      {"zehnplus-ausnahmen.html", "Ausnahmen vom 10plus Rabatt", {"TCfg10plusExceptionsDlg"}},
      {"sofortrabatt.html", "Rabatte einer Verbindung", {"TSR10plusDlg"}},
      {"feiertage.html", "Feiertage", {"TFeiertagEditDlg"}},
      {"feiertag.html", "Einen Feiertag eingeben", {"TNFeiertagDlg"}},
      {"anwendungen.html", "Anwendungen", {"TAppEditDlg"}},
      {"anwendung.html", "Eine Anwendung eingeben", {"TAddEditAppDlg"}},
      {"import.html", "Import aus einer anderen Tarifdatei", {"TImportFormDlg"}},
      {"import-tarifzonen.html", "Tarifzonen für den Import wählen", {"TTarifImportDlg"}},
      {"providerdatei.html", "Providerdatei wählen", {"TProviderFileSelectDlg"}},
      {"provider.html", "Provider bearbeiten", {"TProvidersDlg"}},
      {"provider-anlegen.html", "Provider anlegen und ändern", {"TNewEditProviderDlg"}},
      {"provider-tarif.html", "Tarif eines Providers", {"TNewEditProvEntryDlg"}},
      {"freistunden.html", "Gültigkeit der Freistunden", {"TFreeHoursRangeDlg"}},
      {"freistunden-bereich.html", "Einen Freistunden-Bereich eingeben", {"TFreeHoursRangeEditDlg"}},
      {"providervorlagen.html", "Providervorlagen bearbeiten", {"TConnectionTemplateEditDlg"}},
      {"providervorlage.html", "Eine Providervorlage eingeben", {"TConnectionDefaultsEditDlg"}},
      {"telefonievorlagen.html", "Telefonievorlagen bearbeiten", {"TTelefonyTemplateEditDlg"}},
      {"telefonievorlage.html", "Eine Telefonievorlage eingeben", {"TTelephonyDefaultsEditDlg"}},
      {"telefonie-tarifauswahl.html",
       "Telefonanbieter und Tarifzone wählen",
       {"TPhoneProvidersTarifSelectDlg"}},
      {"info.html", "Info", {"TAboutBox"}},
      {"dateiformate.html", "Die Dateiformate", {}},
      {"dudode-tarif.html", "Kommandozeilenwerkzeug dudode-tarif", {}},
  };
  return pages;
}

std::string HelpPageFor(const std::string& windowClass) {
  const std::size_t colon = windowClass.rfind("::");
  const std::string name = colon == std::string::npos ? windowClass : windowClass.substr(colon + 2);
  for (const THelpPage& page : HelpPages()) {
    for (const std::string& window : page.WindowClasses) {
      if (window == name) return page.File;
    }
  }
  return {};
}

}  // namespace dudode
