#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <tuple>
#include <utility>

#include "core/Files.h"
#include "core/IniFile.h"
#include "core/Text.h"
#include "support/IniText.h"
#include "support/TempDir.h"

namespace dudode {
namespace {

using namespace std::string_literals;
using test::IniText;
using test::TTempDir;

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override { dir.UseAsProgramDirectory(); }

  // Opens name in the program directory on section.
  void OpenOn(TTheIniFile& ini, const std::string& name, const std::string& section = "S") {
    ini.SetIniFileName(name);
    ini.SetIniLocation(loProgDir);
    ini.SetOpen(true);
    ini.SetSection(section);
  }

  TTempDir dir;
};

TEST_F(IniFileTest, ReadsStoreRulesOfHandWrittenFiles) {
  // Line ends of every kind, a blank line, no final line end; names in Windows-1252.
  dir.Write(
      "a.ini",
      "; leading comment\r\npre=not a key\r\n[ Zone ]\r\n  Alpha  =  one two  \r\nalpha=second\r\n\r\n"
      "Beta=\r\nGamma=\"quoted\"\r\nDelta=a=b\r\nno equals sign\n;Eps=comment\rMarker=INIERROR\n"
      "one=1\nzeroone=01\nneg=-4\nyes=yes\n[\xDE]\n\xFE\xC0=thorn\n[\xDF]\n\xD7=sharp\n[other]\nx=1\0\0"s);
  TTheIniFile ini;
  OpenOn(ini, "a.ini", "zone");
  EXPECT_EQ(0, ini.ErrorCode());

  // Names without case, blanks around removed, first of two wins; empty is not missing; one pair of quotes
  // removed; split at the first "="; comments, lines without "=", the marker, lines before the first section
  // read as missing. Code-page letters fold like ASCII (Þ, À); ß has no capital, × is no letter.
  const std::tuple<const char*, const char*, const char*, int> cases[] = {
      {"zone", "ALPHA", "one two", 0}, {"zone", "beta", "", 0},     {"zone", "Gamma", "quoted", 0},
      {"zone", "Delta", "a=b", 0},     {"zone", "Eps", "dflt", -1}, {"zone", "no equals sign", "dflt", -1},
      {"zone", "Marker", "dflt", -1},  {"zone", "pre", "dflt", -1}, {"zone", "x", "dflt", -1},
      {"OTHER", "x", "1", 0},          {"þ", "Þà", "thorn", 0},     {"ß", "×", "sharp", 0},
      {"ÿ", "×", "dflt", -1},          {"ß", "÷", "dflt", -1}};
  for (const auto& [section, key, expected, error] : cases) {
    SCOPED_TRACE(std::string(section) + "/" + key);
    ini.SetSection(section);
    EXPECT_EQ(expected, ini.ReadString(key, "dflt"));
    EXPECT_EQ(error, ini.ErrorCode());
  }

  // ReadBool follows the integer rule: "1" is true, another integer false, other text the default.
  ini.SetSection("Zone");
  const std::tuple<const char*, bool, bool> bools[] = {{"one", false, true},  {"zeroone", true, false},
                                                       {"neg", true, false},  {"yes", true, true},
                                                       {"yes", false, false}, {"missing", true, true}};
  for (const auto& [key, dflt, expected] : bools) EXPECT_EQ(expected, ini.ReadBool(key, dflt)) << key << dflt;
  EXPECT_EQ(-1, ini.ErrorCode());

  // The values of a section's keys in file order, a repeated key with the first value, the marker empty.
  const std::tuple<const char*, std::vector<std::string>, std::vector<std::string>> lists[] = {
      {"Zone",
       {"Alpha", "alpha", "Beta", "Gamma", "Delta", "Marker", "one", "zeroone", "neg", "yes"},
       {"one two", "one two", "", "quoted", "a=b", "", "1", "01", "-4", "yes"}},
      {"OTHER", {"x"}, {"1"}},
      {"missing", {}, {}}};
  for (const auto& [section, expectedKeys, expectedValues] : lists) {
    std::vector<std::string> keys;
    std::vector<std::string> values;
    ini.SetSection(section);
    ini.ReadSection(keys);
    EXPECT_EQ(expectedKeys, keys) << section;
    ini.ReadSectionValues(values);
    EXPECT_EQ(expectedValues, values) << section;
    EXPECT_EQ(expectedKeys.empty() ? -1 : 0, ini.ErrorCode()) << section;
  }
}

TEST_F(IniFileTest, WritesInPlaceAtSectionEndAndAtFileEnd) {
  dir.Write("d.ini",
            IniText({"; header kept", "[A]", "k1=old", "k2=two", "; trailing comment of A", "[B]", "b=1"}));
  {
    TTheIniFile ini;
    OpenOn(ini, "d.ini", "a");
    ini.WriteString("K1", "new");
    ini.WriteString("k3", "three");
    ini.SetSection("C");
    ini.WriteBool("c", true);
    ini.WriteString("v", "one\r\n[Evil]\r\nx=1");  // a value cannot break its line
    ini.WriteString("w", " \"Tab\t\" ");           // stored as it will be read
    ini.SetSection("Empty");                       // a section with nothing written is not created
  }
  EXPECT_EQ(IniText({"; header kept", "[A]", "k1=new", "k2=two", "k3=three", "; trailing comment of A", "[B]",
                     "b=1", "[C]", "c=1", "v=one  [Evil]  x=1", "w=Tab"}),
            dir.Read("d.ini"));
}

TEST_F(IniFileTest, EraseSectionAndDeleteFile) {
  const std::string old = IniText({"[A]", "a=1", "[B]", "b=2", "[a]", "a=dup", "z=2"});
  dir.Write("e.ini", old);
  TTheIniFile ini;
  OpenOn(ini, "e.ini", "nothere");
  ini.EraseSection();
  ini.Flush();
  EXPECT_EQ(old, dir.Read("e.ini"));
  // Duplicate sections read as the first and are erased together.
  ini.SetSection("a");
  EXPECT_EQ("1", ini.ReadString("a", ""));
  EXPECT_EQ("-", ini.ReadString("z", "-"));
  ini.EraseSection();
  ini.WriteString("a", "3");
  std::vector<std::string> keys;
  ini.ReadSection(keys);
  EXPECT_EQ(std::vector<std::string>{"a"}, keys);  // no stale key of the duplicate
  ini.Flush();
  const std::string kept = IniText({"[B]", "b=2", "[a]", "a=3"});
  EXPECT_EQ(kept, dir.Read("e.ini"));

  // The old file stays until the new contents are complete.
  EXPECT_TRUE(ini.DeleteFile());
  EXPECT_EQ(kept, dir.Read("e.ini"));
  ini.AddLine("Kopf", "; ");
  ini.AddLine("", "");
  ini.SetSection("N");
  ini.WriteString("k", "v");
  ini.Flush();
  EXPECT_EQ(IniText({"; Kopf", ";", "[N]", "k=v"}), dir.Read("e.ini"));

  EXPECT_TRUE(ini.DeleteFile());
  ini.Flush();
  EXPECT_FALSE(dir.Exists("e.ini"));
}

TEST_F(IniFileTest, MissingFileIsOpenedWithCodeTwoAndCreatedByFirstWrite) {
  TTheIniFile ini;
  EXPECT_THROW(ini.ReadString("k", ""), EIniError);  // neither name nor section
  ini.SetIniFileName("new.ini");
  ini.SetOpen(true);
  EXPECT_EQ(std::tuple(2, true), std::tuple(ini.ErrorCode(), ini.Open()));
  try {
    ini.ReadString("k", "");
    FAIL() << "no error without a section";
  } catch (const EIniError& e) {
    EXPECT_STREQ("Bitte Dateiname angeben.", e.what());
  }
  ini.SetSection("S");
  EXPECT_EQ("x", ini.ReadString("k", "x"));
  ini.SetOpen(false);
  EXPECT_FALSE(dir.Exists("new.ini"));
  OpenOn(ini, "new.ini");
  ini.WriteString("k", "v");
  EXPECT_FALSE(dir.Exists("new.ini"));  // buffered
  ini.SetOpen(false);
  EXPECT_EQ("[S]\r\nk=v\r\n", dir.Read("new.ini"));
}

// A write protection is taken off a file that can be read, and left on one that cannot.
TEST_F(IniFileTest, ReadOnlyFileIsMadeWritableOnlyWhenReadable) {
  for (const bool readable : {true, false}) {
    const std::string name = readable ? "r.ini" : "u.ini";
    dir.Write(name, "[S]\r\nk=v\r\n");
    ::chmod(dir.File(name).c_str(), 0444);
    if (!readable) InjectFileFailure(TFileOp::Read, 0, EACCES);
    TTheIniFile ini;
    ini.SetIniFileName(name);
    try {
      ini.SetOpen(true);
    } catch (const EIniError& e) {  // a read error, not "Kann Schreibschutz ... nicht entfernen!"
      EXPECT_EQ("Die Datei " + dir.File(name) + " kann nicht gelesen werden (Zugriff verweigert).", e.what());
    }
    struct stat st {};
    ::stat(dir.File(name).c_str(), &st);
    EXPECT_EQ(std::tuple(readable, readable ? 0 : 5, readable ? 0644u : 0444u, "[S]\r\nk=v\r\n"),
              std::tuple(ini.Open(), ini.ErrorCode(), st.st_mode & 07777, dir.Read(name)));
  }
}

TEST_F(IniFileTest, FailedWriteLeavesOldFileUntouched) {
  const std::string old = "[S]\r\nk=old\r\n";
  const std::string written = "[S]\r\nk=new value that is longer\r\n";
  // Failing after so many bytes (-1: the replacement is refused, as a read-only directory refuses it also to
  // root). The next try writes all that was changed, or nothing once the changes are discarded.
  const std::pair<int, bool> cases[] = {{0, false}, {5, false}, {11, false}, {-1, false}, {3, true}};
  for (const auto& [failAfter, discard] : cases) {
    SCOPED_TRACE(failAfter);
    dir.Write("f.ini", old);
    TTheIniFile ini;
    OpenOn(ini, "f.ini");
    if (discard) ini.DeleteFile();
    ini.WriteString("k", "new value that is longer");
    failAfter < 0 ? InjectFileFailure(TFileOp::Rename, 0, EACCES) : InjectWriteFailureAfter(failAfter);
    EXPECT_THROW(ini.Flush(), EIniError);
    EXPECT_EQ(old, dir.Read("f.ini"));
    if (discard) ini.DiscardChanges();
    EXPECT_EQ(discard ? "old" : "new value that is longer", ini.ReadString("k", ""));
    ini.Flush();
    EXPECT_EQ(discard ? old : written, dir.Read("f.ini"));
  }
  // No temporary files are left behind.
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.Dir()), {}));
}

