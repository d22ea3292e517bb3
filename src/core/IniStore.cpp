#include "core/IniStore.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "core/Files.h"

namespace fs = std::filesystem;

namespace dudode {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::map<std::string, std::weak_ptr<TIniStore>>& Registry() {
  static std::map<std::string, std::weak_ptr<TIniStore>> registry;
  return registry;
}

}  // namespace

std::string FoldName(std::string_view name) {
  std::string out(Trim(name));
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
      c = static_cast<char>(b + 0x20);
    } else if (b == 0x8A || b == 0x8C || b == 0x8E) {
      c = static_cast<char>(b + 0x10);
    } else if (b == 0x9F) {
      c = static_cast<char>(0xFF);
    }
  }
  return out;
}

TIniStore::TIniStore(std::string path) : path_(std::move(path)) {
  Load();
}

std::shared_ptr<TIniStore> TIniStore::Attach(const std::string& path) {
  auto& registry = Registry();
  // Drop entries of stores that are gone, so the registry does not grow.
  for (auto it = registry.begin(); it != registry.end();) {
    it = it->second.expired() ? registry.erase(it) : std::next(it);
  }
  if (auto it = registry.find(path); it != registry.end()) {
    std::shared_ptr<TIniStore> store = it->second.lock();
    // Another program may have changed the file since; pending writes win.
    if (!store->dirty_ && (store->readFailed_ || store->DiskChanged())) store->Load();
    return store;
  }
  auto store = std::make_shared<TIniStore>(path);
  registry[path] = store;
  return store;
}

void TIniStore::Load() {
  preamble_.clear();
  sections_.clear();
  sectionIndex_.clear();
  dirty_ = false;
  cleared_ = false;
  std::string bytes;
  readFailed_ = FileExists(path_) && !ReadWholeFile(path_, bytes, &readError_);
  Parse(bytes);
  RememberDiskState();
}

void TIniStore::Parse(std::string_view bytes) {
  // NUL bytes after the last line are padding, not text.
  while (!bytes.empty() && bytes.back() == '\0') bytes.remove_suffix(1);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    AddParsedLine(std::string(bytes.substr(pos, end - pos)));
    // CR LF, a lone CR and a lone LF each end one line.
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
    pos = end + 1;
  }
}

TIniStore::TLine TIniStore::MakeLine(std::string text) {
  TLine line;
  const std::string_view t = Trim(text);
  if (!t.empty() && t.front() != ';') {
    const std::size_t eq = text.find('=');
    if (eq != std::string::npos) {
      std::string folded = FoldName(std::string_view(text).substr(0, eq));
      if (!folded.empty()) {
        line.FoldedKey = std::move(folded);
        line.ValueStart = eq + 1;
      }
    }
  }
  line.Text = std::move(text);
  return line;
}

void TIniStore::AddParsedLine(std::string text) {
  const std::string_view t = Trim(text);
  if (!t.empty() && t.front() == '[') {
    std::string_view name = t.substr(1);
    if (const std::size_t close = name.find(']'); close != std::string_view::npos)
      name = name.substr(0, close);
    auto section = std::make_unique<TSection>();
    section->FoldedName = FoldName(name);
    section->Header = std::move(text);
    sectionIndex_.emplace(section->FoldedName, section.get());
    sections_.push_back(std::move(section));
    return;
  }
  if (sections_.empty()) {
    preamble_.push_back(std::move(text));
    return;
  }
  TSection& section = *sections_.back();
  TLine line = MakeLine(std::move(text));
  if (!line.FoldedKey.empty()) {
    section.KeyIndex.emplace(line.FoldedKey, section.Body.size());
    section.LastKeyLine = section.Body.size() + 1;
  }
  section.Body.push_back(std::move(line));
}

TIniStore::TSection* TIniStore::FindSection(std::string_view section) {
  auto it = sectionIndex_.find(FoldName(section));
  return it == sectionIndex_.end() ? nullptr : it->second;
}

const TIniStore::TSection* TIniStore::FindSection(std::string_view section) const {
  auto it = sectionIndex_.find(FoldName(section));
  return it == sectionIndex_.end() ? nullptr : it->second;
}

bool TIniStore::Find(std::string_view section, std::string_view key, std::string_view& value) const {
  const TSection* s = FindSection(section);
  if (!s) return false;
  auto it = s->KeyIndex.find(FoldName(key));
  if (it == s->KeyIndex.end()) return false;
  const TLine& line = s->Body[it->second];
  value = std::string_view(line.Text).substr(line.ValueStart);
  return true;
}

