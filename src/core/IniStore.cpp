#include "core/IniStore.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>
#include <utility>

#include "core/Files.h"
#include "core/Text.h"

namespace fs = std::filesystem;

namespace dudode {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::size_t kArenaBlock = 64 * 1024;

// Windows-1252 case folding: ASCII and the accented capitals fold to small letters.
constexpr std::array<unsigned char, 256> kFold = [] {
  std::array<unsigned char, 256> fold{};
  for (int b = 0; b < 256; ++b) {
    int f = b;
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
      f = b + 0x20;
    } else if (b == 0x8A || b == 0x8C || b == 0x8E) {
      f = b + 0x10;
    } else if (b == 0x9F) {
      f = 0xFF;
    }
    fold[static_cast<std::size_t>(b)] = static_cast<unsigned char>(f);
  }
  return fold;
}();

unsigned char Folded(char c) {
  return kFold[static_cast<unsigned char>(c)];
}

// Eight folded bytes of a name as one word.
std::uint64_t FoldedWord(const char* bytes, std::size_t count) {
  std::uint64_t word = 0;
  if (count == 8) {
    std::memcpy(&word, bytes, 8);
  } else {
    for (std::size_t i = 0; i < count; ++i)
      word |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  }
  constexpr std::uint64_t kHigh = 0x8080808080808080ull;
  if ((word & kHigh) == 0) {
    // Plain ASCII: the bytes 'A' to 'Z' get the bit of the small letters, all at once.
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    const std::uint64_t upper = ((word + kOnes * (0x80 - 'A')) ^ (word + kOnes * (0x80 - 'Z' - 1))) & kHigh;
    return word | (upper >> 2);
  }
  unsigned char folded[8] = {};
  for (std::size_t i = 0; i < count; ++i) folded[i] = Folded(bytes[i]);
  std::memcpy(&word, folded, sizeof word);
  return word;
}

bool IsHeader(std::string_view line) {
  const std::string_view t = TrimName(line);
  return !t.empty() && t.front() == '[';
}

std::map<std::string, std::weak_ptr<TIniStore>>& Registry() {
  static std::map<std::string, std::weak_ptr<TIniStore>> registry;
  return registry;
}

}  // namespace

// A hash of the folded bytes of a trimmed name, eight bytes a step.
std::uint32_t FoldHash(std::string_view name) {
  std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ name.size();
  auto mix = [&hash](std::uint64_t word) {
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 32;
  };
  std::size_t i = 0;
  for (; i + 8 <= name.size(); i += 8) mix(FoldedWord(name.data() + i, 8));
  if (i < name.size()) {
    // The rest of a long name as the last eight bytes, overlapping hashed
    // ones: names of one size take the same bytes, so equal names still agree.
    mix(name.size() >= 8 ? FoldedWord(name.data() + name.size() - 8, 8)
                         : FoldedWord(name.data() + i, name.size() - i));
  }
  // Every bit of the words reaches the low bits the tables look at first:
  // the bytes that tell keys apart often stand at the end of a name, which is
  // the top of its last word.
  hash ^= hash >> 33;
  hash *= 0xC4CEB9FE1A85EC53ull;
  hash ^= hash >> 33;
  return static_cast<std::uint32_t>(hash);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Folded(a[i]) != Folded(b[i])) return false;
  }
  return true;
}

std::string FoldName(std::string_view name) {
  std::string out(TrimName(name));
  for (char& c : out) c = static_cast<char>(Folded(c));
  return out;
}

void TNameIndex::Insert(std::uint32_t hash, std::uint32_t value) {
  if ((used_ + 1) * 4 > slots_.size() * 3) Grow();
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].Value != kEmpty && slots_[i].Value != kGone) i = (i + 1) & mask;
  if (slots_[i].Value == kEmpty) ++used_;
  slots_[i] = {hash, value};
}

void TNameIndex::Reserve(std::size_t count) {
  std::size_t size = 8;
  while (size * 3 < (count + 1) * 4) size *= 2;
  // Only a table without numbers is sized anew here.
  if (size <= slots_.size() || used_ != 0) return;
  slots_.assign(size, TSlot{});
}

void TNameIndex::Grow() {
  std::vector<TSlot> old = std::move(slots_);
  std::size_t live = 0;
  for (const TSlot& slot : old) live += slot.Value != kEmpty && slot.Value != kGone;
  std::size_t size = 8;
  while (size < (live + 1) * 2) size *= 2;
  slots_.assign(size, TSlot{});
  used_ = 0;
  const std::size_t mask = size - 1;
  for (const TSlot& slot : old) {
    if (slot.Value == kEmpty || slot.Value == kGone) continue;
    std::size_t i = slot.Hash & mask;
    while (slots_[i].Value != kEmpty) i = (i + 1) & mask;
    slots_[i] = slot;
    ++used_;
  }
}

