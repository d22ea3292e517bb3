#pragma once
// Field encodings of the template record files: strings as a 16-bit
// little-endian length and that many Windows-1252 bytes, bytes, 32-bit
// numbers and IEEE doubles, all little-endian.
#include <cstdint>
#include <string>
#include <string_view>

namespace dudode {

// Reads fields one after another. A read that would run past the end fails
// and leaves the field as it was; callers drop the record they were in.
class TRecordReader {
 public:
  explicit TRecordReader(std::string_view bytes) : bytes_(bytes) {}
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  bool ReadString(std::string& text);
  bool ReadByte(std::uint8_t& value);
  bool ReadUInt16(std::uint16_t& value);
  bool ReadInt32(std::int32_t& value);
  bool ReadDouble(double& value);

 private:
  bool Take(std::size_t count, std::string_view& out);

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

class TRecordWriter {
 public:
  // A text longer than 65535 bytes in Windows-1252 is cut to that length.
  void WriteString(std::string_view text);
  void WriteByte(std::uint8_t value) { bytes_ += static_cast<char>(value); }
  void WriteUInt16(std::uint16_t value);
  void WriteInt32(std::int32_t value);
  void WriteDouble(double value);
  const std::string& Bytes() const { return bytes_; }

 private:
  void WriteLittleEndian(std::uint64_t value, int count);

  std::string bytes_;
};

}  // namespace dudode

#include <utility>
#include <vector>

namespace dudode {

// No real template file comes near this size; a larger one is refused
// unread rather than read into memory.
inline constexpr std::uint64_t kMaxRecordFileBytes = 4 * 1024 * 1024;

enum class TRecordFileState {
  Missing,     // no such file: an empty list
  Complete,    // every record read
  BrokenTail,  // the whole records before a broken one were kept
  Unreadable,  // exists but could not be read
  NotRegular,  // a FIFO, device or directory: refused unread
  TooLarge,    // above kMaxRecordFileBytes: refused unread
};

// What reading a record file gave. An editor asks before saving over a file
// with a broken tail and does not save over one it could not read.
struct TRecordFileReport {
  std::string Path;
  TRecordFileState State = TRecordFileState::Missing;
  std::size_t RecordsKept = 0;
  std::string Error;  // the system's reason when Unreadable

  // The records (none when refused) are all the file holds.
  bool Complete() const { return State == TRecordFileState::Missing || State == TRecordFileState::Complete; }
  // Saving over the file would lose nothing that was read.
  bool MaySave() const { return Complete() || State == TRecordFileState::BrokenTail; }
  // A German message naming the file; empty when Complete().
  std::string Message() const;
  // The question before saving over a file with a broken tail (default "Nein").
  std::string OverwriteQuestion() const;
};

template <class T>
struct TRecordFile {
  std::vector<T> Records;
  TRecordFileReport Report;
};

// Reads a record file of at most kMaxRecordFileBytes; the report's state is
// Complete when bytes hold the file (the parser may still find a broken tail).
TRecordFileReport ReadRecordFile(const std::string& path, std::string& bytes);

// Replaces files of the program directory (name, bytes) as one, atomically:
// when any of them cannot be replaced nothing is changed; a failure is
// reported by message box and the result is false.
bool WriteRecordFiles(const std::vector<std::pair<std::string, std::string>>& files);

}  // namespace dudode
