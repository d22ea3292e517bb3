#pragma once
// Runs the built dudode-tarif with arguments and captures what it prints.
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace dudode::test {

struct TCliRun {
  int Status = -1;
  std::string Out;
  std::string Err;
};

inline std::string ShellQuote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// capture is a scratch directory for the two output files.
inline TCliRun RunCli(const std::string& program, const std::vector<std::string>& args,
                      const TTempDir& capture) {
  std::string command = ShellQuote(program);
  for (const std::string& arg : args) command += " " + ShellQuote(arg);
  command += " >" + ShellQuote(capture.File("out")) + " 2>" + ShellQuote(capture.File("err"));
  const int raw = std::system(command.c_str());
  TCliRun run;
  run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.Out = capture.Read("out");
  run.Err = capture.Read("err");
  return run;
}

}  // namespace dudode::test
