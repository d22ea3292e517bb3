#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "core/Files.h"
#include "core/IniFile.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"

namespace dudode {
namespace {

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
  dir.Write("a.ini",
            "; leading comment\r\n"
            "pre=not a key\r\n"
            "[ Zone ]\r\n"
            "  Alpha  =  one two  \r\n"
            "alpha=second\r\n"
            "Beta=\r\n"
            "Gamma=\"quoted\"\r\n"
            "Delta=a=b\r\n"
            "no equals sign\n"
            ";Eps=comment\r"
            "Marker=INIERROR\r\n"
            "[other]\r\n"
            "x=1\r\n\0\0");
  TTheIniFile ini;
  OpenOn(ini, "a.ini", "zone");
  EXPECT_EQ(0, ini.ErrorCode());

  struct Case {
    const char* key;
    const char* expected;
    int error;
  } cases[] = {
      {"ALPHA", "one two", 0},  // names without case, blanks around removed, first of two wins
      {"beta", "", 0},          // empty value is not missing
      {"Gamma", "quoted", 0},   // one pair of quotes removed
      {"Delta", "a=b", 0},      // split at the first "="
      {"Eps", "dflt", -1},      // comment line
      {"no equals sign", "dflt", -1},
      {"Marker", "dflt", -1},  // the marker text reads as missing
      {"pre", "dflt", -1},     // lines before the first section are no keys
      {"x", "dflt", -1},       // other section
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, ini.ReadString(c.key, "dflt")) << c.key;
    EXPECT_EQ(c.error, ini.ErrorCode()) << c.key;
  }

  std::vector<std::string> keys;
  ini.ReadSection(keys);
  EXPECT_EQ((std::vector<std::string>{"Alpha", "alpha", "Beta", "Gamma", "Delta", "Marker"}), keys);
  ini.SetSection("OTHER");
  ini.ReadSection(keys);
  EXPECT_EQ(std::vector<std::string>{"x"}, keys);  // trailing NUL bytes are ignored
  ini.SetSection("missing");
  ini.ReadSection(keys);
  EXPECT_TRUE(keys.empty());
  EXPECT_EQ(-1, ini.ErrorCode());
}

TEST_F(IniFileTest, LineEndsOfAnyKindReadTheSame) {
  for (const std::string& nl : {std::string("\r\n"), std::string("\n"), std::string("\r")}) {
    dir.Write("b.ini", "[S]" + nl + "k1=v1" + nl + nl + "k2=v2");  // no final line end
    TTheIniFile ini;
    OpenOn(ini, "b.ini");
    EXPECT_EQ("v1", ini.ReadString("k1", "")) << static_cast<int>(nl.size());
    EXPECT_EQ("v2", ini.ReadString("k2", ""));
  }
}

TEST_F(IniFileTest, ReadBoolFollowsIntegerRule) {
  dir.Write("c.ini", "[S]\r\none=1\r\nzeroone=01\r\nzero=0\r\nyes=yes\r\nneg=-4\r\n");
  TTheIniFile ini;
  OpenOn(ini, "c.ini");
  EXPECT_TRUE(ini.ReadBool("one", false));
  EXPECT_FALSE(ini.ReadBool("zeroone", true));
  EXPECT_FALSE(ini.ReadBool("zero", true));
  EXPECT_FALSE(ini.ReadBool("neg", true));
  EXPECT_TRUE(ini.ReadBool("yes", true));
  EXPECT_FALSE(ini.ReadBool("yes", false));
  EXPECT_TRUE(ini.ReadBool("missing", true));
  EXPECT_EQ(-1, ini.ErrorCode());
}

