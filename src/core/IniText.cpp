#include "core/IniText.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "core/Text.h"

namespace dudode {

bool TIniText::TNames::Add(const std::string& text, std::string_view name, std::size_t at) {
  const std::uint32_t hash = FoldHash(name);
  if (index_.Find(hash, [&](std::uint32_t i) {
        return SameName(std::string_view(text).substr(spans_[i].first, spans_[i].second), name);
      }) != TNameIndex::kNone)
    return false;
  index_.Insert(hash, static_cast<std::uint32_t>(spans_.size()));
  spans_.emplace_back(at, name.size());
  return true;
}

bool TIniText::TNames::Contains(const std::string& text, std::string_view name) const {
  return index_.Find(FoldHash(name), [&](std::uint32_t i) {
    return SameName(std::string_view(text).substr(spans_[i].first, spans_[i].second), name);
  }) != TNameIndex::kNone;
}

void TIniText::TNames::Clear() {
  if (spans_.empty()) return;
  index_.Clear();
  spans_.clear();
}

void TIniText::AddLine(const std::string& text, const std::string& prefix) {
  const std::string line = Utf8ToCp1252((prefix.empty() ? std::string(";") : prefix) + text);
  // Among the sections, or as a header of its own, the line is the store's work.
  const std::string_view trimmed = TrimName(line);
  if (open_ || (!trimmed.empty() && trimmed.front() == '[')) {
    whole_ = false;
    return;
  }
  Put({line, "\r\n"});
}

std::string& TIniText::Bytes() {
  bytes_.resize(used_);
  return bytes_;
}

void TIniText::Reserve(std::size_t bytes) {
  if (bytes > bytes_.size()) bytes_.resize(bytes);
}

char* TIniText::Room(std::size_t size) {
  if (used_ + size > bytes_.size()) bytes_.resize(std::max(2 * bytes_.size(), used_ + size + 4096));
  char* const out = bytes_.data() + used_;
  used_ += size;
  return out;
}

void TIniText::Put(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  char* p = Room(size);
  for (std::string_view part : parts) p = std::copy(part.begin(), part.end(), p);
}

void TIniText::SetSection(const std::string& section) {
  if (IsAscii(section)) {
    section_.assign(section);
  } else {
    section_ = Utf8ToCp1252(section);
  }
  sectionChanged_ = true;
}

void TIniText::EraseSection() {
  // Without a section the file itself reports the error.
  if (section_.empty() || sections_.Contains(bytes_, TrimName(section_))) whole_ = false;
}

bool TIniText::OpenSection() {
  if (!whole_ || section_.empty()) {
    // Without a section the file itself reports the error.
    whole_ = false;
    return false;
  }
  // The usual case: the section just filled, under the same name.
  if (open_ && !sectionChanged_) return true;
  sectionChanged_ = false;
  const std::string_view name = TrimName(section_);
  if (open_ && SameName(std::string_view(bytes_).substr(openName_, openNameSize_), name)) return true;
  const std::size_t at = used_ + 1 + static_cast<std::size_t>(name.data() - section_.data());
  if (!sections_.Add(bytes_, name, at)) {
    whole_ = false;
    return false;
  }
  open_ = true;
  openName_ = at;
  openNameSize_ = name.size();
  keys_ = TKeys::None;
  keyNames_.Clear();
  Put({"[", section_, "]\r\n"});
  return true;
}

void TIniText::PutLine(std::string_view name, std::string_view digits, std::string_view value) {
  const TStoredValue stored(value);
  const std::string_view bytes = stored.Bytes();
  char* p = Room(name.size() + digits.size() + bytes.size() + 3);
  auto put = [&p](std::string_view part) {
    if (!part.empty()) std::memcpy(p, part.data(), part.size());
    p += part.size();
  };
  put(name);
  put(digits);
  *p++ = '=';
  char* const valueStart = p;
  put(bytes);
  if (!stored.Plain()) {
    // A line break inside a value would split the line, as in the store.
    std::replace_if(
        valueStart, p, [](char c) { return c == '\r' || c == '\n'; }, ' ');
  }
  *p++ = '\r';
  *p = '\n';
}

void TIniText::WriteString(const std::string& key, std::string_view value) {
  if (!OpenSection()) return;
  const std::string_view name = StoredKey(key, key_);
  // A line without a name is no key: it is added each time, as in the store.
  if (keys_ == TKeys::Indexed || (!name.empty() && !keyNames_.Add(bytes_, name, used_))) {
    whole_ = false;
    return;
  }
  keys_ = TKeys::Named;
  PutLine(name, {}, value);
}

void TIniText::WriteBool(const std::string& key, bool value) {
  WriteString(key, value ? "1" : "0");
}

void TIniText::WriteIndexed(std::string_view prefix, std::size_t index, std::string_view value) {
  if (!OpenSection()) return;
  if (keys_ == TKeys::None) {
    keys_ = TKeys::Indexed;
    indexPrefix_.assign(prefix);
    // A plain prefix is the start of every key: only leading blanks go.
    indexPlain_ = IsAscii(prefix);
    indexName_ = indexPlain_ ? indexPrefix_.find_first_not_of(" \t") : 0;
    if (indexName_ == std::string::npos) indexName_ = indexPrefix_.size();
  } else if (keys_ != TKeys::Indexed || index < nextIndex_ || prefix != indexPrefix_) {
    whole_ = false;
    return;
  }
  nextIndex_ = index + 1;
  char digits[24];
  const std::string_view number(
      digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, index).ptr - digits));
  if (indexPlain_) {
    PutLine(std::string_view(indexPrefix_).substr(indexName_), number, value);
    return;
  }
  key_.assign(prefix);
  key_ += number;
  std::string scratch;
  PutLine(StoredKey(key_, scratch), {}, value);
}

}  // namespace dudode
