#pragma once
// Running a command-line tool of the project as a user would, from a test: its exit code and
// what it printed, and a fresh folder for what it writes.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace vellum::testing {

struct ToolRun {
  int exitCode = -1;
  std::string output;  // standard output and error together

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);)
      lines.push_back(line);
    return lines;
  }
};

// A path as one word of a shell command.
inline std::string Quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

// Runs `tool` with `arguments` (shell words) and collects what it printed.
inline ToolRun RunTool(const std::filesystem::path& tool, const std::string& arguments) {
  ToolRun run;
  const std::string command = Quoted(tool) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 512> buffer;
  while (std::fgets(buffer.data(), buffer.size(), pipe))
    run.output += buffer.data();
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// A fresh, empty folder for one test's files.
inline std::filesystem::path ScratchDir(const std::string& name) {
  const char* dir = std::getenv("VELLUM_TEST_TMPDIR");
  const std::filesystem::path folder =
      std::filesystem::path(dir && *dir ? dir : "/tmp") / "vellum-tools" / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace vellum::testing
