#include "templates/ProviderPage.h"

#include <cstdlib>

#include "core/Files.h"
#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "core/Values.h"
#include "templates/ConnectionForm.h"

namespace dudode {
namespace {

// 0 for Sunday, as the day names count.
int DayOfWeek(int year, int month, int day) {
  static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) --year;
  return (year + year / 4 - year / 100 + year / 400 + offsets[(month + 11) % 12] + day) % 7;
}

std::string Row(const TProviderPageRow& row) {
  return "<tr><td width=\"25%\">" + HtmlEscape(row.Name) + "</td><td width=\"25%\"><b>Tarifstruktur:</b> " +
         HtmlEscape(row.Tariff) + "<p><b>Tarifzone:</b> " + HtmlEscape(row.Zone) + "</td><td width=\"25%\">" +
         HtmlEscape(row.Provider) + "</td></tr>";
}

}  // namespace

std::vector<TProviderPageRow> ConnectionPageRows(const TConnectionTemplateList& templates,
                                                 const std::vector<TRatesFileInfo>& tariffs,
                                                 const std::vector<std::string>& providerNames) {
  std::vector<TProviderPageRow> rows;
  for (const auto& t : templates) {
    const std::string provider = ProviderText(t, providerNames);
    rows.push_back({t.Name, TariffDescriptionText(tariffs, t.PhoneTarif), t.Zone,
                    provider.empty() ? std::string(kNoProviderText) : provider});
  }
  return rows;
}

std::vector<TProviderPageRow> PhonePageRows(const TPhoneConnectionTemplateList& templates,
                                            const std::vector<TRatesFileInfo>& tariffs) {
  std::vector<TProviderPageRow> rows;
  for (const auto& t : templates) {
    rows.push_back(
        {t.AccessCode, TariffDescriptionText(tariffs, t.PhoneTarif), t.Zone, std::string(kNoProviderText)});
  }
  return rows;
}

std::string HtmlEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string ProviderPageDate(const TDateTime& date) {
  const RegionalSettings& r = Regional();
  const int month = date.Month >= 1 && date.Month <= 12 ? date.Month : 1;
  return r.LongDayNames[static_cast<std::size_t>(DayOfWeek(date.Year, month, date.Day))] + ", " +
         TwoDigitText(date.Day) + r.DateSeparator + " " +
         r.LongMonthNames[static_cast<std::size_t>(month - 1)] + " " + FourDigitText(date.Year);
}

std::string FillProviderPage(const std::string& page, const std::vector<TProviderPageRow>& rows,
                             const TDateTime& date) {
  std::string text = page;
  if (const std::size_t at = text.find(kProvidersMarker); at != std::string::npos) {
    std::string html;
    for (const auto& row : rows) html += Row(row);
    text.insert(at, Utf8ToCp1252(html));
  }
  if (const std::size_t at = text.find(kDateMarker); at != std::string::npos) {
    text.replace(at, kDateMarker.size(), Utf8ToCp1252(ProviderPageDate(date)));
  }
  return text;
}

std::string ProviderPageDirectory() {
#ifdef _WIN32
  return "C:\\";
#else
  const char* home = std::getenv("HOME");
  std::string dir = home != nullptr ? home : "";
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
#endif
}

std::string ProviderPagePath() {
  return ProviderPageDirectory() + "providerinfos.htm";
}

std::string ProviderPageNotice() {
  return "Datei providerinfos.htm in " + ProviderPageDirectory();
}

bool WriteProviderPage(const std::vector<TProviderPageRow>& rows) {
  const std::string path = ProviderPagePath();
  std::string page;
  std::string error;
  if (!ReadWholeFile(path, page, &error)) {
    ShowMessageBox(
        "Die Seite " + path + " kann nicht gelesen werden (" + error + "). Es wurde nichts geschrieben.", {},
        mkFehler, mbOK);
    return false;
  }
  if (!AtomicWriteFile(path, FillProviderPage(page, rows, Now()), &error)) {
    ShowMessageBox(error, {}, mkFehler, mbOK);
    return false;
  }
  return true;
}

}  // namespace dudode
