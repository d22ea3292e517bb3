#pragma once
// A whole new section/key file built straight as its bytes, for writers that
// fill one section after another.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Files.h"
#include "core/IniFile.h"
#include "core/IniStore.h"

namespace dudode {

// The bytes are those TTheIniFile gives after DeleteFile and the same calls,
// without the store's work per key. What only the store can do (go back to a
// section written before, erase one, write a key twice in a section, add a
// line among the sections) leaves the text unusable: Whole() is then false,
// and the writer goes through the store.
class TIniText {
 public:
  // Room for a text of about that many bytes, so that it grows rarely.
  void Reserve(std::size_t bytes);
  void AddLine(const std::string& text, const std::string& prefix);
  void SetSection(const std::string& section);
  void EraseSection();
  void WriteString(const std::string& key, std::string_view value);
  void WriteBool(const std::string& key, bool value);
  // Keys of one prefix with rising indices differ without a check; a
  // section's keys are either all of this kind or none.
  void WriteIndexed(std::string_view prefix, std::size_t index, std::string_view value);
  bool Whole() const { return whole_; }
  // The text written so far.
  std::string& Bytes();

 private:
  // Names written into the text, compared as the store compares them.
  class TNames {
   public:
    // false when an equal name is there already; else the name is noted as
    // standing at offset at of the text.
    bool Add(const std::string& text, std::string_view name, std::size_t at);
    bool Contains(const std::string& text, std::string_view name) const;
    void Clear();

   private:
    TNameIndex index_;
    std::vector<std::pair<std::size_t, std::size_t>> spans_;
  };
  enum class TKeys { None, Indexed, Named };
  // Starts the section on its first key; false when the text cannot go on.
  bool OpenSection();
  // The line name + digits = value.
  void PutLine(std::string_view name, std::string_view digits, std::string_view value);
  // The next size bytes of the text, to be filled.
  char* Room(std::size_t size);
  void Put(std::initializer_list<std::string_view> parts);

  std::string bytes_;  // used_ bytes of text, the rest room to grow into
  std::size_t used_ = 0;
  bool whole_ = true;
  std::string section_;          // in the file's code page
  bool sectionChanged_ = false;  // set since the last key
  bool open_ = false;            // a section is being filled
  std::size_t openName_ = 0;     // where its name stands in the text
  std::size_t openNameSize_ = 0;
  TKeys keys_ = TKeys::None;
  std::string indexPrefix_;
  bool indexPlain_ = false;    // ASCII: the keys are built without a conversion
  std::size_t indexName_ = 0;  // where the keys' names start in the prefix
  std::size_t nextIndex_ = 0;
  std::string key_;  // reused for every key
  TNames sections_;
  TNames keyNames_;  // of the open section
};

// Writes a whole new file with write(sink), called with a TIniText first and
// with the file itself only when the text could not be built. When anything
// fails the old file is still whole, and the half-done image is dropped, so
// that no later flush or close writes it.
template <class Write>
void ReplaceFile(TTheIniFile& ini, Write write) {
  try {
    TIniText text;
    // The file written last time is the best guess of the new one's size.
    const TFileStamp old = FileStampOf(ini.FullPath());
    if (old.Size > 0)
      text.Reserve(static_cast<std::size_t>(old.Size) + static_cast<std::size_t>(old.Size) / 8);
    write(text);
    if (text.Whole()) {
      ini.WriteText(std::move(text.Bytes()));
    } else {
      write(ini);
      ini.Flush();
    }
  } catch (...) {
    ini.DiscardChanges();
    throw;
  }
}

}  // namespace dudode
