#pragma once
// The in-memory image of one section/key file. Works on the file's own
// Windows-1252 bytes; TTheIniFile converts at its interface.
//
// The file is read into one buffer and its lines are views into it; lines
// written since live in an arena. Sections and keys are found through a hash
// of the folded name, so reading allocates nothing per key.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dudode {

// Open-addressing table from the hash of a folded name to a number; the
// caller's predicate settles which of the numbers with that hash is meant.
class TNameIndex {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  template <class Same>
  std::uint32_t Find(std::uint32_t hash, Same same) const {
    if (slots_.empty()) return kNone;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      const TSlot& slot = slots_[i];
      if (slot.Value == kEmpty) return kNone;
      if (slot.Value != kGone && slot.Hash == hash && same(slot.Value)) return slot.Value;
    }
  }
  // The caller has made sure that no number of that name is in the table.
  void Insert(std::uint32_t hash, std::uint32_t value);
  template <class Same>
  void Erase(std::uint32_t hash, Same same) {
    if (slots_.empty()) return;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      TSlot& slot = slots_[i];
      if (slot.Value == kEmpty) return;
      if (slot.Value != kGone && slot.Hash == hash && same(slot.Value)) {
        slot.Value = kGone;
        return;
      }
    }
  }
  void Clear() {
    slots_.clear();
    used_ = 0;
  }
  // Room for count numbers without growing (for a table still without numbers).
  void Reserve(std::size_t count);

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
  static constexpr std::uint32_t kGone = 0xFFFFFFFE;
  struct TSlot {
    std::uint32_t Hash = 0;
    std::uint32_t Value = kEmpty;
  };
  void Grow();

  std::vector<TSlot> slots_;
  std::size_t used_ = 0;  // slots not empty, the gone ones included
};

class TIniStore {
 public:
  // Without read the file's text is not read: the caller replaces it whole.
  explicit TIniStore(std::string path, bool read = true);

  // Shares one store per path between all open objects of the process.
  static std::shared_ptr<TIniStore> Attach(const std::string& path, bool read = true);

  const std::string& Path() const { return path_; }
  bool Dirty() const { return dirty_; }
  // The file exists but could not be read (its text is then not known).
  bool ReadFailed() const { return readFailed_; }
  const std::string& ReadError() const { return readError_; }

  // false when the key is missing. The value is as in the file, untrimmed, and
  // stays valid until the store changes.
  bool Find(std::string_view section, std::string_view key, std::string_view& value);
  // The key lines of a section in file order (repeated names included), each
  // with the value Find gives for its name; valid until the store changes.
  // false when the section is missing.
  struct TKeyValue {
    std::string_view Name;
    std::string_view Value;
  };
  bool KeyValues(std::string_view section, std::vector<TKeyValue>& lines);
  // A caller that has checked the value for line breaks may say so.
  void Write(std::string_view section, std::string_view key, std::string_view value,
             bool mayHoldLineBreaks = true);
  void EraseSection(std::string_view section);
  void Clear();
  void AppendLine(std::string_view line);
  // Writes the file when it has changed; false with a message on failure.
  bool Flush(std::string* error);
  // Replaces the file by these bytes, whatever the store holds; the file is
  // read again when next used. false with a message on failure (the store is
  // then empty and changed, as after Clear).
  bool WriteText(std::string bytes, std::string* error);
  // Forgets unwritten changes and reads the file again.
  void Revert() { Load(); }

 private:
  struct TLine {
    std::string_view Text;
    std::uint32_t KeyEnd = 0;      // where the key name ends (before the "=")
    std::uint32_t ValueStart = 0;  // one past the "="; 0 when the line is no key
    std::uint32_t Hash = 0;        // of the folded key name
    bool Repeated = false;         // an earlier line of the section has the same key
    std::string_view Name() const;
    std::string_view Value() const { return Text.substr(ValueStart); }
  };
  struct TSection {
    std::string_view Header;  // the header line as written
    std::string_view Name;    // trimmed, as written
    std::uint32_t Hash = 0;
    std::vector<TLine> Body;
    TNameIndex KeyIndex;          // first line of each key
    std::size_t LastKeyLine = 0;  // one past the last key line
    bool Erased = false;
    std::uint32_t FindKey(std::uint32_t hash, std::string_view folded) const;
  };

  void Load();
  // After WriteText the image is the file's, read when it is needed.
  void LoadIfReplaced() {
    if (replaced_) Load();
  }
  void Parse(std::string_view bytes);
  void AddParsedLine(std::string_view line);
  TSection* NewSection(std::string_view header, std::string_view name);
  TSection* FindSection(std::string_view section);
  const TSection* FindSection(std::string_view section) const;
  // trimmed: the text without blanks at its ends, as the caller has it.
  static void MakeLine(std::string_view text, std::string_view trimmed, TLine& line);
  // Copies the parts, one after the other, into the arena.
  std::string_view Keep(std::initializer_list<std::string_view> parts);
  char* Allocate(std::size_t size);
  std::string Serialize() const;
  bool DiskChanged() const;
  void RememberDiskState();

  std::string path_;
  std::string bytes_;  // the file as read; never changed while lines point into it
  std::vector<std::unique_ptr<char[]>> arena_;
  char* arenaNext_ = nullptr;
  std::size_t arenaLeft_ = 0;
  std::vector<std::string_view> preamble_;
  std::deque<TSection> sections_;  // never moved: the index refers to them by number
  TNameIndex sectionIndex_;        // first live section of each name
  // The section of the last write: writers fill one section after another.
  TSection* writeSection_ = nullptr;
  std::string writeSectionName_;
  bool dirty_ = false;
  bool cleared_ = false;
  bool replaced_ = false;
  bool readFailed_ = false;
  std::string readError_;  // emptied on purpose: an empty result removes the file
  std::int64_t diskSize_ = -1;
  std::int64_t diskTime_ = 0;
};

// A section or key name as the store compares it: without blanks and tabs at
// its ends, and case-folded (Windows-1252).
inline std::string_view TrimName(std::string_view name) {
  // Inline: every line of a file is trimmed more than once while it is read.
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!name.empty() && blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && blank(name.back())) name.remove_suffix(1);
  return name;
}
std::string FoldName(std::string_view name);
// A hash of the folded bytes of a trimmed name.
std::uint32_t FoldHash(std::string_view name);
// Equal when folded (the names trimmed already).
bool SameName(std::string_view a, std::string_view b);

}  // namespace dudode