// A file saved as UTF-8 with a byte-order mark reads the same and is written back in the code page.
TEST_F(IniFileTest, Windows1252BytesRoundTrip) {
  const std::string bytes =
      "[S]\r\numlaut=\xE4\xF6\xFC\xDF\xC4\r\nthorn=\xFE\r\nundefined=\x81\x8D\x8F\x90\x9D\r\neuro=\x80\r\n";
  for (const std::string& file : {bytes, "\xEF\xBB\xBF" + Cp1252ToUtf8(bytes)}) {
    dir.Write("w.ini", file);
    TTheIniFile ini;
    OpenOn(ini, "w.ini");
    EXPECT_EQ(
        std::tuple("äöüßÄ", "\u00FE", "€"),
        std::tuple(ini.ReadString("umlaut", ""), ini.ReadString("thorn", ""), ini.ReadString("euro", "")));
    // Rewriting every value unchanged reproduces the file byte for byte.
    for (const char* key : {"umlaut", "thorn", "undefined", "euro"})
      ini.WriteString(key, ini.ReadString(key, ""));
    ini.WriteString("new", "ü\u2603");  // a character 1252 lacks becomes "?"
    ini.Flush();
    EXPECT_EQ(bytes + "new=\xFC?\r\n", dir.Read("w.ini"));
  }
}

