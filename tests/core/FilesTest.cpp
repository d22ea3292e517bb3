#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "core/Files.h"
#include "core/TarifReader.h"
#include "core/TarifWriter.h"
#include "support/TempDir.h"

namespace dudode {
namespace {

namespace fs = std::filesystem;
using test::TTempDir;

long EntryCount(const TTempDir& dir) {
  return std::distance(fs::directory_iterator(dir.Dir()), fs::directory_iterator());
}

TEST(FilesTest, SaveReplacesWhatTheNameStandsFor) {
  // The name saved through, the file that must hold the new bytes, whether the name is a link.
  const std::tuple<std::string, std::string, bool> cases[] = {
      {"link.ini", "target.ini", true}, {std::string(255, 'n'), std::string(255, 'n'), false}};
  // Only root may give a file away; then the save must keep the owner too.
  const bool root = ::geteuid() == 0;
  for (const auto& [saved, target, link] : cases) {
    TTempDir dir;
    dir.Write(target, "old");
    ::chmod(dir.File(target).c_str(), 0640);
    EXPECT_EQ(0, root ? ::chown(dir.File(target).c_str(), 4321, 4322) : 0);
    if (link) fs::create_symlink(target, dir.File(saved));
    std::string error;
    ASSERT_TRUE(AtomicWriteFile(dir.File(saved), "new", &error)) << error;
    struct stat st {};
    ::stat(dir.File(target).c_str(), &st);
    // No temporary file is left.
    EXPECT_EQ(std::tuple("new", link, 0640u, root ? 4321u : ::geteuid(), link ? 2 : 1),
              std::tuple(dir.Read(target), fs::is_symlink(dir.File(saved)), st.st_mode & 07777, st.st_uid,
                         EntryCount(dir)));
  }
}

TEST(FilesTest, StaleTemporaryFilesOfTheFileGoOnTheNextSave) {
  TTempDir dir;
  dir.Write(".f.ini.Ab12Cd", "left by a killed save");
  dir.Write(".g.ini.Ab12Cd", "another file's");
  ASSERT_TRUE(AtomicWriteFile(dir.File("f.ini"), "new"));
  EXPECT_EQ(std::tuple(false, true), std::tuple(dir.Exists(".f.ini.Ab12Cd"), dir.Exists(".g.ini.Ab12Cd")));
}

TEST(FilesTest, FailedPairLeavesBothOldFiles) {
  // The failing operation, how many of its kind succeed first, whether "a" existed, the file told.
  const std::tuple<TFileOp, int, bool, const char*> cases[] = {
      {TFileOp::Write, 1, true, "b"},  // the second file
      {TFileOp::Rename, 0, true, "a"},
      {TFileOp::Rename, 1, true, "b"},  // the second rename: the first file is put back
      {TFileOp::Rename, 1, false, "b"}};
  for (const auto& [op, skip, existed, failing] : cases) {
    TTempDir dir;
    if (existed) dir.Write("a", "old a");
    dir.Write("b", "old b");
    InjectFileFailure(op, skip, ENOSPC);
    std::string error;
    EXPECT_FALSE(AtomicWriteFiles({{dir.File("a"), "new a"}, {dir.File("b"), "new b"}}, &error));
    InjectFileFailure(op, 0, 0);
    EXPECT_EQ("Die Datei " + dir.File(failing) +
                  " konnte nicht geschrieben werden (Kein Speicherplatz auf dem Datenträger).",
              error);
    EXPECT_EQ(std::tuple(existed ? "old a" : "", existed, "old b", existed ? 2 : 1),
              std::tuple(dir.Read("a"), dir.Exists("a"), dir.Read("b"), EntryCount(dir)));
  }
}

// Refusals by kind of file are told by the record file reports.
// A file size limit makes write() return fewer bytes than asked: the writer goes
// on until the rest fails and keeps the old file.
TEST(FilesTest, ShortWriteIsContinuedAndItsFailureKeepsTheOldFile) {
  test::TTempDir dir;
  dir.Write("a.ini", "alt");
  std::signal(SIGXFSZ, SIG_IGN);  // the failing write reports EFBIG instead
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const rlimit limit{10, old.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const bool written = AtomicWriteFile(dir.File("a.ini"), std::string(100, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(std::make_tuple(false, std::string("alt")), std::make_tuple(written, dir.Read("a.ini")));
}

TEST(FilesTest, FailedReadsGiveGermanReasons) {
  TTempDir dir;
  dir.Write("ok", "text");
  for (const auto& [injected, reason] : {std::pair{EACCES, "Zugriff verweigert"},
                                         {EIO, "Ein-/Ausgabefehler"},
                                         {ENAMETOOLONG, "Dateiname zu lang"},
                                         {EROFS, "Dateisystem ist schreibgeschützt"}}) {
    InjectFileFailure(TFileOp::Read, 0, injected);
    std::string bytes = "old";
    std::string error;
    EXPECT_FALSE(ReadWholeFile(dir.File("ok"), bytes, &error));
    EXPECT_EQ(std::tuple("", reason), std::tuple(bytes, error));
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
