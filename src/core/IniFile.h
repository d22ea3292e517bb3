#pragma once
// Section/key file access for every text data file of the program.
//
// The file is read once and indexed; writes are buffered in memory and reach
// the file as one atomic replacement when the file is flushed, closed, or the
// object is destroyed. Several objects open on the same file share one store,
// so a read always sees every write made before it.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dudode {

class TIniStore;

// An error that ends the calling operation; its text is meant for the user.
class EIniError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum TIniLocation { loWinDir, loProgDir, loUser, loDefUser };

// Whether a name read from a file can name keys and sections written back: a
// "=" would split the key, brackets would make a section header of it or cut
// a section name short.
bool IsStorableName(std::string_view name);

// What a write keeps of a value: its bytes in the file's code page without
// what a read drops (blanks and tabs at the ends, enclosing quotes, the part
// beyond the longest value), so that saving what was read gives the same
// bytes again. Plain printable ASCII, the usual value, needs neither a
// conversion nor a search for line breaks.
class TStoredValue {
 public:
  explicit TStoredValue(std::string_view value);
  TStoredValue(const TStoredValue&) = delete;
  TStoredValue& operator=(const TStoredValue&) = delete;
  bool Plain() const { return plain_; }
  std::string_view Bytes() const { return view_; }

 private:
  bool plain_;
  std::string owned_;
  std::string_view view_;
};

// A key name's bytes as a write keeps them: in the file's code page, without
// blanks and tabs at the ends. scratch holds converted bytes.
std::string_view StoredKey(std::string_view key, std::string& scratch);

class TTheIniFile {
 public:
  TTheIniFile();
  ~TTheIniFile();
  TTheIniFile(const TTheIniFile&) = delete;
  TTheIniFile& operator=(const TTheIniFile&) = delete;

  const std::string& IniFileName() const { return iniFileName_; }
  // Setting the name while open closes and reopens.
  void SetIniFileName(const std::string& name);
  const std::string& Section() const { return section_; }
  void SetSection(const std::string& section);
  TIniLocation IniLocation() const { return location_; }
  void SetIniLocation(TIniLocation location) { location_ = location; }
  int ErrorCode() const { return errorCode_; }
  const std::string& DefFilePath() const { return defFilePath_; }
  void SetDefFilePath(const std::string& path);
  bool Open() const { return store_ != nullptr; }
  // A read-only open leaves a write protection of the file alone.
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // For a caller that empties the file (DeleteFile) and writes it anew: the
  // old text is then not read at all.
  void SetReplacing(bool replacing) { replacing_ = replacing; }
  // true (re)opens; false flushes and closes. Opening may throw EIniError.
  void SetOpen(bool open);
  // The resolved path of the open file.
  const std::string& FullPath() const { return fullPath_; }

  std::string ReadString(const std::string& key, const std::string& defaultValue);
  void ReadSection(std::vector<std::string>& keys);
  // For each key of ReadSection, in file order and at most limit of them, the
  // value ReadString gives for it ("" when that is the default).
  void ReadSectionValues(std::vector<std::string>& values, std::size_t limit = SIZE_MAX);
  // The same values handed to each one by one, without a copy where the text
  // needs no conversion; a value is valid during its call, which must not
  // change the file. before learns first how many values follow.
  void ForEachSectionValue(const std::function<void(std::string_view)>& each, std::size_t limit = SIZE_MAX,
                           const std::function<void(std::size_t count)>& before = {});
  bool ReadBool(const std::string& key, bool defaultValue);
  void WriteString(const std::string& key, std::string_view value);
  void WriteBool(const std::string& key, bool value);
  // The key prefix followed by the index in digits.
  void WriteIndexed(std::string_view prefix, std::size_t index, std::string_view value);
  void EraseSection();
  // Empties the file. The old file stays on disk until the new contents are
  // flushed (it is then replaced atomically); false when it could not be
  // replaced. With nothing written afterwards, the flush removes the file.
  bool DeleteFile();
  // Appends the line prefix + text at the end of the file (prefix ";" when empty).
  void AddLine(const std::string& text, const std::string& prefix);
  // Writes buffered changes now; throws EIniError when the file cannot be written.
  void Flush();
  // Replaces the whole file by bytes built elsewhere (see TIniText), at once
  // and atomically; throws EIniError when the file cannot be written.
  void WriteText(std::string bytes);
  // Drops every change not yet written (for all objects open on the file) and
  // reads the file anew: an operation that gives up after a failed Flush must
  // not have its half-done work written by a later flush or close.
  void DiscardChanges();

 private:
  void OpenFile();
  void CloseFile();
  void CheckReady() const;
  std::string Directory() const;

  std::string iniFileName_;
  std::string section_;
  std::string sectionBytes_;  // section_ in the file's code page, converted once
  TIniLocation location_ = loProgDir;
  int errorCode_ = 0;
  bool readOnly_ = false;
  bool replacing_ = false;
  std::string defFilePath_;
  std::string fullPath_;
  std::shared_ptr<TIniStore> store_;
};

}  // namespace dudode
