#pragma once
// The program directory, whole-file reads and atomic whole-file writes, and the
// names of tariff files.
#include <cstdint>
#include <string>
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
// Reads a whole file; false (with errno text in error) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error = nullptr);

// Writes a file by writing a temporary file beside it, syncing it and renaming
// it over the old one. A failure leaves the old file untouched and returns
// false with a German description in error.
bool AtomicWriteFile(const std::string& path, const std::string& bytes, std::string* error = nullptr);
// Whether the file at path could be replaced by AtomicWriteFile (its directory
// takes new files and the file itself is not protected).
bool CanReplaceFile(const std::string& path, std::string* error = nullptr);
// Tests only: the next atomic writes fail after this many bytes (-1: never).
void InjectWriteFailureAfter(long long bytes);

// Tariff files of the program directory ("Rates.*", any case); files of size 0
// are deleted on the spot.
std::vector<std::string> ListTariffFiles();
std::string NewTariffFileName();

}  // namespace dudode
