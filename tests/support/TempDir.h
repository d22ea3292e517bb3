#pragma once
// A fresh directory for one test, removed with everything in it afterwards.
#include <filesystem>
#include <fstream>
#include <string>

#include "core/Files.h"

namespace dudode::test {

class TTempDir {
 public:
  TTempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "dudode-test-XXXXXX").string();
    path_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
  }
  ~TTempDir() {
    std::error_code ec;
    // Write protections set by a test must not keep the directory alive.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
    std::filesystem::remove_all(path_, ec);
  }
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  // The directory with a trailing separator.
  std::string Dir() const { return path_ + "/"; }
  std::string File(const std::string& name) const { return Dir() + name; }
  // Makes this directory the program directory for the test.
  void UseAsProgramDirectory() const { SetProgramDirectory(path_); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::string bytes;
    ReadWholeFile(File(name), bytes);
    return bytes;
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }

 private:
  std::string path_;
};

}  // namespace dudode::test
