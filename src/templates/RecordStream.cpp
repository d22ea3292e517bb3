#include "templates/RecordStream.h"

#include <bit>

#include "core/Text.h"

namespace dudode {
namespace {

std::uint64_t LittleEndian(std::string_view bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = bytes.size(); i > 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[i - 1]);
  }
  return value;
}

}  // namespace

bool TRecordReader::Take(std::size_t count, std::string_view& out) {
  if (bytes_.size() - pos_ < count) {
    pos_ = bytes_.size();
    return false;
  }
  out = bytes_.substr(pos_, count);
  pos_ += count;
  return true;
}

bool TRecordReader::ReadString(std::string& text) {
  std::uint16_t length = 0;
  std::string_view raw;
  if (!ReadUInt16(length) || !Take(length, raw)) return false;
  text = Cp1252ToUtf8(raw);
  return true;
}

bool TRecordReader::ReadByte(std::uint8_t& value) {
  std::string_view raw;
  if (!Take(1, raw)) return false;
  value = static_cast<std::uint8_t>(raw[0]);
  return true;
}

bool TRecordReader::ReadUInt16(std::uint16_t& value) {
  std::string_view raw;
  if (!Take(2, raw)) return false;
  value = static_cast<std::uint16_t>(LittleEndian(raw));
  return true;
}

bool TRecordReader::ReadInt32(std::int32_t& value) {
  std::string_view raw;
  if (!Take(4, raw)) return false;
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(LittleEndian(raw)));
  return true;
}

bool TRecordReader::ReadDouble(double& value) {
  std::string_view raw;
  if (!Take(8, raw)) return false;
  value = std::bit_cast<double>(LittleEndian(raw));
  return true;
}

void TRecordWriter::WriteLittleEndian(std::uint64_t value, int count) {
  for (int i = 0; i < count; ++i) {
    bytes_ += static_cast<char>(value & 0xFF);
    value >>= 8;
  }
}

void TRecordWriter::WriteString(std::string_view text) {
  std::string raw = Utf8ToCp1252(text);
  if (raw.size() > 0xFFFF) raw.resize(0xFFFF);
  WriteUInt16(static_cast<std::uint16_t>(raw.size()));
  bytes_ += raw;
}

void TRecordWriter::WriteUInt16(std::uint16_t value) {
  WriteLittleEndian(value, 2);
}
void TRecordWriter::WriteInt32(std::int32_t value) {
  WriteLittleEndian(static_cast<std::uint32_t>(value), 4);
}
void TRecordWriter::WriteDouble(double value) {
  WriteLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

}  // namespace dudode

#include <filesystem>
#include <system_error>

#include "core/Files.h"
#include "core/MessageBox.h"

namespace dudode {

namespace fs = std::filesystem;

std::string TRecordFileReport::Message() const {
  switch (State) {
    case TRecordFileState::Missing:
    case TRecordFileState::Complete:
      return {};
    case TRecordFileState::BrokenTail:
      return "Die Datei " + Path + " ist beschädigt: nur die ersten " + std::to_string(RecordsKept) +
             " Datensätze konnten gelesen werden.";
    case TRecordFileState::Unreadable:
      return "Die Datei " + Path + " kann nicht gelesen werden (" + Error + ").";
    case TRecordFileState::NotRegular:
      return "Die Datei " + Path + " ist keine gewöhnliche Datei und wird nicht gelesen.";
    case TRecordFileState::TooLarge:
      return "Die Datei " + Path + " ist größer als " + std::to_string(kMaxRecordFileBytes / (1024 * 1024)) +
             " MB und wird nicht gelesen.";
  }
  return {};
}

std::string TRecordFileReport::OverwriteQuestion() const {
  return Message() + "\rBeim Speichern geht der unlesbare Rest verloren. Trotzdem speichern?";
}

TRecordFileReport ReadRecordFile(const std::string& path, std::string& bytes) {
  TRecordFileReport report;
  report.Path = path;
  switch (ReadFileLimited(path, bytes, &report.Error, kMaxRecordFileBytes)) {
    case TReadStatus::Ok:
      report.State = TRecordFileState::Complete;
      break;
    case TReadStatus::Missing:
      report.State = TRecordFileState::Missing;
      break;
    case TReadStatus::Failed:
      report.State = TRecordFileState::Unreadable;
      break;
    case TReadStatus::NotRegular:
      report.State = TRecordFileState::NotRegular;
      break;
    case TReadStatus::TooLarge:
      report.State = TRecordFileState::TooLarge;
      break;
  }
  return report;
}

bool WriteRecordFiles(const std::vector<std::pair<std::string, std::string>>& files) {
  auto report = [](const std::string& error) {
    ShowMessageBox(error, "", mkFehler, mbOK);
    return false;
  };
  std::vector<std::pair<std::string, std::string_view>> paths;
  for (const auto& [name, bytes] : files) {
    const std::string path = ProgramDirectory() + name;
    // A write-protected file is made writable first, as it always was.
    std::error_code ec;
    const fs::path p = fs::u8path(path);
    if (fs::exists(p, ec) && (fs::status(p, ec).permissions() & fs::perms::owner_write) == fs::perms::none) {
      fs::permissions(p, fs::perms::owner_write, fs::perm_options::add, ec);
      if (ec) return report("Kann Schreibschutz von " + path + " nicht entfernen!");
    }
    std::string error;
    if (!CanReplaceFile(path, &error)) {
      return report("Die Datei " + path + " konnte nicht geschrieben werden (" + error + ").");
    }
    paths.emplace_back(path, bytes);
  }
  std::string error;
  return AtomicWriteFiles(paths, &error) || report(error);
}

}  // namespace dudode
