#include "core/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/Files.h"
#include "core/IniStore.h"
#include "core/MessageBox.h"
#include "core/Text.h"
#include "core/Values.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace dudode {
namespace {

constexpr std::size_t kMaxValueLength = 2047;
constexpr std::size_t kKeyListBuffer = 16384;
const char* const kMissing = "INIERROR";

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
#ifdef _WIN32
  if (!home) home = std::getenv("USERPROFILE");
#endif
  std::string dir = home ? home : ".";
  const char sep = static_cast<char>(fs::path::preferred_separator);
  if (dir.empty() || (dir.back() != sep && dir.back() != '/')) dir += sep;
  return dir;
}

// Clears a write protection; false when that is not possible.
bool MakeWritable(const std::string& path) {
#ifndef _WIN32
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || (st.st_mode & S_IWUSR)) return true;
  return ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
#else
  std::error_code ec;
  const fs::path p = fs::u8path(path);
  auto perms = fs::status(p, ec).permissions();
  if (ec || (perms & fs::perms::owner_write) != fs::perms::none) return true;
  fs::permissions(p, fs::perms::owner_write, fs::perm_options::add, ec);
  return !ec;
#endif
}

// Creates and removes the file to learn whether it can be created at all.
int TestCreate(const std::string& path) {
#ifndef _WIN32
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (fd < 0) return errno;
  ::close(fd);
  ::unlink(path.c_str());
  return 0;
#else
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return errno;
  std::fclose(f);
  std::remove(path.c_str());
  return 0;
#endif
}

// The store's bytes of a UTF-8 text; plain ASCII is passed on as it is.
class TBytes {
 public:
  explicit TBytes(std::string_view text) : view_(text) {
    if (!IsAscii(text)) {
      owned_ = Utf8ToCp1252(text);
      view_ = owned_;
    }
  }
  TBytes(const TBytes&) = delete;
  TBytes& operator=(const TBytes&) = delete;
  operator std::string_view() const { return view_; }

 private:
  std::string owned_;
  std::string_view view_;
};

// No byte below a blank and none beyond ASCII; eight bytes at a time. A
// false answer may be wrong (a borrow between bytes), which only costs the
// careful way.
bool IsPrintableAscii(std::string_view text) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHigh = 0x8080808080808080ull;
  auto plainWord = [](std::uint64_t word) { return ((word | (word - kOnes * 0x20)) & kHigh) == 0; };
  const char* p = text.data();
  std::size_t size = text.size();
  if (size < 8) {
    for (; size > 0; ++p, --size) {
      const auto c = static_cast<unsigned char>(*p);
      if (c < 0x20 || c >= 0x80) return false;
    }
    return true;
  }
  std::uint64_t word;
  for (; size > 8; p += 8, size -= 8) {
    std::memcpy(&word, p, 8);
    if (!plainWord(word)) return false;
  }
  // The last eight bytes, some of them looked at already.
  std::memcpy(&word, text.data() + text.size() - 8, 8);
  return plainWord(word);
}

// A stored value as it is read: trimmed, without enclosing quotes, cut to the
// longest value. false when it is the marker of a missing key.
bool ReadableValue(std::string_view& raw) {
  while (!raw.empty() && (raw.front() == ' ' || raw.front() == '\t')) raw.remove_prefix(1);
  while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t')) raw.remove_suffix(1);
  if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') raw = raw.substr(1, raw.size() - 2);
  if (raw.size() > kMaxValueLength) raw = raw.substr(0, kMaxValueLength);
  // The marker that tells a missing key cannot be told from the same text in the file.
  return raw != kMissing;
}

// The key lines of the section, as many as the key list of a caller takes.
std::vector<TIniStore::TKeyValue> ListedKeys(TIniStore& store, std::string_view section) {
  std::vector<TIniStore::TKeyValue> lines;
  store.KeyValues(section, lines);
  std::size_t used = 1;  // the list's closing terminator
  std::size_t count = 0;
  for (; count < lines.size(); ++count) {
    if (used + lines[count].Name.size() + 1 > kKeyListBuffer) break;
    used += lines[count].Name.size() + 1;
  }
  lines.resize(count);
  return lines;
}

}  // namespace

