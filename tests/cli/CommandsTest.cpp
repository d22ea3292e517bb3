// The built dudode-tarif, each command once: exit status and the fields that tell it ran.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>

#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace dudode {
namespace {

using test::TCliRun;
using test::TestDataFile;
using test::TTempDir;

// "@" stands for the directory with all files, "~" for an empty one.
TCliRun RunIn(std::vector<std::string> args, const TTempDir& dir, const TTempDir& empty) {
  for (std::string& a : args) {
    if (!a.empty() && (a[0] == '@' || a[0] == '~')) a = (a[0] == '@' ? dir : empty).Dir() + a.substr(1);
  }
  TTempDir capture;
  return test::RunCli(DUDODE_TARIF_CLI, args, capture);
}

std::map<std::string, std::string> Files() {
  std::map<std::string, std::string> files = {{"RATES.3", "[COMMON]\r\n"}, {"Other.ini", "[PROVIDER]\r\n"}};
  for (const char* path :
       {"../../data/RATES.0", "../../data/RATES.1", "tools/RATES.5", "tarif/RATES.9", "tarif/Rates.hand",
        "providers/Provider.ini", "templates/ConnTemp.dat", "templates/PhoneTemp.dat"}) {
    files[std::filesystem::path(path).filename().string()] = TestDataFile(path);
  }
  return files;
}

// out: parts of standard output (none: it stays empty); err: a part of standard error
// ("": it stays empty, nullptr: not looked at); file: unchanged, or holding `holds`. Every
// message is one line "Titel: Text" on standard error, before any usage text.
TEST(CommandsTest, EveryCommandRunsWithItsExitStatus) {
  const std::regex kMessageLines(
      "((Fehler|Syntax Fehler|Information|Warnung|Bestätigung|Überprüfung der Tarife für Tarifzone [^:\n]+)"
      ": [^\n]+\n)*");
  const struct {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> out;
    const char* err = nullptr;
    const char* file = nullptr;
    const char* holds = nullptr;
  } cases[] = {
      // The JSON writer escapes quotes, backslashes and control characters and keeps undefined bytes.
      {{"dump", "@", "RATES.9"},
       0,
       {R"("Description": "Sonder\"zeichen \\ Test")", R"("WWW": "a\u0001b")", "\"Hotline\": \"\u0081\"",
        R"("Comment": "Tab\tdrin")", R"("DisplayName": "Zone_Ä")", R"("Relations": [0, 10])",
        R"("Weekdays": [2, 3, 4, 5, 6])", R"("SortKey": "0101 1231 09:00:00 17:59:59")",
        R"("Holidays": ["0101"])"},
       ""},
      {{"dump", "@", "rates.hand"}, 0, {R"("Name": "Haupt Zeit")"}, "( CITY0001WERKTAG ) ist nicht korrekt."},
      {{"resave", "@", "RATES.0", "--keep-date"}, 0, {}, "", "RATES.0"},
      {{"resave", "@", "RATES.1", "--keep-date"}, 0, {}, "", "RATES.1"},
      {{"resave", "@", "Rates.hand", "--keep-date"}, 0, {}, "CITY0001", "Rates.hand", "FILEDATE=02/29/2024"},
      {{"check", "@", "RATES.5"}, 1, {}, "Tarifzone Fern: Es existiert kein", "RATES.5"},
      {{"check", "--all", "@", "RATES.5"}, 1, {"Fern, Sa./So./Feiertag: 01.07.–31.12., 00:00–23:59\n"}},
      {{"check", "--json", "@", "RATES.5"}, 1, {"\"Name\": \"Fern\",\n    \"Complete\": false"}},
      {{"check", "--all", "--json", "@", "RATES.5"}, 1, {R"("From": "01.07.")", R"("End": "23:59")"}},
      {{"lint", "@", "RATES.1"}, 0, {}, ""},
      {{"lint", "@", "RATES.0"},
       1,
       {"„Fernzone“, Werktag: Die Tarife „Hauptzeit werktags“ und „Heiligabend“"},
       ""},
      {{"lint", "--json", "@", "RATES.5"}, 1, {R"("Kind": "price")", R"("List": "Sa./So./Feiertag")"}},
      {{"lint", "@", "RATES.7"}, 2, {}, "Datei nicht gefunden: "},
      {{"diff", "@", "RATES.5", "@", "RATES.5"}, 0, {}},
      {{"diff", "@", "RATES.5", "@", "RATES.7"}, 2, {}},
      {{"vat", "@", "RATES.5", "16", "19", "--keep-date"}, 0, {}, nullptr, "RATES.5", "1/2004"},
      {{"vat", "@", "RATES.5", "16", "19"}, 0, {}, "Information: Die Gebühren", "RATES.5", "PRICE=0.1231\r"},
      {{"vat", "@", "RATES.5", "16", "16"}, 0, {}, "Information: Nichts zu tun!\n", "RATES.5"},
      {{"vat", "@", "RATES.5", "16", "100"}, 2, {}, "von 1 bis 99 an.\n", "RATES.5"},
      {{"provider", "dump", "@", "PROVIDER.INI"}, 0, {R"("Name": "Netzwerk Süd")"}, nullptr, "Provider.ini"},
      {{"provider", "resave", "@", "Provider.ini"}, 0, {}, "", "Provider.ini", "[NETZ0001WERKTAG]\r"},
      {{"provider", "dump", "@", "Other.ini"}, 1, {}},
      {{"provider", "resave", "@", "Other.ini"}, 1, {}, nullptr, "Other.ini"},
      {{"provider", "dump", "~", "Provider.ini"}, 1, {}},
      {{"templates", "dump", "@"}, 0, {R"("AccessCode": "01019")", R"("TenPlusFrom": 600)"}, ""},
      {{"templates", "resave", "@"}, 0, {}, ""},
      {{"templates", "resave", "~"}, 0, {}, "Kann keine Telefontarifdateien finden!\n"},
      {{"--help"}, 0, {"  resave DIR FILE [--keep-date] ", "  templates resave DIR "}, ""},
      {{"--version"}, 0, {"dudode-tarif 3.10\n"}, ""},
      // Failures exit with 1, argument errors with 2 and the usage.
      {{"dump", "@missing", "RATES.3"}, 1, {}, "Fehler: Verzeichnis nicht gefunden: "},
      {{"resave", "@", "RATES.7"}, 1, {}, "Datei nicht gefunden: "},
      {{"dump", "@", "../RATES.3"}, 1, {}, "FILE muss ein Dateiname ohne Verzeichnis sein: ../RATES.3\n"},
      {{"check", "@", "RATES.3"}, 1, {}, "RATES.3 enthält keine Tarifzonen.\n"},
      {{"dump", "@", "RATES.F"}, 1, {}, "RATES.F ist keine gewöhnliche Datei und wird nicht gelesen.\n"},
      {{}, 2, {}, "Aufruf: dudode-tarif"},
      {{"bogus"}, 2, {}, "Aufruf: dudode-tarif"},
      {{"dump", "@"}, 2, {}, "Aufruf: dudode-tarif"},
      {{"dump", "@", "RATES.3", "extra"}, 2, {}, "Aufruf: dudode-tarif"},
      {{"resave", "@", "RATES.3", "--keepdate"}, 2, {}, "Aufruf: dudode-tarif"},
      {{"provider", "print", "@"}, 2, {}, "Unbekannter Befehl: provider"},
  };
  for (const auto& c : cases) {
    TTempDir dir, empty;
    const auto files = Files();
    for (const auto& [name, bytes] : files) dir.Write(name, bytes);
    ::mkfifo(dir.File("RATES.F").c_str(), 0600);  // neither hangs a reader nor is taken for a file
    std::filesystem::permissions(dir.File("RATES.9"), std::filesystem::perms::owner_read);
    SCOPED_TRACE(testing::PrintToString(c.args));
    const TCliRun run = RunIn(c.args, dir, empty);
    EXPECT_EQ(c.status, run.Status) << run.Err;
    EXPECT_TRUE(!c.out.empty() || run.Out.empty()) << run.Out;
    for (const std::string& part : c.out) EXPECT_NE(std::string::npos, run.Out.find(part)) << part;
    EXPECT_TRUE(!c.err || (*c.err ? run.Err.find(c.err) != std::string::npos : run.Err.empty())) << run.Err;
    const std::string messages = run.Err.substr(0, run.Err.find("Aufruf: "));
    EXPECT_TRUE(std::regex_match(messages, kMessageLines)) << messages;
    const std::string after = c.file ? dir.Read(c.file) : "";
    EXPECT_TRUE(!c.file || (c.holds ? after.find(c.holds) != std::string::npos : after == files.at(c.file)));
    EXPECT_TRUE(std::filesystem::is_empty(empty.Dir())) << "a missing file is not created";
    const auto perms = std::filesystem::status(dir.File("RATES.9")).permissions();
    EXPECT_TRUE(c.args.empty() || c.args[0] != "dump" || perms == std::filesystem::perms::owner_read);
  }
}

