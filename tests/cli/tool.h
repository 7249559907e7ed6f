#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../files/test_files.h"

namespace ubic::test {

// What one run of the built command-line tool gave.
struct TToolRun {
  int Status;
  std::string Out;
  std::string Err;
};

inline std::string ShellQuoted(const std::string& arg) {
  std::string quoted = "'";
  for (const char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs Program with Args in the C locale, its output captured in files of Folder; Environment
// holds further NAME=value settings, added to the test's own environment or, when Cleared, the
// only ones besides the locale.
inline TToolRun RunProgram(const std::string& program, const TTempFolder& folder,
                           const std::vector<std::string>& args,
                           const std::vector<std::string>& environment = {}, bool cleared = false) {
  std::string command = cleared ? "env -i LC_ALL=C" : "LC_ALL=C";
  for (const std::string& setting : environment) {
    const auto equals = setting.find('=');
    command += " " + setting.substr(0, equals + 1) + ShellQuoted(setting.substr(equals + 1));
  }
  command += " " + ShellQuoted(program);
  for (const std::string& arg : args) command += " " + ShellQuoted(arg);
  const std::string out = folder.File("stdout.txt");
  const std::string err = folder.File("stderr.txt");
  const int status = std::system((command + " >" + out + " 2>" + err + " </dev/null").c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
}

#ifdef UBIC_CLI_PATH
// Runs ubic-cli the same way.
inline TToolRun RunTool(const TTempFolder& folder, const std::vector<std::string>& args,
                        const std::vector<std::string>& environment = {}) {
  return RunProgram(UBIC_CLI_PATH, folder, args, environment);
}
#endif

inline std::string Example(const std::string& name) {
  return std::string(UBIC_EXAMPLES_DIR) + "/" + name;
}

}  // namespace ubic::test
