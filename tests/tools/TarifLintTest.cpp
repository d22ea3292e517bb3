// The plausibility check: one row per kind of finding, and rows that must
// pass without one.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/RegionalSettings.h"
#include "tools/TarifLint.h"

namespace dudode {
namespace {

// "23456 0.04 08:00-15:59 0101-3112 Tag": day codes ("-" for none), price,
// times (the end minute included), validity dates, name; "Takt0" after the
// name gives a fixed-unit entry.
TTarifEntry E(const std::string& text) {
  std::istringstream in(text);
  std::string days, price, times, dates, name, fixed;
  in >> days >> price >> times >> dates >> name >> fixed;
  TTarifEntry e;
  e.Weekdays = days == "-" ? 0 : ParseWeekdays(days);
  e.PricePerUnit = ParseNumber(price);
  e.StartSec = ParseTimeText(times.substr(0, 5) + ":00");
  e.EndSec = ParseTimeText(times.substr(6, 5) + ":59");
  e.DateFrom = dates.substr(0, 4);
  e.DateTo = dates.substr(5, 4);
  e.Name = name;
  e.Takt = fixed == "Takt0" ? 0 : 60;
  e.Units = fixed == "Takt0" ? 2 : 0;
  return e;
}

const std::string kTag = "23456 0.06 08:00-15:59 0101-3112 Tag";
const std::string kAbend = "23456 0.04 16:00-23:59 0101-3112 Abend";
const std::string kWeekend = "17 0.03 00:00-23:59 0101-3112 Wochenende";
const std::string kFeiertag = "178 0.03 00:00-23:59 9999-9999 Feiertag";
const std::string kSep = kAccessSeparator;

TEST(TarifLintTest, FindsWhatIsValidButProbablyWrong) {
  SetRegional(RegionalSettings::German());
  struct Case {
    const char* what;
    std::vector<std::string> werktag, saso;
    std::vector<std::string> expected;
    std::vector<std::string> holidays = {"0101", "2512"};
    TAccessInfos access = {};
    std::vector<TAppEntry> apps = {};
  } cases[] = {
      {"adjacent windows, a holiday entry beside the weekend", {kTag, kAbend}, {kWeekend, kFeiertag}, {}},
      {"overlap: first shared day after the holiday, first shared minute",
       {kTag, "23456 0.04 15:00-23:59 0101-3112 Abend"},
       {},
       {"„City“, Werktag: Die Tarife „Tag“ und „Abend“ gelten beide am 02.01. um 15:00 Uhr."}},
      {"overlap of a one-day window",
       {kTag, kAbend, "23456 0.05 12:00-18:59 2412-2412 Heiligabend"},
       {},
       {"„City“, Werktag: Die Tarife „Tag“ und „Heiligabend“ gelten beide am 24.12. um 12:00 Uhr.",
        "„City“, Werktag: Die Tarife „Abend“ und „Heiligabend“ gelten beide am 24.12. um 16:00 Uhr."}},
      {"different weekdays do not overlap",
       {"2345 0.06 08:00-15:59 0101-3112 Tag", "6 0.05 08:00-15:59 0101-3112 Fr"},
       {},
       {}},
      {"a weekend entry with Fei meets the holiday entry on the holidays",
       {},
       {"178 0.03 00:00-23:59 0101-3112 Wochenende", kFeiertag},
       {"„City“, Sa./So./Feiertag: Die Tarife „Wochenende“ und „Feiertag“ gelten beide am 01.01. um 00:00 "
        "Uhr."}},
      {"CityWeekend is an alternative, two of them overlap",
       {},
       {kWeekend, "17 0.02 00:00-23:59 8888-8888 CityWeekend", "17 0.02 10:00-11:59 8888-8888 CW2"},
       {"„City“, Sa./So./Feiertag: Die Tarife „CityWeekend“ und „CW2“ gelten beide am 02.01. um 10:00 Uhr."}},
      {"price in cents: 20 times the median and more",
       {kTag, kAbend, "23456 4.00 00:00-07:59 0101-3112 Nacht"},
       {kWeekend},
       {"„City“, Werktag: Der Tarif „Nacht“ kostet 4,0000 € pro Einheit, das 80-Fache des mittleren "
        "Preises der Tarifzone (0,0500 €). Ist der Preis in Cent statt in Euro angegeben?"}},
      {"exactly a twentieth of the median",
       {kTag, kAbend},
       {"17 0.0020 00:00-23:59 0101-3112 Billig"},
       {"„City“, Sa./So./Feiertag: Der Tarif „Billig“ kostet 0,0020 € pro Einheit, nur 1/20 des mittleren "
        "Preises der Tarifzone (0,0400 €). Ist der Preis zu klein angegeben?"}},
      {"a free entry of price 0 and a fixed-unit entry",
       {kTag, kAbend},
       {"1 0 00:00-23:59 0101-3112 Frei", "7 0.05 00:00-23:59 0101-3112 Pauschal Takt0"},
       {}},
      {"two prices give no median rule", {kTag}, {"17 6.00 00:00-23:59 0101-3112 Teuer"}, {}},
      {"never: no weekday, window across the new year, holiday-only without holidays",
       {"- 0.06 00:00-07:59 0101-3112 Leer", "23456 0.06 08:00-23:59 0112-3101 Winter"},
       {kFeiertag},
       {"„City“, Werktag: Der Tarif „Leer“ gilt nie: es ist kein Wochentag gewählt.",
        "„City“, Werktag: Der Tarif „Winter“ gilt nie: sein Gültigkeitszeitraum 01.12. / 31.01. enthält "
        "keinen Tag "
        "(ein Zeitraum über den Jahreswechsel muss auf zwei Tarife verteilt werden).",
        "„City“, Sa./So./Feiertag: Der Tarif „Feiertag“ gilt nur an Feiertagen, aber die Tarifdatei nennt "
        "keinen "
        "Feiertag."},
       {}},
      {"never: a weekday entry whose days are all holidays",
       {"23456 0.06 00:00-23:59 2512-2512 Weihnachten"},
       {},
       {"„City“, Werktag: Der Tarif „Weihnachten“ gilt an keinem Tag: seine Wochentage passen zu keinem Tag "
        "seines "
        "Gültigkeitszeitraums 25.12. / 25.12. (Feiertage gelten nur für Tarife mit „Fei“)."}},
      {"a holiday twice, also with separators",
       {},
       {},
       {"Feiertage: Der Feiertag 25.12. steht zweimal in der Liste (an Stelle 1 und 3)."},
       {"2512", "0101", "25.12."}},
      {"a TAPI name twice",
       {},
       {},
       {"Anwendungen: Der TAPI-Name „FAX“ steht zweimal in der Tabelle („Fax“ und „Fax neu“); "
        "die Datei behält nur eine der beiden Anwendungen."},
       {"0101"},
       {},
       {{"FAX", "Fax"}, {"DFUE", "DFÜ"}, {"fax", "Fax neu"}}},
      {"user name and password without number",
       {},
       {},
       {"„City“, Internetzugang: Zugang 1 nennt einen Benutzernamen, aber keine Rufnummer.",
        "„City“, Internetzugang: Zugang 3 nennt einen Benutzernamen und ein Kennwort, aber keine Rufnummer."},
       {"0101"},
       {"#0191012", "gast" + kSep + kSep + "x", kSep + kSep + "y"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TTarifFile doc;
    TKeyAndName& zone = doc.Zones.emplace_back();
    zone.SetMenuCaption("City");
    for (const std::string& e : c.werktag) zone.Werktag.push_back(E(e));
    for (const std::string& e : c.saso) zone.SaSo.push_back(E(e));
    zone.Access = c.access;
    for (const std::string& h : c.holidays) doc.Holidays.push_back({h});
    doc.Applications = c.apps;
    std::vector<std::string> lines;
    for (const TLintFinding& f : LintTarifFile(doc)) lines.push_back(LintLine(f));
    EXPECT_EQ(lines, c.expected);
  }
}

}  // namespace
}  // namespace dudode
