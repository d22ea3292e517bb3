#pragma once
// The in-memory image of one section/key file. Works on the file's own
// Windows-1252 bytes; TTheIniFile converts at its interface.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dudode {

class TIniStore {
 public:
  explicit TIniStore(std::string path);

  // Shares one store per path between all open objects of the process.
  static std::shared_ptr<TIniStore> Attach(const std::string& path);

  const std::string& Path() const { return path_; }
  bool Dirty() const { return dirty_; }
  // The file exists but could not be read (its text is then not known).
  bool ReadFailed() const { return readFailed_; }
  const std::string& ReadError() const { return readError_; }

  // false when the key is missing. The value is as in the file, untrimmed, and
  // stays valid until the store changes.
  bool Find(std::string_view section, std::string_view key, std::string_view& value) const;
  // Key names in file order (duplicates included); false when the section is missing.
  bool Keys(std::string_view section, std::vector<std::string>& keys) const;
  void Write(std::string_view section, std::string_view key, std::string_view value);
  void EraseSection(std::string_view section);
  void Clear();
  void AppendLine(std::string_view line);
  // Writes the file when it has changed; false with a message on failure.
  bool Flush(std::string* error);
  // Forgets unwritten changes and reads the file again.
  void Revert() { Load(); }

 private:
  struct TLine {
    std::string Text;
    std::string FoldedKey;  // empty when the line is no key
    std::size_t ValueStart = 0;
  };
  struct TSection {
    std::string Header;  // the header line as written
    std::string FoldedName;
    std::vector<TLine> Body;
    std::unordered_map<std::string, std::size_t> KeyIndex;  // first line of each key
    std::size_t LastKeyLine = 0;                            // one past the last key line
    bool Erased = false;
  };

  void Load();
  void Parse(std::string_view bytes);
  void AddParsedLine(std::string line);
  TSection* FindSection(std::string_view section);
  const TSection* FindSection(std::string_view section) const;
  static TLine MakeLine(std::string text);
  std::string Serialize() const;
  bool DiskChanged() const;
  void RememberDiskState();

  std::string path_;
  std::vector<std::string> preamble_;
  std::vector<std::unique_ptr<TSection>> sections_;
  std::unordered_map<std::string, TSection*> sectionIndex_;  // first live section of each name
  bool dirty_ = false;
  bool cleared_ = false;
  bool readFailed_ = false;
  std::string readError_;  // emptied on purpose: an empty result removes the file
  std::int64_t diskSize_ = -1;
  std::int64_t diskTime_ = 0;
};

// Case folding of Windows-1252 names, as the store compares them.
std::string FoldName(std::string_view name);

}  // namespace dudode
