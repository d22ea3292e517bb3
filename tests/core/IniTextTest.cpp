#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/IniFile.h"
#include "core/IniText.h"
#include "support/TempDir.h"

namespace dudode {
namespace {

using test::TTempDir;

// One call of a writer: section, erase, write, indexed write, bool, line.
struct TOp {
  char Kind;
  std::string Name;
  std::string Value;
  std::size_t Index = 0;
};

template <class Out>
void Play(Out& out, const std::vector<TOp>& ops) {
  for (const TOp& op : ops) {
    switch (op.Kind) {
      case 'S':
        out.SetSection(op.Name);
        break;
      case 'E':
        out.EraseSection();
        break;
      case 'W':
        out.WriteString(op.Name, op.Value);
        break;
      case 'I':
        out.WriteIndexed(op.Name, op.Index, op.Value);
        break;
      case 'B':
        out.WriteBool(op.Name, op.Value == "1");
        break;
      case 'L':
        out.AddLine(op.Name, op.Value);
        break;
    }
  }
}

class IniTextTest : public ::testing::Test {
 protected:
  void SetUp() override { dir.UseAsProgramDirectory(); }

  void Open(TTheIniFile& ini, const std::string& name) {
    ini.SetIniFileName(name);
    ini.SetIniLocation(loProgDir);
    ini.SetReplacing(true);
    ini.SetOpen(true);
    ASSERT_TRUE(ini.DeleteFile());
  }

  // The file the store writes for these calls on an emptied file.
  std::string StoreBytes(const std::vector<TOp>& ops) {
    TTheIniFile ini;
    Open(ini, "store.ini");
    Play(ini, ops);
    ini.Flush();
    return dir.Read("store.ini");
  }

  TTempDir dir;
};

TEST_F(IniTextTest, GivesTheStoresBytesOrLeavesTheWorkToIt) {
  const std::vector<TOp> plain = {
      {'L', "Kopf", "; "},
      {'L', "zweite Zeile", ""},
      {'S', " Größe ", ""},
      {'W', "  Alpha ", "  Wert mit Blanks\t"},
      {'W', "Zitat", "\"in Anführung\""},
      {'W', "Umbruch", "eine\r\nzwei"},
      {'W', "  ", "ohne Namen"},
      {'W', "", "noch einer ohne"},
      {'B', "Ja", "1"},
      {'S', "Liste", ""},
      {'E', "", ""},
      {'I', " P", "a", 0},
      {'I', " P", "b", 2},
      {'I', " P", "c", 5},
      {'S', "liste ", ""},
      {'I', " P", "d", 6},
      {'S', "Zähler", ""},
      {'I', "Zö", "ü", 0},
      {'S', "Leer", ""},
      {'E', "", ""},
  };
  struct TRow {
    const char* Name;
    std::vector<TOp> Ops;
    bool Whole;
  };
  const TRow rows[] = {
      {"every kind of call, once each", plain, true},
      {"a key twice, case-blind", {{'S', "A", ""}, {'W', "Key", "1"}, {'W', " KEY", "2"}}, false},
      {"back to an earlier section",
       {{'S', "A", ""}, {'W', "x", "1"}, {'S', "B", ""}, {'W', "y", "2"}, {'S', "a", ""}, {'W', "z", "3"}},
       false},
      {"a written section erased",
       {{'S', "A", ""}, {'W', "x", "1"}, {'S', "B", ""}, {'S', "a", ""}, {'E', "", ""}},
       false},
      {"named after indexed keys", {{'S', "A", ""}, {'I', "K", "1", 0}, {'W', "x", "2"}}, false},
      {"indexed after named keys", {{'S', "A", ""}, {'W', "K0", "1"}, {'I', "K", "2", 1}}, false},
      {"an index going down", {{'S', "A", ""}, {'I', "K", "1", 3}, {'I', "K", "2", 1}}, false},
      {"another prefix", {{'S', "A", ""}, {'I', "K", "1", 0}, {'I', "k", "2", 1}}, false},
      {"a line among the sections", {{'S', "A", ""}, {'W', "x", "1"}, {'L', "Kommentar", ""}}, false},
      {"a line that is a header", {{'L', "[A]", " "}}, false},
      {"no section", {{'W', "x", "1"}}, false},
      {"an erase without a section", {{'E', "", ""}}, false},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    TIniText text;
    Play(text, row.Ops);
    EXPECT_EQ(row.Whole, text.Whole());
    // Either way the file is the store's.
    std::string expected;
    try {
      expected = StoreBytes(row.Ops);
    } catch (const EIniError&) {
      expected = "error";
    }
    std::string written;
    try {
      TTheIniFile ini;
      Open(ini, "text.ini");
      ReplaceFile(ini, [&](auto& out) { Play(out, row.Ops); });
      written = dir.Read("text.ini");
    } catch (const EIniError&) {
      written = "error";
    }
    EXPECT_EQ(expected, written);
  }
}

TEST_F(IniTextTest, FileWrittenAsTextIsReadBackThroughTheSameObject) {
  dir.Write("t.ini", "[A]\r\nx=old\r\n");
  TTheIniFile ini;
  Open(ini, "t.ini");
  ReplaceFile(ini, [](auto& out) {
    out.SetSection("A");
    out.WriteString("x", "new");
  });
  ini.SetSection("a");
  EXPECT_EQ("new", ini.ReadString("X", ""));
  ini.WriteString("y", "2");
  ini.Flush();
  EXPECT_EQ("[A]\r\nx=new\r\ny=2\r\n", dir.Read("t.ini"));
}

}  // namespace
}  // namespace dudode
