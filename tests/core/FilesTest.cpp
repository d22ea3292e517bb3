#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>

#include "core/Files.h"
#include "core/TarifReader.h"
#include "core/TarifWriter.h"
#include "support/TempDir.h"

namespace dudode {
namespace {

namespace fs = std::filesystem;
using test::TTempDir;

int EntryCount(const TTempDir& dir) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Dir())) ++count;
  return count;
}

TEST(FilesTest, SaveReplacesWhatTheNameStandsFor) {
  struct TCase {
    std::string Saved;   // the name saved through
    std::string Target;  // the file that must hold the new bytes
    bool Link;
  };
  const TCase cases[] = {
      {"link.ini", "target.ini", true},
      {std::string(255, 'n'), std::string(255, 'n'), false},
      {std::string(248, 'm'), std::string(248, 'm'), false},
  };
  for (const TCase& c : cases) {
    TTempDir dir;
    dir.Write(c.Target, "old");
    ::chmod(dir.File(c.Target).c_str(), 0640);
    if (c.Link) fs::create_symlink(c.Target, dir.File(c.Saved));
    std::string error;
    ASSERT_TRUE(AtomicWriteFile(dir.File(c.Saved), "new", &error)) << error;
    EXPECT_EQ("new", dir.Read(c.Target));
    EXPECT_EQ(c.Link, fs::is_symlink(dir.File(c.Saved)));
    struct stat st {};
    ::stat(dir.File(c.Target).c_str(), &st);
    EXPECT_EQ(0640u, st.st_mode & 07777);
    EXPECT_EQ(c.Link ? 2 : 1, EntryCount(dir));  // no temporary file left
  }
}

TEST(FilesTest, StaleTemporaryFilesOfTheFileGoOnTheNextSave) {
  TTempDir dir;
  dir.Write(".f.ini.Ab12Cd", "left by a killed save");
  dir.Write(".g.ini.Ab12Cd", "another file's");
  ASSERT_TRUE(AtomicWriteFile(dir.File("f.ini"), "new"));
  EXPECT_FALSE(dir.Exists(".f.ini.Ab12Cd"));
  EXPECT_TRUE(dir.Exists(".g.ini.Ab12Cd"));
}

TEST(FilesTest, FailedPairLeavesBothOldFiles) {
  struct TCase {
    TFileOp Op;
    int Skip;
    bool FirstExisted;
    std::string Message;
  };
  const TCase cases[] = {
      {TFileOp::Write, 1, true, "Kein Speicherplatz auf dem Datenträger"},  // second file
      {TFileOp::Rename, 0, true, "Kein Speicherplatz auf dem Datenträger"},
      {TFileOp::Rename, 1, true, "Kein Speicherplatz auf dem Datenträger"},  // second rename: first put back
      {TFileOp::Rename, 1, false, "Kein Speicherplatz auf dem Datenträger"},
  };
  for (const TCase& c : cases) {
    TTempDir dir;
    if (c.FirstExisted) dir.Write("a", "old a");
    dir.Write("b", "old b");
    InjectFileFailure(c.Op, c.Skip, ENOSPC);
    std::string error;
    EXPECT_FALSE(AtomicWriteFiles({{dir.File("a"), "new a"}, {dir.File("b"), "new b"}}, &error));
    InjectFileFailure(c.Op, 0, 0);
    EXPECT_NE(std::string::npos, error.find(c.Message)) << error;
    EXPECT_EQ(c.FirstExisted, dir.Exists("a"));
    EXPECT_EQ(c.FirstExisted ? "old a" : "", dir.Read("a"));
    EXPECT_EQ("old b", dir.Read("b"));
    EXPECT_EQ(c.FirstExisted ? 2 : 1, EntryCount(dir));
  }
}

TEST(FilesTest, ReadsOnlyRegularFilesOfBoundedSize) {
  TTempDir dir;
  dir.Write("big", std::string(2000, 'x'));
  dir.Write("ok", "text");
  ::mkfifo(dir.File("fifo").c_str(), 0600);
  fs::create_directory(dir.File("dir"));
  struct TCase {
    std::string Name;
    int Injected;
    TReadStatus Status;
    std::string Error;
  };
  const TCase cases[] = {
      {"ok", 0, TReadStatus::Ok, ""},
      {"none", 0, TReadStatus::Missing, "Datei oder Verzeichnis nicht gefunden"},
      {"fifo", 0, TReadStatus::NotRegular, "keine gewöhnliche Datei"},
      {"dir", 0, TReadStatus::NotRegular, "keine gewöhnliche Datei"},
      {"big", 0, TReadStatus::TooLarge, "größer als"},
      {"ok", EACCES, TReadStatus::Failed, "Zugriff verweigert"},
      {"ok", EIO, TReadStatus::Failed, "Ein-/Ausgabefehler"},
  };
  for (const TCase& c : cases) {
    InjectFileFailure(TFileOp::Read, 0, c.Injected);
    std::string bytes;
    std::string error;
    EXPECT_EQ(c.Status, ReadFileLimited(dir.File(c.Name), bytes, &error, 1000)) << c.Name;
    EXPECT_EQ(c.Status == TReadStatus::Ok ? "text" : "", bytes);
    EXPECT_NE(std::string::npos, error.find(c.Error)) << error;
  }
}

TEST(FilesTest, SecondLockWaitsAndThenGivesUp) {
  TTempDir dir;
  dir.Write("f", "x");
  auto first = std::make_unique<TFileLock>();
  ASSERT_TRUE(first->Acquire(dir.File("f"), nullptr));
  TFileLock second;
  std::string error;
  EXPECT_FALSE(second.Acquire(dir.File("f"), &error, 50));
  EXPECT_EQ("Die Datei " + dir.File("f") + " wird gerade von einem anderen Programm bearbeitet.", error);
  first.reset();
  EXPECT_TRUE(second.Acquire(dir.File("f"), &error, 50));
}

TEST(FilesTest, DocumentTellsWhenItsFileChangedOnDisk) {
  TTempDir dir;
  dir.UseAsProgramDirectory();
  dir.Write("RATES.0", "[COMMON]\r\nDESCRIPTION=A\r\n");
  TTarifFile doc;
  doc.FileName = "rates.0";
  ASSERT_TRUE(LoadTarifFile(doc));
  EXPECT_FALSE(ChangedOnDisk(doc));
  dir.Write("RATES.0", "[COMMON]\r\nDESCRIPTION=Changed by another program\r\n");
  EXPECT_TRUE(ChangedOnDisk(doc));
  ASSERT_TRUE(SaveTarifFile(doc));
  EXPECT_FALSE(ChangedOnDisk(doc));
}

}  // namespace
}  // namespace dudode