std::string_view TIniStore::TLine::Name() const {
  return TrimName(Text.substr(0, KeyEnd));
}

std::uint32_t TIniStore::TSection::FindKey(std::uint32_t hash, std::string_view name) const {
  return KeyIndex.Find(hash, [&](std::uint32_t line) { return SameName(Body[line].Name(), name); });
}

TIniStore::TIniStore(std::string path, bool read) : path_(std::move(path)) {
  // Unread, the store differs from the disk, so that a reader attaching to it
  // before the replacement reads the file after all.
  if (read) Load();
}

std::shared_ptr<TIniStore> TIniStore::Attach(const std::string& path, bool read) {
  auto& registry = Registry();
  // Drop entries of stores that are gone, so the registry does not grow.
  for (auto it = registry.begin(); it != registry.end();) {
    it = it->second.expired() ? registry.erase(it) : std::next(it);
  }
  if (auto it = registry.find(path); it != registry.end()) {
    std::shared_ptr<TIniStore> store = it->second.lock();
    // Another program may have changed the file since; pending writes win.
    if (!store->dirty_ && (store->replaced_ || store->readFailed_ || store->DiskChanged())) store->Load();
    return store;
  }
  auto store = std::make_shared<TIniStore>(path, read);
  registry[path] = store;
  return store;
}

void TIniStore::Load() {
  replaced_ = false;
  preamble_.clear();
  writeSection_ = nullptr;
  sections_.clear();
  sectionIndex_.Clear();
  arena_.clear();
  arenaNext_ = nullptr;
  arenaLeft_ = 0;
  dirty_ = false;
  cleared_ = false;
  bytes_.clear();
  readFailed_ = FileExists(path_) && !ReadWholeFile(path_, bytes_, &readError_);
  if (readFailed_) bytes_.clear();
  // A text editor's UTF-8 byte-order mark: the file was saved as UTF-8. Its
  // text is kept as the code page, which the next save writes.
  if (std::string_view(bytes_).starts_with(kUtf8Bom))
    bytes_ = Utf8ToCp1252(std::string_view(bytes_).substr(kUtf8Bom.size()));
  Parse(bytes_);
  RememberDiskState();
}

void TIniStore::Parse(std::string_view bytes) {
  // NUL bytes after the last line are padding, not text.
  while (!bytes.empty() && bytes.back() == '\0') bytes.remove_suffix(1);
  std::vector<std::string_view> lines;
  lines.reserve(bytes.size() / 32 + 1);
  const char* const begin = bytes.data();
  const std::size_t size = bytes.size();
  std::size_t pos = 0;
  while (pos < size) {
    // CR LF, a lone CR and a lone LF each end one line.
    const void* lf = std::memchr(begin + pos, '\n', size - pos);
    std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : size;
    if (const void* cr = std::memchr(begin + pos, '\r', end - pos))
      end = static_cast<std::size_t>(static_cast<const char*>(cr) - begin);
    lines.push_back(bytes.substr(pos, end - pos));
    if (end < size && begin[end] == '\r' && end + 1 < size && begin[end + 1] == '\n') ++end;
    pos = end + 1;
  }
  // Which lines are headers, decided once: with the next header known, the
  // lines and the key index of each section are allocated once.
  std::vector<bool> header(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) header[i] = IsHeader(lines[i]);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    AddParsedLine(lines[i]);
    if (!header[i]) continue;
    std::size_t next = i + 1;
    while (next < lines.size() && !header[next]) ++next;
    sections_.back().Body.reserve(next - i - 1);
    sections_.back().KeyIndex.Reserve(next - i - 1);
  }
}

// Fills a line in place: a line built elsewhere and copied in is slower to
// move than its fields are to set.
void TIniStore::MakeLine(std::string_view text, std::string_view trimmed, TLine& line) {
  line.Text = text;
  if (trimmed.empty() || trimmed.front() == ';') return;
  const std::size_t eq = FindByte(text, '=');
  if (eq == text.size()) return;
  const std::string_view name = TrimName(text.substr(0, eq));
  if (name.empty()) return;
  line.KeyEnd = static_cast<std::uint32_t>(eq);
  line.ValueStart = static_cast<std::uint32_t>(eq + 1);
  line.Hash = FoldHash(name);
}

