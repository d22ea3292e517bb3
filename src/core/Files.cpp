#include "core/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/Text.h"

#ifndef _WIN32
#include <fcntl.h>
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

std::string SystemErrorText(int errorNumber) {
  return std::strerror(errorNumber);
}

}  // namespace

const std::string& ProgramDirectory() {
  if (ProgramDirectoryValue().empty()) ProgramDirectoryValue() = WithSeparator(DefaultProgramDirectory());
  return ProgramDirectoryValue();
}

void SetProgramDirectory(std::string directory) {
  ProgramDirectoryValue() = WithSeparator(std::move(directory));
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(fs::u8path(path), ec);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error) {
  bytes.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    if (error) *error = SystemErrorText(errno);
    return false;
  }
  char buffer[65536];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed && error) *error = "Lesefehler";
  return !failed;
}

void InjectWriteFailureAfter(long long bytes) {
  WriteFailureAfter() = bytes;
}

bool CanReplaceFile(const std::string& path, std::string* error) {
  const fs::path p = fs::u8path(path);
  const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
#ifndef _WIN32
  if (::access(dir.c_str(), W_OK | X_OK) != 0) {
    if (error) *error = SystemErrorText(errno);
    return false;
  }
  std::error_code ec;
  if (fs::exists(p, ec) && ::access(p.c_str(), W_OK) != 0) {
    if (error) *error = SystemErrorText(errno);
    return false;
  }
#else
  (void)dir;
#endif
  return true;
}

bool AtomicWriteFile(const std::string& path, const std::string& bytes, std::string* error) {
  const fs::path target = fs::u8path(path);
  auto fail = [&](const std::string& why) {
    if (error) *error = "Die Datei " + path + " konnte nicht geschrieben werden (" + why + ").";
    return false;
  };
#ifndef _WIN32
  const std::string dir = target.has_parent_path() ? target.parent_path().string() : std::string(".");
  std::string tmpl = dir + "/." + target.filename().string() + ".XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return fail(SystemErrorText(errno));
  const std::string tmpPath(name.data());
  auto abandon = [&](const std::string& why) {
    ::close(fd);
    ::unlink(tmpPath.c_str());
    return fail(why);
  };
  // Keep the old file's permissions; a new file gets the usual ones.
  struct stat old {};
  mode_t mode = 0644;
  if (::stat(path.c_str(), &old) == 0)
    mode = old.st_mode & 07777;
  else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);

  std::size_t written = 0;
  long long& failAfter = WriteFailureAfter();
  while (written < bytes.size()) {
    std::size_t chunk = bytes.size() - written;
    if (failAfter >= 0) {
      if (static_cast<long long>(written) >= failAfter) {
        failAfter = -1;
        return abandon(SystemErrorText(ENOSPC));
      }
      chunk =
          std::min<std::size_t>(chunk, static_cast<std::size_t>(failAfter - static_cast<long long>(written)));
    }
    const ssize_t n = ::write(fd, bytes.data() + written, chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      return abandon(SystemErrorText(errno));
    }
    written += static_cast<std::size_t>(n);
  }
  if (failAfter >= 0) {
    failAfter = -1;
    return abandon(SystemErrorText(ENOSPC));
  }
  if (::fsync(fd) != 0) return abandon(SystemErrorText(errno));
  if (::close(fd) != 0) {
    ::unlink(tmpPath.c_str());
    return fail(SystemErrorText(errno));
  }
  if (::rename(tmpPath.c_str(), path.c_str()) != 0) {
    const int e = errno;
    ::unlink(tmpPath.c_str());
    return fail(SystemErrorText(e));
  }
  return true;
#else
  const fs::path tmp = target.parent_path() / fs::u8path("." + target.filename().u8string() + ".tmp");
  {
    std::FILE* f = _wfopen(tmp.c_str(), L"wb");
    if (!f) return fail(SystemErrorText(errno));
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
    std::fclose(f);
    if (!ok) {
      fs::remove(tmp);
      return fail("Schreibfehler");
    }
  }
  std::error_code ec;
  fs::rename(tmp, target, ec);
  if (ec) {
    fs::remove(tmp);
    return fail(ec.message());
  }
  return true;
#endif
}

std::vector<std::string> ListTariffFiles() {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(fs::u8path(ProgramDirectory()), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() < 6 || !EqualsNoCase(std::string_view(name).substr(0, 6), "rates.")) continue;
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

}  // namespace dudode
