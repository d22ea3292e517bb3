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

// Replaces files of the program directory (name, bytes) one after another,
// each atomically. When any of them cannot be replaced nothing is written;
// a failure is reported by message box and the result is false.
bool WriteRecordFiles(const std::vector<std::pair<std::string, std::string>>& files);

}  // namespace dudode