bool IsStorableName(std::string_view name) {
  return !name.empty() && name.find_first_of("[]=") == std::string_view::npos;
}

TTheIniFile::TTheIniFile() = default;

void TTheIniFile::SetSection(const std::string& section) {
  section_ = section;
  // Every access names the section: it is converted here, once.
  if (IsAscii(section)) {
    sectionBytes_.assign(section);
  } else {
    sectionBytes_ = Utf8ToCp1252(section);
  }
}

TTheIniFile::~TTheIniFile() {
  try {
    CloseFile();
  } catch (const EIniError& e) {
    // Nobody is left to catch it: tell the user at least.
    ShowMessageBox(e.what(), {}, mkFehler, mbOK);
  }
}

void TTheIniFile::SetIniFileName(const std::string& name) {
  const bool wasOpen = Open();
  if (wasOpen) CloseFile();
  iniFileName_ = name;
  if (wasOpen) OpenFile();
}

void TTheIniFile::SetDefFilePath(const std::string& path) {
  defFilePath_ = path;
  const char sep = static_cast<char>(fs::path::preferred_separator);
  if (defFilePath_.empty() || (defFilePath_.back() != sep && defFilePath_.back() != '/')) defFilePath_ += sep;
}

void TTheIniFile::SetOpen(bool open) {
  if (open) {
    if (Open()) CloseFile();
    OpenFile();
  } else {
    CloseFile();
  }
}

std::string TTheIniFile::Directory() const {
  switch (location_) {
    case loWinDir:
      return HomeDirectory();
    case loProgDir:
      return ProgramDirectory();
    case loUser:
      return {};
    case loDefUser:
      return defFilePath_;
  }
  return {};
}

void TTheIniFile::OpenFile() {
  errorCode_ = 0;
  if (iniFileName_.empty()) throw EIniError("Bitte Dateiname angeben.");
  // Data file names are matched without regard to case, as on the platform
  // the files come from.
  fullPath_ = Directory() + FindNameNoCase(Directory(), iniFileName_);
  std::error_code ec;
  const bool exists = fs::exists(fs::u8path(fullPath_), ec);
  std::shared_ptr<TIniStore> store;
  if (exists) {
    // A file whose text cannot be read must not be replaced by what little we know of it.
    store = TIniStore::Attach(fullPath_, !replacing_);
    if (store->ReadFailed()) {
      errorCode_ = 5;
      throw EIniError("Die Datei " + fullPath_ + " kann nicht gelesen werden (" + store->ReadError() + ").");
    }
    if (!readOnly_ && !MakeWritable(fullPath_)) {
      errorCode_ = 5;
      throw EIniError("Kann Schreibschutz von " + fullPath_ + " nicht entfernen!");
    }
  } else {
    errorCode_ = 2;
    if (const int e = TestCreate(fullPath_); e != 0) {
      errorCode_ = e;
      return;
    }
  }
  if (!store) store = TIniStore::Attach(fullPath_);
  store_ = std::move(store);
}

void TTheIniFile::CloseFile() {
  if (!store_) return;
  std::shared_ptr<TIniStore> store = std::move(store_);
  store_.reset();
  std::string error;
  if (!store->Flush(&error)) throw EIniError(error);
}

void TTheIniFile::CheckReady() const {
  if (!store_ || section_.empty() || iniFileName_.empty()) throw EIniError("Bitte Dateiname angeben.");
}

std::string TTheIniFile::ReadString(const std::string& key, const std::string& defaultValue) {
  errorCode_ = 0;
  CheckReady();
  std::string_view raw;
  if (!store_->Find(sectionBytes_, TBytes(key), raw) || !ReadableValue(raw)) {
    errorCode_ = -1;
    return defaultValue;
  }
  return Cp1252ToUtf8(raw);
}

void TTheIniFile::ReadSection(std::vector<std::string>& keys) {
  errorCode_ = 0;
  keys.clear();
  CheckReady();
  for (const TIniStore::TKeyValue& line : ListedKeys(*store_, sectionBytes_))
    keys.push_back(Cp1252ToUtf8(line.Name));
  if (keys.empty()) errorCode_ = -1;
}