// The connection files cannot be replaced (a directory stands in the way), the
// telephony file can: the run still fails.
TEST(CommandsTest, TemplatesResaveFailsWhenOneOfItsFilesFails) {
  TTempDir dir, empty;
  for (const auto& [name, bytes] : Files()) dir.Write(name, bytes);
  std::filesystem::create_directories(dir.File("ConnTempEx.dat") + "/belegt");
  const TCliRun run = RunIn({"templates", "resave", "@"}, dir, empty);
  EXPECT_EQ(1, run.Status) << run.Err;
  EXPECT_EQ(Files().at("ConnTemp.dat"), dir.Read("ConnTemp.dat"));
}

// Without --keep-date only the date moves on; the file is found whatever the case.
TEST(CommandsTest, ResaveMovesOnlyTheDate) {
  TTempDir dir, empty;
  const std::string bytes = TestDataFile("tarif/RATES.42");
  dir.Write("RATES.42", bytes);
  EXPECT_EQ(0, RunIn({"resave", "@", "rates.42"}, dir, empty).Status);
  EXPECT_FALSE(dir.Exists("rates.42"));
  std::string resaved = dir.Read("RATES.42");
  const std::size_t date = bytes.find("FILEDATE=") + 9;
  EXPECT_NE(bytes.substr(date, 10), resaved.substr(date, 10));
  EXPECT_EQ(bytes, resaved.replace(date, 10, bytes, date, 10));
}

