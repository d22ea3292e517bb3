#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace dudode::cli {
namespace {

// Length of the valid UTF-8 sequence at the start of text, 0 when invalid.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto b0 = static_cast<unsigned char>(text[0]);
  if (b0 < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2;
    min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3;
    min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  std::uint32_t code = b0 & (0x3F >> (length - 1));
  for (std::size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xC0) != 0x80) return 0;
    code = (code << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values beyond Unicode are no characters.
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  while (!text.empty()) {
    const auto c = static_cast<unsigned char>(text[0]);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out += buffer;
        } else if (const std::size_t length = Utf8SequenceLength(text); length > 0) {
          out.append(text.substr(0, length));
          text.remove_prefix(length - 1);
        } else {
          out += "\uFFFD";
        }
    }
    text.remove_prefix(1);
  }
  out += '"';
  return out;
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

void TJsonWriter::NewLine() {
  out_ += '\n';
  out_.append(levels_.size() * 2, ' ');
}

void TJsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  TLevel& level = levels_.back();
  if (!level.Empty) out_ += level.Inlined ? ", " : ",";
  if (!level.Inlined) NewLine();
  level.Empty = false;
}

void TJsonWriter::Open(char bracket, bool inlined) {
  BeforeValue();
  out_ += bracket;
  levels_.push_back({inlined, true});
}

void TJsonWriter::Close(char bracket) {
  const TLevel level = levels_.back();
  levels_.pop_back();
  if (!level.Empty && !level.Inlined) NewLine();
  out_ += bracket;
  if (levels_.empty()) out_ += '\n';
}

void TJsonWriter::BeginObject() {
  Open('{', false);
}
void TJsonWriter::EndObject() {
  Close('}');
}
void TJsonWriter::BeginArray(bool inlined) {
  Open('[', inlined);
}
void TJsonWriter::EndArray() {
  Close(']');
}

void TJsonWriter::Key(std::string_view key) {
  BeforeValue();
  out_ += JsonString(key);
  out_ += ": ";
  afterKey_ = true;
}

void TJsonWriter::String(std::string_view value) {
  BeforeValue();
  out_ += JsonString(value);
}

void TJsonWriter::Number(double value) {
  BeforeValue();
  out_ += JsonNumber(value);
}

void TJsonWriter::Integer(long long value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void TJsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void TJsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

}  // namespace dudode::cli
