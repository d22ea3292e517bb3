#include "core/Files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>
#include <thread>

#include "core/Text.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace dudode {
namespace {

std::string& ProgramDirectoryValue() {
  static std::string directory;
  return directory;
}

long long& WriteFailureAfter() {
  static long long bytes = -1;
  return bytes;
}

struct TInjection {
  int Skip = 0;
  int Error = 0;
};
TInjection& Injection(TFileOp op) {
  static TInjection injections[4];
  return injections[static_cast<int>(op)];
}

// The error number an injected failure of this operation gives, or 0.
int InjectedError(TFileOp op) {
  TInjection& injection = Injection(op);
  if (injection.Error == 0) return 0;
  if (injection.Skip-- > 0) return 0;
  return std::exchange(injection.Error, 0);
}

std::string DefaultProgramDirectory() {
  std::error_code ec;
#ifndef _WIN32
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return exe.parent_path().string();
#endif
  return fs::current_path(ec).string();
}

std::string WithSeparator(std::string directory) {
  const char sep = static_cast<char>(fs::path::preferred_separator);
  if (directory.empty() || (directory.back() != sep && directory.back() != '/')) directory += sep;
  return directory;
}

bool IsTariffFileName(const std::string& name) {
  return name.size() >= 6 && EqualsNoCase(std::string_view(name).substr(0, 6), "rates.");
}

bool IsWritableDirectory(const std::string& directory) {
  std::error_code ec;
  if (!fs::is_directory(fs::u8path(directory), ec)) return false;
#ifndef _WIN32
  return ::access(directory.c_str(), W_OK) == 0;
#else
  const auto perms = fs::status(fs::u8path(directory), ec).permissions();
  return !ec && (perms & fs::perms::owner_write) != fs::perms::none;
#endif
}

std::string WriteFailure(const std::string& path, const std::string& why) {
  return "Die Datei " + path + " konnte nicht geschrieben werden (" + why + ").";
}

#ifndef _WIN32
constexpr std::size_t kMaxNameBytes = 255;

// The file a path names, symbolic links followed (also a link to a file that
// does not exist yet), so that a save replaces the target and keeps the link.
std::string FollowLinks(const std::string& path) {
  fs::path p = fs::u8path(path);
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(p, ec))) break;
    const fs::path target = fs::read_symlink(p, ec);
    if (ec) break;
    p = target.is_absolute() ? target : p.parent_path() / target;
  }
  return p.string();
}

std::string DirectoryOf(const std::string& path) {
  const fs::path p(path);
  return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

// Temporary names ".NAME.XXXXXX", NAME cut so that they stay within the
// system's limit on name length.
std::string TempPrefix(const std::string& path) {
  const std::string name = fs::path(path).filename().string();
  return "." + name.substr(0, std::min(name.size(), kMaxNameBytes - 8)) + ".";
}

std::string RandomSuffix() {
  static std::mt19937_64 random{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()) << 32};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string suffix(6, 'x');
  for (char& c : suffix) c = kLetters[random() % (sizeof kLetters - 1)];
  return suffix;
}

// Temporary files of path left by a save that was killed before its rename.
void RemoveStaleTemps(const std::string& path) {
  const std::string prefix = TempPrefix(path);
  std::error_code ec;
  for (fs::directory_iterator it(fs::path(DirectoryOf(path)), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code fileEc;
    if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
        it->is_regular_file(fileEc) && !fs::is_symlink(it->symlink_status(fileEc))) {
      fs::remove(it->path(), fileEc);
    }
  }
}