TIniStore::TSection* TIniStore::NewSection(std::string_view header, std::string_view name) {
  const bool known = FindSection(name) != nullptr;
  TSection& section = sections_.emplace_back();
  section.Header = header;
  section.Name = TrimName(name);
  section.Hash = FoldHash(section.Name);
  if (!known) sectionIndex_.Insert(section.Hash, static_cast<std::uint32_t>(sections_.size() - 1));
  return &section;
}

void TIniStore::AddParsedLine(std::string_view text) {
  const std::string_view t = TrimName(text);
  if (!t.empty() && t.front() == '[') {
    std::string_view name = t.substr(1);
    if (const std::size_t close = name.find(']'); close != std::string_view::npos)
      name = name.substr(0, close);
    NewSection(text, name);
    return;
  }
  if (sections_.empty()) {
    preamble_.push_back(text);
    return;
  }
  TSection& section = sections_.back();
  const auto at = static_cast<std::uint32_t>(section.Body.size());
  TLine& line = section.Body.emplace_back();
  MakeLine(text, t, line);
  if (line.ValueStart != 0) {
    line.Repeated = section.FindKey(line.Hash, line.Name()) != TNameIndex::kNone;
    if (!line.Repeated) section.KeyIndex.Insert(line.Hash, at);
    section.LastKeyLine = at + 1;
  }
}

TIniStore::TSection* TIniStore::FindSection(std::string_view section) {
  return const_cast<TSection*>(std::as_const(*this).FindSection(section));
}

const TIniStore::TSection* TIniStore::FindSection(std::string_view section) const {
  const std::string_view name = TrimName(section);
  const std::uint32_t at =
      sectionIndex_.Find(FoldHash(name), [&](std::uint32_t i) { return SameName(sections_[i].Name, name); });
  return at == TNameIndex::kNone ? nullptr : &sections_[at];
}

bool TIniStore::Find(std::string_view section, std::string_view key, std::string_view& value) {
  LoadIfReplaced();
  const TSection* s = FindSection(section);
  if (!s) return false;
  const std::string_view name = TrimName(key);
  const std::uint32_t at = s->FindKey(FoldHash(name), name);
  if (at == TNameIndex::kNone) return false;
  value = s->Body[at].Value();
  return true;
}

bool TIniStore::KeyValues(std::string_view section, std::vector<TKeyValue>& lines) {
  LoadIfReplaced();
  const TSection* s = FindSection(section);
  if (!s) return false;
  lines.reserve(lines.size() + s->Body.size());
  for (const TLine& line : s->Body) {
    if (line.ValueStart == 0) continue;
    const std::string_view name = line.Name();
    // A repeated key reads as its first line.
    const std::uint32_t first = line.Repeated ? s->FindKey(line.Hash, name) : TNameIndex::kNone;
    lines.push_back({name, (first == TNameIndex::kNone ? line : s->Body[first]).Value()});
  }
  return true;
}

char* TIniStore::Allocate(std::size_t size) {
  if (size > kArenaBlock / 4) {
    // A long line gets a block of its own; the current block stays in use.
    arena_.push_back(std::make_unique_for_overwrite<char[]>(size));
    return arena_.back().get();
  }
  if (size > arenaLeft_) {
    arena_.push_back(std::make_unique_for_overwrite<char[]>(kArenaBlock));
    arenaNext_ = arena_.back().get();
    arenaLeft_ = kArenaBlock;
  }
  char* out = arenaNext_;
  arenaNext_ += size;
  arenaLeft_ -= size;
  return out;
}

std::string_view TIniStore::Keep(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  if (size == 0) return {};
  char* const out = Allocate(size);
  char* p = out;
  for (std::string_view part : parts) {
    if (!part.empty()) std::memcpy(p, part.data(), part.size());
    p += part.size();
  }
  return {out, size};
}

