#pragma once
// The program directory, whole-file reads and atomic whole-file writes, file
// locks and stamps, and the names of tariff files.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dudode {

// Directory of the program, ending in the path separator. The editor sets it
// once at start from ChooseProgramDirectory, the command line from its
// argument.
const std::string& ProgramDirectory();
void SetProgramDirectory(std::string directory);

// What may name the program directory, strongest first. Empty means not given.
struct TProgramDirectorySources {
  std::string Option;         // --dir DIR
  std::string Environment;    // the environment variable
  std::string ExecutableDir;  // where the running program lies
  std::string UserDataDir;    // the user's own data directory for the program
};
inline constexpr const char* kProgramDirectoryVariable = "DUDODE_DIR";
// The option, else the environment variable, else the executable's directory
// when it is writable and holds tariff files (build tree, portable use), else
// the user's data directory. With a trailing separator.
std::string ChooseProgramDirectory(const TProgramDirectorySources& sources);
// Creates directory when it does not exist yet and then copies the files of
// sampleDir into it, so that a first start has something to open. An existing
// directory is left alone. false with a German message in error when the
// directory cannot be created. copied counts the files copied.
bool PrepareProgramDirectory(const std::string& directory, const std::string& sampleDir, std::string* error,
                             int* copied = nullptr);
bool HoldsTariffFiles(const std::string& directory);

bool FileExists(const std::string& path);

// The German text of a system error number, for messages.
std::string SystemErrorText(int errorNumber);

enum class TReadStatus { Ok, Missing, Failed, NotRegular, TooLarge };
// Reads a whole regular file of at most maxBytes. Anything else (a FIFO, a
// device, a directory, a larger file) is refused without being read, so a
// reader can neither hang nor eat memory. error gets a German description.
TReadStatus ReadFileLimited(const std::string& path, std::string& bytes, std::string* error,
                            std::uint64_t maxBytes);
// ReadFileLimited without a size limit; false unless the file was read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error = nullptr);

// Writes a file by writing a temporary file beside it, syncing it and renaming
// it over the old one. A symbolic link keeps pointing at the replaced file,
// which keeps its permission bits and, where the process may, its owner. A
// failure leaves the old file untouched and returns false with a German
// description in error.
bool AtomicWriteFile(const std::string& path, const std::string& bytes, std::string* error = nullptr);
// Replaces several files as one: every new file is written completely before
// the first is renamed into place, and the files already replaced are put back
// when a later one cannot be. Only a crash between the renames parts them.
bool AtomicWriteFiles(const std::vector<std::pair<std::string, std::string_view>>& files,
                      std::string* error = nullptr);
// Whether the file at path could be replaced by AtomicWriteFile (its directory
// takes new files and the file itself is not protected).
bool CanReplaceFile(const std::string& path, std::string* error = nullptr);

// Tests only: the next atomic writes fail after this many bytes (-1: never).
void InjectWriteFailureAfter(long long bytes);
// Tests only: after skip successful operations of the kind, the next one
// fails with errorNumber (errorNumber 0 clears the injection). Replace is the
// check of CanReplaceFile, which permissions cannot make fail for root.
enum class TFileOp { Read, Write, Rename, Replace };
void InjectFileFailure(TFileOp op, int skip, int errorNumber);

// An advisory lock held on a file while a command reads, changes and writes
// it. A second holder waits a while and then gives up with a message.
class TFileLock {
 public:
  TFileLock() = default;
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;
  // false with a German message when the lock cannot be had in waitMs.
  bool Acquire(const std::string& path, std::string* error, int waitMs = 30000);

 private:
  int fd_ = -1;
};

// What a document remembers of the file it loaded, to tell whether another
// program has changed it since.
struct TFileStamp {
  std::int64_t Size = -1;  // -1: no file
  std::int64_t Time = 0;
  bool operator==(const TFileStamp&) const = default;
};
TFileStamp FileStampOf(const std::string& path);
// The question before saving over a file that changed on disk since it was
// loaded; its default answer is "Nein".
std::string FileChangedQuestion(const std::string& path);

// Tariff files of the program directory ("Rates.*", any case); files of size 0
// are deleted on the spot.
std::vector<std::string> ListTariffFiles();
std::string NewTariffFileName();
// The name of the file in directory whose name equals name without regard to
// case (the exact name first); name itself when there is none.
std::string FindNameNoCase(const std::string& directory, const std::string& name);

}  // namespace dudode