TEST_F(IniFileTest, WritesInPlaceAtSectionEndAndAtFileEnd) {
  dir.Write("d.ini",
            "; header kept\r\n"
            "[A]\r\n"
            "k1=old\r\n"
            "k2=two\r\n"
            "; trailing comment of A\r\n"
            "[B]\r\n"
            "b=1\r\n");
  {
    TTheIniFile ini;
    OpenOn(ini, "d.ini", "a");
    ini.WriteString("K1", "new");
    ini.WriteString("k3", "three");
    ini.SetSection("C");
    ini.WriteBool("c", true);
    ini.SetSection("Empty");  // a section with nothing written is not created
  }
  EXPECT_EQ(
      "; header kept\r\n"
      "[A]\r\n"
      "k1=new\r\n"
      "k2=two\r\n"
      "k3=three\r\n"
      "; trailing comment of A\r\n"
      "[B]\r\n"
      "b=1\r\n"
      "[C]\r\n"
      "c=1\r\n",
      dir.Read("d.ini"));
}

TEST_F(IniFileTest, EraseSectionAndDeleteFile) {
  dir.Write("e.ini", "[A]\r\na=1\r\n[B]\r\nb=2\r\n");
  TTheIniFile ini;
  OpenOn(ini, "e.ini", "nothere");
  ini.EraseSection();
  ini.Flush();
  EXPECT_EQ("[A]\r\na=1\r\n[B]\r\nb=2\r\n", dir.Read("e.ini"));
  ini.SetSection("a");
  ini.EraseSection();
  ini.SetSection("B");
  ini.WriteString("c", "3");
  ini.Flush();
  EXPECT_EQ("[B]\r\nb=2\r\nc=3\r\n", dir.Read("e.ini"));

  // The old file stays until the new contents are complete.
  EXPECT_TRUE(ini.DeleteFile());
  EXPECT_EQ("[B]\r\nb=2\r\nc=3\r\n", dir.Read("e.ini"));
  ini.AddLine("Kopf", "; ");
  ini.AddLine("", "");
  ini.SetSection("N");
  ini.WriteString("k", "v");
  ini.Flush();
  EXPECT_EQ("; Kopf\r\n;\r\n[N]\r\nk=v\r\n", dir.Read("e.ini"));

  EXPECT_TRUE(ini.DeleteFile());
  ini.Flush();
  EXPECT_FALSE(dir.Exists("e.ini"));
}

TEST_F(IniFileTest, DuplicateSectionsReadAsTheFirstAndEraseTogether) {
  dir.Write("dup.ini", "[H]\r\nF0=0101\r\n[X]\r\nx=1\r\n[h]\r\nF0=2512\r\nF1=2612\r\n");
  TTheIniFile ini;
  OpenOn(ini, "dup.ini", "H");
  EXPECT_EQ("0101", ini.ReadString("F0", ""));
  EXPECT_EQ("", ini.ReadString("F1", ""));
  ini.EraseSection();
  ini.WriteString("F0", "0301");
  std::vector<std::string> keys;
  ini.ReadSection(keys);
  EXPECT_EQ(std::vector<std::string>{"F0"}, keys);  // no stale key of the duplicate
  ini.Flush();
  EXPECT_EQ("[X]\r\nx=1\r\n[H]\r\nF0=0301\r\n", dir.Read("dup.ini"));
}

TEST_F(IniFileTest, MissingFileIsOpenedWithCodeTwoAndCreatedByFirstWrite) {
  TTheIniFile ini;
  OpenOn(ini, "new.ini");
  EXPECT_EQ(2, ini.ErrorCode());
  EXPECT_TRUE(ini.Open());
  EXPECT_EQ("x", ini.ReadString("k", "x"));
  ini.SetOpen(false);
  EXPECT_FALSE(dir.Exists("new.ini"));
  OpenOn(ini, "new.ini");
  ini.WriteString("k", "v");
  EXPECT_FALSE(dir.Exists("new.ini"));  // buffered
  ini.SetOpen(false);
  EXPECT_EQ("[S]\r\nk=v\r\n", dir.Read("new.ini"));
}

