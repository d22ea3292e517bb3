#pragma once
// A small JSON writer for the command-line output: UTF-8 text, two-space
// indentation, arrays of plain values on one line.
#include <string>
#include <string_view>
#include <vector>

namespace dudode::cli {

// The text as a quoted JSON string. Bytes that are no valid UTF-8 become
// U+FFFD, so the output is always valid JSON.
std::string JsonString(std::string_view text);
// Shortest text that reads back as the same double; null for NaN and infinity.
std::string JsonNumber(double value);

class TJsonWriter {
 public:
  explicit TJsonWriter(std::string& out) : out_(out) {}

  void BeginObject();
  void EndObject();
  // inlined: the elements are plain values and stay on one line.
  void BeginArray(bool inlined = false);
  void EndArray();
  void Key(std::string_view key);

  void String(std::string_view value);
  void Number(double value);
  void Integer(long long value);
  void Bool(bool value);
  void Null();

  // Key and value in one call.
  void Field(std::string_view key, std::string_view value) {
    Key(key);
    String(value);
  }
  void Field(std::string_view key, const char* value) {
    Key(key);
    String(value);
  }
  void Field(std::string_view key, const std::string& value) {
    Key(key);
    String(value);
  }
  void Field(std::string_view key, double value) {
    Key(key);
    Number(value);
  }
  void Field(std::string_view key, long long value) {
    Key(key);
    Integer(value);
  }
  void Field(std::string_view key, int value) {
    Key(key);
    Integer(value);
  }
  void Field(std::string_view key, unsigned value) {
    Key(key);
    Integer(value);
  }
  void Field(std::string_view key, bool value) {
    Key(key);
    Bool(value);
  }

 private:
  struct TLevel {
    bool Inlined = false;
    bool Empty = true;
  };
  void BeforeValue();
  void Open(char bracket, bool inlined);
  void Close(char bracket);
  void NewLine();

  std::string& out_;
  std::vector<TLevel> levels_;
  bool afterKey_ = false;
};

}  // namespace dudode::cli