void TIniStore::Write(std::string_view section, std::string_view key, std::string_view value,
                      bool mayHoldLineBreaks) {
  LoadIfReplaced();
  TSection* s = writeSection_ && section == writeSectionName_ ? writeSection_ : FindSection(section);
  if (!s) {
    const std::string_view header = Keep({"[", section, "]"});
    // Writers fill sections of one kind in a row: a new one gets the room
    // the last one written needed, at least a few keys.
    const std::size_t room = std::max<std::size_t>(8, writeSection_ ? writeSection_->Body.size() : 0);
    s = NewSection(header, header.substr(1, header.size() - 2));
    s->Body.reserve(room);
    s->KeyIndex.Reserve(room);
  }
  if (s != writeSection_) {
    writeSection_ = s;
    writeSectionName_.assign(section);
  }
  const std::string_view name = TrimName(key);
  const std::uint32_t hash = FoldHash(name);
  const std::uint32_t found = s->FindKey(hash, name);
  // The existing line keeps its name as written.
  const std::string_view written = found == TNameIndex::kNone ? name : s->Body[found].Name();
  const std::string_view text = Keep({written, "=", value});
  // A line break inside a value would split the line and corrupt the file.
  if (mayHoldLineBreaks && !value.empty() &&
      (std::memchr(value.data(), '\r', value.size()) || std::memchr(value.data(), '\n', value.size()))) {
    char* const valueStart = const_cast<char*>(text.data()) + written.size() + 1;
    for (char* c = valueStart; c != text.data() + text.size(); ++c) {
      if (*c == '\r' || *c == '\n') *c = ' ';
    }
  }
  const auto fill = [&](TLine& line) {
    line.Text = text;
    line.KeyEnd = static_cast<std::uint32_t>(written.size());
    // A line without a name is no key, as when the file is read again.
    line.ValueStart = written.empty() ? 0 : line.KeyEnd + 1;
    line.Hash = hash;
  };
  if (found != TNameIndex::kNone) {
    // Repeated stays as it was.
    fill(s->Body[found]);
  } else {
    // After the section's last key: the lines that follow it hold no key, so no index moves.
    const std::size_t at = s->LastKeyLine;
    TLine& line = at == s->Body.size()
                      ? s->Body.emplace_back()
                      : *s->Body.insert(s->Body.begin() + static_cast<std::ptrdiff_t>(at), TLine{});
    fill(line);
    if (line.ValueStart != 0) s->KeyIndex.Insert(hash, static_cast<std::uint32_t>(at));
    s->LastKeyLine = at + 1;
  }
  dirty_ = true;
}

void TIniStore::EraseSection(std::string_view section) {
  LoadIfReplaced();
  // Every section of that name goes: a hidden duplicate would otherwise come
  // to light with its old keys once the first is gone.
  const std::string_view name = TrimName(section);
  // Every live name is in the index: without an entry there is nothing to erase.
  if (!FindSection(name)) return;
  const std::uint32_t hash = FoldHash(name);
  bool erased = false;
  for (TSection& s : sections_) {
    if (s.Erased || s.Hash != hash || !SameName(s.Name, name)) continue;
    s.Erased = true;
    s.Body.clear();
    s.KeyIndex.Clear();
    erased = true;
  }
  if (!erased) return;
  writeSection_ = nullptr;
  sectionIndex_.Erase(hash, [&](std::uint32_t i) { return SameName(sections_[i].Name, name); });
  dirty_ = true;
}

void TIniStore::Clear() {
  replaced_ = false;
  preamble_.clear();
  writeSection_ = nullptr;
  sections_.clear();
  sectionIndex_.Clear();
  // Nothing points into the old text any more.
  std::string().swap(bytes_);
  arena_.clear();
  arenaNext_ = nullptr;
  arenaLeft_ = 0;
  dirty_ = true;
  cleared_ = true;
}

void TIniStore::AppendLine(std::string_view line) {
  LoadIfReplaced();
  AddParsedLine(Keep({line}));
  dirty_ = true;
}

std::string TIniStore::Serialize() const {
  constexpr std::string_view kLineEnd = "\r\n";
  std::size_t size = 0;
  for (std::string_view line : preamble_) size += line.size() + kLineEnd.size();
  for (const TSection& s : sections_) {
    if (s.Erased) continue;
    size += s.Header.size() + kLineEnd.size();
    for (const TLine& line : s.Body) size += line.Text.size() + kLineEnd.size();
  }
  std::string out;
  out.reserve(size);
  auto put = [&out, kLineEnd](std::string_view line) {
    out += line;
    out += kLineEnd;
  };
  for (std::string_view line : preamble_) put(line);
  for (const TSection& s : sections_) {
    if (s.Erased) continue;
    put(s.Header);
    for (const TLine& line : s.Body) put(line.Text);
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
      if (error)
        *error =
            "Die Datei " + path_ + " konnte nicht gelöscht werden (" + SystemErrorText(ec.value()) + ").";
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

bool TIniStore::WriteText(std::string bytes, std::string* error) {
  Clear();
  // Nothing to write removes the file, as the flush of an emptied store does.
  if (bytes.empty()) return Flush(error);
  if (!AtomicWriteFile(path_, bytes, error)) return false;
  // Reading the bytes back into lines would cost more than the write: that
  // waits until somebody reads the file.
  dirty_ = false;
  cleared_ = false;
  replaced_ = true;
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