void SyncDirectory(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

int RenameFile(const std::string& from, const std::string& to) {
  if (const int e = InjectedError(TFileOp::Rename)) return e;
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// One file's replacement: the new bytes complete and synced in a temporary
// file (unnamed where the system offers it), then put in place by Commit.
class TReplacement {
 public:
  explicit TReplacement(std::string path) : shownPath_(std::move(path)), target_(FollowLinks(shownPath_)) {}
  ~TReplacement() { Abandon(); }
  TReplacement(const TReplacement&) = delete;
  TReplacement& operator=(const TReplacement&) = delete;

  const std::string& Target() const { return target_; }

  bool Prepare(std::string_view bytes, std::string* error) {
    RemoveStaleTemps(target_);
    if (const int e = InjectedError(TFileOp::Write)) return Fail(e, error);
    struct stat old {};
    const bool existed = ::stat(target_.c_str(), &old) == 0;
    mode_t mode = 0;
    if (existed) {
      mode = old.st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
#ifdef O_TMPFILE
    // The unnamed file is given its name through /proc at the end.
    if (::access("/proc/self/fd", X_OK) == 0)
      fd_ = ::open(DirectoryOf(target_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#endif
    if (fd_ < 0) {
      // No unnamed files here: a named one, removed on failure or by the next save.
      for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        tmpPath_ = DirectoryOf(target_) + "/" + TempPrefix(target_) + RandomSuffix();
        fd_ = ::open(tmpPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd_ < 0 && errno != EEXIST) break;
      }
      if (fd_ < 0) {
        const int e = errno;
        tmpPath_.clear();
        return Fail(e, error);
      }
    }
    if (existed && ::fchown(fd_, old.st_uid, old.st_gid) != 0) {
      [[maybe_unused]] const int ignored = ::fchown(fd_, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd_, mode) != 0) return Fail(errno, error);
    if (const int e = WriteAll(bytes)) return Fail(e, error);
    if (::fsync(fd_) != 0) return Fail(errno, error);
    return true;
  }

  bool Commit(std::string* error) {
    if (tmpPath_.empty()) {
      // Give the unnamed file a name beside its target, then rename that.
      const std::string fdPath = "/proc/self/fd/" + std::to_string(fd_);
      int e = EEXIST;
      for (int attempt = 0; attempt < 100 && e == EEXIST; ++attempt) {
        tmpPath_ = DirectoryOf(target_) + "/" + TempPrefix(target_) + RandomSuffix();
        e = ::linkat(AT_FDCWD, fdPath.c_str(), AT_FDCWD, tmpPath_.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                                   : errno;
      }
      if (e != 0) {
        tmpPath_.clear();
        return Fail(e, error);
      }
    }
    ::close(std::exchange(fd_, -1));
    if (const int e = RenameFile(tmpPath_, target_)) return Fail(e, error);
    tmpPath_.clear();
    return true;
  }

  void Abandon() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (!tmpPath_.empty()) ::unlink(std::exchange(tmpPath_, {}).c_str());
  }

 private:
  bool Fail(int errorNumber, std::string* error) {
    Abandon();
    if (error) *error = WriteFailure(shownPath_, SystemErrorText(errorNumber));
    return false;
  }

  int WriteAll(std::string_view bytes) {
    std::size_t written = 0;
    long long& failAfter = WriteFailureAfter();
    while (written < bytes.size()) {
      std::size_t chunk = bytes.size() - written;
      if (failAfter >= 0) {
        if (static_cast<long long>(written) >= failAfter) {
          failAfter = -1;
          return ENOSPC;
        }
        chunk = std::min<std::size_t>(chunk,
                                      static_cast<std::size_t>(failAfter - static_cast<long long>(written)));
      }
      const ssize_t n = ::write(fd_, bytes.data() + written, chunk);
      if (n < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      written += static_cast<std::size_t>(n);
    }
    if (failAfter >= 0) {
      failAfter = -1;
      return ENOSPC;
    }
    return 0;
  }

  std::string shownPath_;
  std::string target_;
  std::string tmpPath_;
  int fd_ = -1;
};
#endif

}  // namespace

std::string SystemErrorText(int errorNumber) {
  switch (errorNumber) {
    case EACCES:
    case EPERM:
      return "Zugriff verweigert";
    case ENOSPC:
      return "Kein Speicherplatz auf dem Datenträger";
    case ENOENT:
      return "Datei oder Verzeichnis nicht gefunden";
    case ENAMETOOLONG:
      return "Dateiname zu lang";
    case EROFS:
      return "Dateisystem ist schreibgeschützt";
    case EISDIR:
      return "Ist ein Verzeichnis";
    case EIO:
      return "Ein-/Ausgabefehler";
#ifdef EDQUOT
    case EDQUOT:
      return "Speicherkontingent überschritten";
#endif
    default:
      return std::strerror(errorNumber);
  }
}

const std::string& ProgramDirectory() {
  if (ProgramDirectoryValue().empty()) ProgramDirectoryValue() = WithSeparator(DefaultProgramDirectory());
  return ProgramDirectoryValue();
}

void SetProgramDirectory(std::string directory) {
  ProgramDirectoryValue() = WithSeparator(std::move(directory));
}

std::string ChooseProgramDirectory(const TProgramDirectorySources& sources) {
  if (!sources.Option.empty()) return WithSeparator(sources.Option);
  if (!sources.Environment.empty()) return WithSeparator(sources.Environment);
  if (!sources.ExecutableDir.empty() && IsWritableDirectory(sources.ExecutableDir) &&
      HoldsTariffFiles(sources.ExecutableDir)) {
    return WithSeparator(sources.ExecutableDir);
  }
  return WithSeparator(sources.UserDataDir.empty() ? sources.ExecutableDir : sources.UserDataDir);
}

bool PrepareProgramDirectory(const std::string& directory, const std::string& sampleDir, std::string* error,
                             int* copied) {
  if (copied) *copied = 0;
  std::error_code ec;
  const fs::path dir = fs::u8path(directory);
  if (fs::is_directory(dir, ec)) return true;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) {
    if (error) *error = "Das Programmverzeichnis " + directory + " kann nicht angelegt werden.";
    return false;
  }
  if (sampleDir.empty()) return true;
  for (fs::directory_iterator it(fs::u8path(sampleDir), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fileEc;
    if (!it->is_regular_file(fileEc)) continue;
    if (fs::copy_file(it->path(), dir / it->path().filename(), fs::copy_options::skip_existing, fileEc) &&
        copied) {
      ++*copied;
    }
  }
  return true;
}

bool HoldsTariffFiles(const std::string& directory) {
  std::error_code ec;
  for (fs::directory_iterator it(fs::u8path(directory), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fileEc;
    if (IsTariffFileName(it->path().filename().string()) && it->is_regular_file(fileEc) &&
        it->file_size(fileEc) > 0 && !fileEc) {
      return true;
    }
  }
  return false;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(fs::u8path(path), ec);
}

TReadStatus ReadFileLimited(const std::string& path, std::string& bytes, std::string* error,
                            std::uint64_t maxBytes) {
  bytes.clear();
  auto fail = [&](TReadStatus status, const std::string& why) {
    bytes.clear();
    if (error) *error = why;
    return status;
  };
  if (const int e = InjectedError(TFileOp::Read)) return fail(TReadStatus::Failed, SystemErrorText(e));
#ifndef _WIN32
  // Non-blocking, so that opening a FIFO cannot hang before it is refused.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int e = errno;
    return fail(e == ENOENT ? TReadStatus::Missing : TReadStatus::Failed, SystemErrorText(e));
  }
  struct stat st {};
  TReadStatus status = TReadStatus::Ok;
  std::string why;
  if (::fstat(fd, &st) != 0) {
    status = TReadStatus::Failed;
    why = SystemErrorText(errno);
  } else if (!S_ISREG(st.st_mode)) {
    status = TReadStatus::NotRegular;
    why = "keine gewöhnliche Datei";
  } else if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
    status = TReadStatus::TooLarge;
    why = "größer als " + std::to_string(maxBytes / (1024 * 1024)) + " MB";
  } else {
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        status = TReadStatus::Failed;
        why = SystemErrorText(errno);
        break;
      }
      if (n == 0) break;
      bytes.append(buffer, static_cast<std::size_t>(n));
      if (bytes.size() > maxBytes) {
        status = TReadStatus::TooLarge;
        why = "größer als " + std::to_string(maxBytes / (1024 * 1024)) + " MB";
        break;
      }
    }
  }
  ::close(fd);
  return status == TReadStatus::Ok ? status : fail(status, why);
#else
  std::error_code ec;
  const fs::path p = fs::u8path(path);
  if (!fs::exists(p, ec)) return fail(TReadStatus::Missing, SystemErrorText(ENOENT));
  if (!fs::is_regular_file(p, ec)) return fail(TReadStatus::NotRegular, "keine gewöhnliche Datei");
  if (fs::file_size(p, ec) > maxBytes) return fail(TReadStatus::TooLarge, "zu groß");
  std::FILE* f = _wfopen(p.c_str(), L"rb");
  if (!f) return fail(TReadStatus::Failed, SystemErrorText(errno));
  char buffer[65536];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  return failed ? fail(TReadStatus::Failed, "Lesefehler") : TReadStatus::Ok;
#endif
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error) {
  return ReadFileLimited(path, bytes, error, UINT64_MAX) == TReadStatus::Ok;
}

void InjectWriteFailureAfter(long long bytes) {
  WriteFailureAfter() = bytes;
}

void InjectFileFailure(TFileOp op, int skip, int errorNumber) {
  Injection(op) = {skip, errorNumber};
}

bool CanReplaceFile(const std::string& path, std::string* error) {
  if (const int e = InjectedError(TFileOp::Replace)) {
    if (error) *error = SystemErrorText(e);
    return false;
  }
#ifndef _WIN32
  const std::string target = FollowLinks(path);
  if (::access(DirectoryOf(target).c_str(), W_OK | X_OK) != 0) {
    if (error) *error = SystemErrorText(errno);
    return false;
  }
  std::error_code ec;
  if (fs::exists(fs::path(target), ec) && ::access(target.c_str(), W_OK) != 0) {
    if (error) *error = SystemErrorText(errno);
    return false;
  }
#else
  (void)path;
  (void)error;
#endif
  return true;
}

bool AtomicWriteFile(const std::string& path, const std::string& bytes, std::string* error) {
  // The bytes are passed on as a view: a copy of a large file costs as much as its write.
  return AtomicWriteFiles({{path, bytes}}, error);
}

#ifndef _WIN32
bool AtomicWriteFiles(const std::vector<std::pair<std::string, std::string_view>>& files,
                      std::string* error) {
  std::vector<std::unique_ptr<TReplacement>> replacements;
  for (const auto& [path, bytes] : files) {
    replacements.push_back(std::make_unique<TReplacement>(path));
    if (!replacements.back()->Prepare(bytes, error)) return false;
  }
  // A second name for each old file but the last, to put it back by a rename
  // (which needs no space) when a later file cannot be replaced.
  std::vector<std::string> backups(files.size());
  auto dropBackups = [&] {
    for (const std::string& backup : backups) {
      if (!backup.empty()) ::unlink(backup.c_str());
    }
  };
  for (std::size_t i = 0; i + 1 < files.size(); ++i) {
    const std::string& target = replacements[i]->Target();
    int e = EEXIST;
    for (int attempt = 0; attempt < 100 && e == EEXIST; ++attempt) {
      backups[i] = DirectoryOf(target) + "/" + TempPrefix(target) + RandomSuffix();
      e = ::link(target.c_str(), backups[i].c_str()) == 0 ? 0 : errno;
    }
    if (e == 0) continue;
    backups[i].clear();
    if (e == ENOENT) continue;  // nothing to put back: the file is removed instead
    dropBackups();
    if (error) *error = WriteFailure(files[i].first, SystemErrorText(e));
    return false;
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (replacements[i]->Commit(error)) continue;
    for (std::size_t j = 0; j < i; ++j) {
      const std::string& target = replacements[j]->Target();
      if (backups[j].empty()) {
        ::unlink(target.c_str());
      } else if (::rename(backups[j].c_str(), target.c_str()) == 0) {
        backups[j].clear();
      }
    }
    dropBackups();
    return false;
  }
  dropBackups();
  // After the renames and the removal of the second names, so that a kill
  // leaves as little behind as possible.
  for (const auto& replacement : replacements) SyncDirectory(DirectoryOf(replacement->Target()));
  return true;
}
#else
bool AtomicWriteFiles(const std::vector<std::pair<std::string, std::string_view>>& files,
                      std::string* error) {
  for (const auto& [path, bytes] : files) {
    const fs::path target = fs::u8path(path);
    const fs::path tmp = target.parent_path() / fs::u8path("." + target.filename().u8string() + ".tmp");
    std::FILE* f = _wfopen(tmp.c_str(), L"wb");
    if (!f) {
      if (error) *error = WriteFailure(path, SystemErrorText(errno));
      return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
    std::fclose(f);
    std::error_code ec;
    if (ok) fs::rename(tmp, target, ec);
    if (!ok || ec) {
      fs::remove(tmp, ec);
      if (error) *error = WriteFailure(path, ok ? ec.message() : "Schreibfehler");
      return false;
    }
  }
  return true;
}
#endif

TFileLock::~TFileLock() {
#ifndef _WIN32
  if (fd_ >= 0) ::close(fd_);
#endif
}

bool TFileLock::Acquire(const std::string& path, std::string* error, int waitMs) {
#ifndef _WIN32
  const std::string target = FollowLinks(path);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  for (;;) {
    const int fd = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
      // A file that is not there yet needs no lock: nothing can be lost.
      if (errno == ENOENT) return true;
      if (error)
        *error = "Die Datei " + path + " kann nicht gesperrt werden (" + SystemErrorText(errno) + ").";
      return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      // The lock must be on the file the name stands for now, not on one a
      // writer has just replaced.
      struct stat locked {};
      struct stat named {};
      if (::fstat(fd, &locked) == 0 && ::stat(target.c_str(), &named) == 0 && locked.st_dev == named.st_dev &&
          locked.st_ino == named.st_ino) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
        return true;
      }
      ::close(fd);
      continue;
    }
    ::close(fd);
    if (std::chrono::steady_clock::now() >= deadline) {
      if (error) *error = "Die Datei " + path + " wird gerade von einem anderen Programm bearbeitet.";
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
#else
  (void)path;
  (void)error;
  (void)waitMs;
  return true;
#endif
}

TFileStamp FileStampOf(const std::string& path) {
  std::error_code ec;
  const fs::path p = fs::u8path(path);
  TFileStamp stamp;
  const auto size = fs::file_size(p, ec);
  if (ec) return stamp;
  const auto time = fs::last_write_time(p, ec);
  if (ec) return stamp;
  stamp.Size = static_cast<std::int64_t>(size);
  stamp.Time = static_cast<std::int64_t>(time.time_since_epoch().count());
  return stamp;
}

std::string FileChangedQuestion(const std::string& path) {
  return "Die Datei " + path +
         " wurde seit dem Laden von einem anderen Programm geändert.\rSoll sie trotzdem überschrieben "
         "werden?";
}

std::vector<std::string> ListTariffFiles() {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(fs::u8path(ProgramDirectory()), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!IsTariffFileName(name)) continue;
    std::error_code fileEc;
    if (!it->is_regular_file(fileEc)) continue;
    const auto size = it->file_size(fileEc);
    if (fileEc) continue;
    if (size == 0) {
      fs::remove(it->path(), fileEc);  // an empty tariff file is a left-over
      continue;
    }
    names.push_back(name);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return AsciiLower(a) < AsciiLower(b); });
  return names;
}

std::string NewTariffFileName() {
  const std::vector<std::string> existing = ListTariffFiles();
  auto taken = [&](const std::string& candidate) {
    return std::any_of(existing.begin(), existing.end(),
                       [&](const std::string& name) { return EqualsNoCase(name, candidate); });
  };
  for (int n = 0; n <= 999; ++n) {
    const std::string name = "RATES." + std::to_string(n);
    if (!taken(name)) return name;
  }
  for (char c = 'A'; c <= 'Z'; ++c) {
    const std::string name = std::string("RATES.") + c;
    if (!taken(name)) return name;
  }
  return "RATES.\u00FF";
}

std::string FindNameNoCase(const std::string& directory, const std::string& name) {
  std::error_code ec;
  if (name.find('/') != std::string::npos || fs::exists(fs::u8path(directory + name), ec)) return name;
  const fs::path dir = fs::u8path(directory.empty() ? std::string(".") : directory);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (EqualsNoCase(candidate, name)) return candidate;
  }
  return name;
}

}  // namespace dudode