TEST(CommandsTest, DiffNamesEveryKindOfChange) {
  TTempDir dir, newer;
  dir.Write("RATES.5", TestDataFile("tools/RATES.5"));
  std::string changed = TestDataFile("tools/RATES.5");
  for (const auto& [from, to] : {std::pair{"R1=Fern,", "R1=Fernzone,"},
                                 {"00:00-05:59", "00:00-06:59"},
                                 {"0.0600/60/1/06:00", "0.0618/60/1/06:00"},
                                 {"[COMMON]", "[FEIERTAGE]\r\nF0=2412\r\n[COMMON]"}}) {
    changed.replace(changed.find(from), std::string(from).size(), to);
  }
  newer.Write("RATES.5", changed);
  const TCliRun text = RunIn({"diff", "@", "RATES.5", "~", "RATES.5"}, dir, newer);
  EXPECT_EQ(1, text.Status);
  for (const char* part : {"Feiertage: + 24.12.\n", "Tarifzone Fern umbenannt in Fernzone\n",
                           "City Zone, Werktag: Nacht: Zeit: 00:00–05:59 → 00:00–06:59\n",
                           "City Zone, Werktag: Tag: Preis: 0.0600 → 0.0618 (+3,0 %)\n"}) {
    EXPECT_NE(std::string::npos, text.Out.find(part)) << part << text.Out;
  }
  const TCliRun json = RunIn({"diff", "--json", "@", "RATES.5", "~", "RATES.5"}, dir, newer);
  EXPECT_EQ(1, json.Status);
  EXPECT_NE(std::string::npos, json.Out.find("\"PriceChangePercent\": 3")) << json.Out;
}

// Both manual pages name every command --help lists, each with its line, so they cannot drift.
TEST(CommandsTest, ManualPagesFollowTheCommandTable) {
  TTempDir dir;
  const TCliRun help = RunIn({"--help"}, dir, dir);
  const std::string list = help.Out.substr(0, help.Out.find("\n\n", help.Out.find("Befehle:")));
  const std::regex command("\n  ([a-z-]+(?: [a-z-]+)*)"), dash("-");
  for (const char* language : {"de", "en"}) {
    const TCliRun man = RunIn({"--man-page", language}, dir, dir);
    ASSERT_EQ(0, man.Status);
    EXPECT_EQ(0, man.Out.rfind(".TH DUDODE\\-TARIF 1", 0));
    // English hyphenation rules would break German words and file names.
    EXPECT_NE(std::string::npos, man.Out.find("\n.nh\n")) << language;
    int commands = 0;
    for (std::sregex_iterator it(list.begin(), list.end(), command), end; it != end; ++it, ++commands) {
      const std::string name = std::regex_replace((*it)[1].str(), dash, "\\-");
      const std::size_t at = man.Out.find(".BI \"" + name);
      ASSERT_NE(std::string::npos, at) << language << (*it)[0];
      const char summary = man.Out[man.Out.find('\n', at) + 1];
      EXPECT_TRUE(summary != '.' && summary != '\n') << language << (*it)[0];
    }
    EXPECT_GE(commands, 8);
  }
}

}  // namespace
}  // namespace dudode