TEST_F(IniFileTest, LongValuesAndKeyListsAreCut) {
  // 15 names of 1023 bytes take 1 + 15 * 1024 of the list's 16384 bytes: a name of 1022 fits exactly, one of
  // 1023 does not, and the list ends there even where a shorter name would still fit.
  std::string full;
  for (char c = 'a'; c < 'a' + 15; ++c) full += std::string(1023, c) + "=1\r\n";
  dir.Write("l.ini", "[S]\r\nlong=" + std::string(3000, 'x') + "\r\n[Fits]\r\n" + full +
                         std::string(1022, 'p') + "=1\r\nz=1\r\n[Over]\r\n" + full + std::string(1023, 'p') +
                         "=1\r\nz=1\r\n");
  TTheIniFile ini;
  OpenOn(ini, "l.ini");
  EXPECT_EQ(std::string(2047, 'x'), ini.ReadString("long", ""));
  const std::tuple<const char*, std::size_t, std::string> cases[] = {{"Fits", 16, std::string(1022, 'p')},
                                                                     {"Over", 15, std::string(1023, 'o')}};
  for (const auto& [section, count, last] : cases) {
    std::vector<std::string> keys;
    ini.SetSection(section);
    ini.ReadSection(keys);
    EXPECT_EQ(std::tuple(count, last), std::tuple(keys.size(), keys.back())) << section;
    std::vector<std::string> values;
    ini.ReadSectionValues(values, 20);
    EXPECT_EQ(count, values.size()) << section;
  }
}

TEST_F(IniFileTest, NamesDifferingOnlyInCaseShareTheExistingFile) {
  dir.Write("provider.ini", "[S]\r\nk=v\r\n");
  TTheIniFile a, b;
  OpenOn(a, "provider.ini");
  OpenOn(b, "Provider.ini");
  EXPECT_EQ("v", b.ReadString("k", ""));
  a.WriteString("k", "w");
  EXPECT_EQ("w", b.ReadString("k", ""));  // objects on the same file see each other's writes
  a.Flush();
  EXPECT_FALSE(dir.Exists("Provider.ini"));
  EXPECT_EQ("[S]\r\nk=w\r\n", dir.Read("provider.ini"));
}

}  // namespace
}  // namespace dudode
