#pragma once
// Every fuzz target works in a fresh directory of its own, memory-backed
// where there is one (every save syncs), and answers every message with OK.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/Files.h"
#include "core/MessageBox.h"

namespace dudode::fuzz {

inline void UseFuzzDirectory() {
  static const bool once = [] {
    const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string dir = std::string(base) + "/dudode-fuzz-XXXXXX";
    if (!::mkdtemp(dir.data())) std::abort();
    SetProgramDirectory(dir);
    SetMessageBoxHandler(
        [](const std::string&, const std::string&, int, MessageButtons, int) { return int{idOK}; });
    return true;
  }();
  (void)once;
}

}  // namespace dudode::fuzz