TEST_F(IniFileTest, UseWithoutNameOrSectionIsAnError) {
  TTheIniFile ini;
  EXPECT_THROW(ini.ReadString("k", ""), EIniError);
  ini.SetIniFileName("f.ini");
  ini.SetOpen(true);
  try {
    ini.ReadString("k", "");
    FAIL() << "no error without a section";
  } catch (const EIniError& e) {
    EXPECT_STREQ("Bitte Dateiname angeben.", e.what());
  }
}

TEST_F(IniFileTest, ReadOnlyFileIsMadeWritable) {
  dir.Write("ro.ini", "[S]\r\nk=v\r\n");
  ::chmod(dir.File("ro.ini").c_str(), 0444);
  TTheIniFile ini;
  OpenOn(ini, "ro.ini");
  EXPECT_EQ(0, ini.ErrorCode());
  struct stat st {};
  ::stat(dir.File("ro.ini").c_str(), &st);
  EXPECT_TRUE(st.st_mode & S_IWUSR);
}

TEST_F(IniFileTest, FailedWriteLeavesOldFileUntouched) {
  const std::string old = "[S]\r\nk=old\r\n";
  for (long long failAfter : {0LL, 5LL, 11LL}) {
    dir.Write("f.ini", old);
    TTheIniFile ini;
    OpenOn(ini, "f.ini");
    ini.WriteString("k", "new value that is longer");
    InjectWriteFailureAfter(failAfter);
    EXPECT_THROW(ini.Flush(), EIniError) << failAfter;
    EXPECT_EQ(old, dir.Read("f.ini")) << failAfter;
    ini.Flush();  // the next try works and nothing was lost in memory
    EXPECT_EQ("[S]\r\nk=new value that is longer\r\n", dir.Read("f.ini"));
  }
  // No temporary files are left behind.
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Dir())) ++count;
  EXPECT_EQ(1, count);
}

TEST_F(IniFileTest, DiscardedChangesAreNeverWritten) {
  const std::string old = "[S]\r\nk=old\r\n";
  dir.Write("d.ini", old);
  {
    TTheIniFile ini;
    OpenOn(ini, "d.ini");
    ini.DeleteFile();
    ini.WriteString("k", "half done");
    InjectWriteFailureAfter(3);
    EXPECT_THROW(ini.Flush(), EIniError);
    ini.DiscardChanges();
    EXPECT_EQ("old", ini.ReadString("k", ""));
  }  // closing writes nothing
  EXPECT_EQ(old, dir.Read("d.ini"));
}

TEST_F(IniFileTest, RefusedReplacementFailsAndKeepsFile) {
  dir.Write("g.ini", "[S]\r\nk=old\r\n");
  TTheIniFile ini;
  OpenOn(ini, "g.ini");
  ini.WriteString("k", "new");
  InjectFileFailure(TFileOp::Rename, 0, EACCES);  // as a read-only directory refuses it, also to root
  EXPECT_THROW(ini.Flush(), EIniError);
  InjectFileFailure(TFileOp::Rename, 0, 0);
  EXPECT_EQ("[S]\r\nk=old\r\n", dir.Read("g.ini"));
}

TEST_F(IniFileTest, Windows1252BytesRoundTrip) {
  std::string bytes = "[S]\r\n";
  bytes += "umlaut=\xE4\xF6\xFC\xDF\xC4\r\n";
  bytes +=
      "thorn=a\xFE"
      "b\r\n";
  bytes += "undefined=\x81\x8D\x8F\x90\x9D\r\n";
  bytes += "euro=\x80\r\n";
  dir.Write("w.ini", bytes);
  TTheIniFile ini;
  OpenOn(ini, "w.ini");
  EXPECT_EQ("äöüßÄ", ini.ReadString("umlaut", ""));
  EXPECT_EQ("a\u00FEb", ini.ReadString("thorn", ""));
  EXPECT_EQ("€", ini.ReadString("euro", ""));
  // Rewriting every value unchanged reproduces the file byte for byte.
  for (const char* key : {"umlaut", "thorn", "undefined", "euro"})
    ini.WriteString(key, ini.ReadString(key, ""));
  ini.WriteString("new", "ü\u2603");  // a character 1252 lacks becomes "?"
  ini.Flush();
  EXPECT_EQ(bytes + "new=\xFC?\r\n", dir.Read("w.ini"));
}