void TTheIniFile::ReadSectionValues(std::vector<std::string>& values, std::size_t limit) {
  values.clear();
  ForEachSectionValue([&values](std::string_view value) { values.emplace_back(value); }, limit);
}

void TTheIniFile::ForEachSectionValue(const std::function<void(std::string_view)>& each, std::size_t limit,
                                      const std::function<void(std::size_t count)>& before) {
  errorCode_ = 0;
  CheckReady();
  const std::vector<TIniStore::TKeyValue> lines = ListedKeys(*store_, sectionBytes_);
  if (before) before(std::min(lines.size(), limit));
  std::string converted;
  std::size_t count = 0;
  for (const TIniStore::TKeyValue& line : lines) {
    if (count == limit) break;
    ++count;
    std::string_view value = line.Value;
    if (!ReadableValue(value)) {
      value = {};
    } else if (!IsAscii(value)) {
      converted = Cp1252ToUtf8(value);
      value = converted;
    }
    each(value);
  }
  if (count == 0) errorCode_ = -1;
}

bool TTheIniFile::ReadBool(const std::string& key, bool defaultValue) {
  const std::string value = ReadString(key, kMissing);
  if (errorCode_ != 0) return defaultValue;
  if (value == "1") return true;
  bool isInteger = false;
  ParseInteger(value, &isInteger);
  return isInteger ? false : defaultValue;
}

TStoredValue::TStoredValue(std::string_view value) : plain_(IsPrintableAscii(value)) {
  if (!plain_ && !IsAscii(value)) {
    owned_ = Utf8ToCp1252(value);
    value = owned_;
  }
  view_ = value;
  // Most values have nothing a read would drop.
  if (!view_.empty() && view_.size() <= kMaxValueLength) {
    const char first = view_.front(), last = view_.back();
    if (first != ' ' && first != '\t' && last != ' ' && last != '\t' &&
        (first != '"' || last != '"' || view_.size() < 2))
      return;
  }
  for (std::size_t size = view_.size() + 1; view_.size() != size;) {
    size = view_.size();
    ReadableValue(view_);
  }
}

std::string_view StoredKey(std::string_view key, std::string& scratch) {
  if (!IsAscii(key)) {
    scratch = Utf8ToCp1252(key);
    key = scratch;
  }
  return TrimName(key);
}

void TTheIniFile::WriteString(const std::string& key, std::string_view value) {
  errorCode_ = 0;
  CheckReady();
  const TStoredValue stored(value);
  store_->Write(sectionBytes_, TBytes(key), stored.Bytes(), !stored.Plain());
}

void TTheIniFile::WriteIndexed(std::string_view prefix, std::size_t index, std::string_view value) {
  char digits[24];
  std::string key(prefix);
  key.append(digits, std::to_chars(digits, digits + sizeof digits, index).ptr);
  WriteString(key, value);
}

void TTheIniFile::WriteBool(const std::string& key, bool value) {
  WriteString(key, value ? "1" : "0");
}

void TTheIniFile::EraseSection() {
  errorCode_ = 0;
  CheckReady();
  store_->EraseSection(sectionBytes_);
}

bool TTheIniFile::DeleteFile() {
  errorCode_ = 0;
  if (!store_ || iniFileName_.empty()) throw EIniError("Bitte Dateiname angeben.");
  if (!CanReplaceFile(fullPath_)) return false;
  store_->Clear();
  return true;
}

void TTheIniFile::AddLine(const std::string& text, const std::string& prefix) {
  errorCode_ = 0;
  if (!store_ || iniFileName_.empty()) throw EIniError("Bitte Dateiname angeben.");
  store_->AppendLine(Utf8ToCp1252((prefix.empty() ? std::string(";") : prefix) + text));
}

void TTheIniFile::Flush() {
  if (!store_) return;
  std::string error;
  if (!store_->Flush(&error)) throw EIniError(error);
}

void TTheIniFile::WriteText(std::string bytes) {
  errorCode_ = 0;
  if (!store_ || iniFileName_.empty()) throw EIniError("Bitte Dateiname angeben.");
  std::string error;
  if (!store_->WriteText(std::move(bytes), &error)) throw EIniError(error);
}

void TTheIniFile::DiscardChanges() {
  if (store_) store_->Revert();
}

}  // namespace dudode