bool TIniStore::Keys(std::string_view section, std::vector<std::string>& keys) const {
  const TSection* s = FindSection(section);
  if (!s) return false;
  for (const TLine& line : s->Body) {
    if (line.FoldedKey.empty()) continue;
    keys.emplace_back(Trim(std::string_view(line.Text).substr(0, line.ValueStart - 1)));
  }
  return true;
}

void TIniStore::Write(std::string_view section, std::string_view key, std::string_view value) {
  std::string cleanValue(value);
  // A line break inside a value would split the line and corrupt the file.
  for (char& c : cleanValue) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  TSection* s = FindSection(section);
  if (!s) {
    auto created = std::make_unique<TSection>();
    created->FoldedName = FoldName(section);
    created->Header = "[" + std::string(section) + "]";
    s = created.get();
    sectionIndex_.emplace(created->FoldedName, s);
    sections_.push_back(std::move(created));
  }
  const std::string folded = FoldName(key);
  if (auto it = s->KeyIndex.find(folded); it != s->KeyIndex.end()) {
    TLine& line = s->Body[it->second];
    std::string name(Trim(std::string_view(line.Text).substr(0, line.ValueStart - 1)));
    line.Text = name + "=" + cleanValue;
    line.ValueStart = name.size() + 1;
  } else {
    TLine line = MakeLine(std::string(Trim(key)) + "=" + cleanValue);
    line.FoldedKey = folded;
    // After the section's last key: the lines that follow it hold no key, so no index moves.
    const std::size_t at = s->LastKeyLine;
    s->Body.insert(s->Body.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    s->KeyIndex.emplace(folded, at);
    s->LastKeyLine = at + 1;
  }
  dirty_ = true;
}

void TIniStore::EraseSection(std::string_view section) {
  // Every section of that name goes: a hidden duplicate would otherwise come
  // to light with its old keys once the first is gone.
  const std::string folded = FoldName(section);
  bool erased = false;
  for (const auto& s : sections_) {
    if (s->Erased || s->FoldedName != folded) continue;
    s->Erased = true;
    s->Body.clear();
    s->KeyIndex.clear();
    erased = true;
  }
  if (!erased) return;
  sectionIndex_.erase(folded);
  dirty_ = true;
}

void TIniStore::Clear() {
  preamble_.clear();
  sections_.clear();
  sectionIndex_.clear();
  dirty_ = true;
  cleared_ = true;
}

void TIniStore::AppendLine(std::string_view line) {
  AddParsedLine(std::string(line));
  dirty_ = true;
}

std::string TIniStore::Serialize() const {
  std::string out;
  auto put = [&out](const std::string& line) {
    out += line;
    out += "\r\n";
  };
  for (const std::string& line : preamble_) put(line);
  for (const auto& s : sections_) {
    if (s->Erased) continue;
    put(s->Header);
    for (const TLine& line : s->Body) put(line.Text);
  }
  return out;
}

bool TIniStore::Flush(std::string* error) {
  if (!dirty_) return true;
  const std::string bytes = Serialize();
  if (bytes.empty() && cleared_) {
    std::error_code ec;
    fs::remove(fs::u8path(path_), ec);
    if (ec) {
      if (error) *error = "Die Datei " + path_ + " konnte nicht gelöscht werden (" + ec.message() + ").";
      return false;
    }
  } else if (!AtomicWriteFile(path_, bytes, error)) {
    return false;
  }
  dirty_ = false;
  cleared_ = false;
  RememberDiskState();
  return true;
}

bool TIniStore::DiskChanged() const {
  std::error_code ec;
  const fs::path p = fs::u8path(path_);
  const auto size = fs::file_size(p, ec);
  const std::int64_t nowSize = ec ? -1 : static_cast<std::int64_t>(size);
  std::int64_t nowTime = 0;
  if (!ec) nowTime = fs::last_write_time(p, ec).time_since_epoch().count();
  return nowSize != diskSize_ || nowTime != diskTime_;
}

void TIniStore::RememberDiskState() {
  std::error_code ec;
  const fs::path p = fs::u8path(path_);
  const auto size = fs::file_size(p, ec);
  diskSize_ = ec ? -1 : static_cast<std::int64_t>(size);
  diskTime_ = 0;
  if (!ec) diskTime_ = fs::last_write_time(p, ec).time_since_epoch().count();
}

}  // namespace dudode