TEST_F(IniFileTest, LongValuesAndKeyListsAreCut) {
  const std::string longValue(3000, 'x');
  std::string bytes = "[S]\r\nlong=" + longValue + "\r\n";
  // 2000 names of 9 bytes each need 20000 bytes: the list stops at 16384.
  for (int i = 0; i < 2000; ++i) bytes += "key" + std::to_string(100000 + i) + "=1\r\n";
  dir.Write("l.ini", bytes);
  TTheIniFile ini;
  OpenOn(ini, "l.ini");
  EXPECT_EQ(std::string(2047, 'x'), ini.ReadString("long", ""));
  std::vector<std::string> keys;
  ini.ReadSection(keys);
  EXPECT_EQ(1 + (16384 - 1 - 5) / 10, static_cast<long>(keys.size()));
  EXPECT_EQ("key101636", keys.back());
}

TEST_F(IniFileTest, ObjectsOnTheSameFileSeeEachOthersWrites) {
  TTheIniFile a;
  TTheIniFile b;
  OpenOn(a, "s.ini");
  OpenOn(b, "s.ini");
  a.WriteString("k", "from a");
  EXPECT_EQ("from a", b.ReadString("k", ""));
}

TEST_F(IniFileTest, NamesDifferingOnlyInCaseOpenTheExistingFile) {
  dir.Write("provider.ini", "[S]\r\nk=v\r\n");
  TTheIniFile ini;
  OpenOn(ini, "Provider.ini");
  EXPECT_EQ(0, ini.ErrorCode());
  EXPECT_EQ("v", ini.ReadString("k", ""));
  ini.WriteString("k", "w");
  ini.SetOpen(false);
  EXPECT_FALSE(dir.Exists("Provider.ini"));
  EXPECT_EQ("[S]\r\nk=w\r\n", dir.Read("provider.ini"));
}

TEST_F(IniFileTest, UnreadableFileIsNotOpenedNorUnprotected) {
  dir.Write("u.ini", "[S]\r\nk=v\r\n");
  ::chmod(dir.File("u.ini").c_str(), 0400);
  InjectFileFailure(TFileOp::Read, 0, EACCES);
  TTheIniFile ini;
  ini.SetIniFileName("u.ini");
  EXPECT_THROW(ini.SetOpen(true), EIniError);  // not "Kann Schreibschutz ... nicht entfernen!"
  EXPECT_FALSE(ini.Open());
  struct stat st {};
  ::stat(dir.File("u.ini").c_str(), &st);
  EXPECT_EQ(0400u, st.st_mode & 07777);
  EXPECT_EQ("[S]\r\nk=v\r\n", dir.Read("u.ini"));
}

TEST_F(IniFileTest, Utf8ByteOrderMarkIsSkippedAndTheFileReadAsUtf8) {
  dir.Write("b.ini", "\xEF\xBB\xBF[COMMON]\r\nHOTLINE=Grüße\r\n");
  TTheIniFile ini;
  OpenOn(ini, "b.ini", "COMMON");
  EXPECT_EQ("Grüße", ini.ReadString("HOTLINE", ""));
  ini.WriteString("HOTLINE", ini.ReadString("HOTLINE", ""));
  ini.Flush();
  EXPECT_EQ(
      "[COMMON]\r\nHOTLINE=Gr\xFC\xDF"
      "e\r\n",
      dir.Read("b.ini"));
}

TEST_F(IniFileTest, ValuesCannotBreakLines) {
  TTheIniFile ini;
  OpenOn(ini, "n.ini");
  ini.WriteString("k", "one\r\n[Evil]\r\nx=1");
  ini.Flush();
  EXPECT_EQ("[S]\r\nk=one  [Evil]  x=1\r\n", dir.Read("n.ini"));
}

}  // namespace
}  // namespace dudode
