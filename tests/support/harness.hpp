// Test helpers: temporary folders, whole files, a terminal over strings, and running a tool
// binary with arguments and piped answers.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/console.hpp"
#include "common/terminal.hpp"

namespace ped::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

void write_file(const std::string& path, const std::string& text);
std::string read_file(const std::string& path);

// A terminal whose answers come from a string and whose output streams are kept in memory.
class FakeTerminal {
  public:
    explicit FakeTerminal(const std::string& answers = "", const Language& lang = english);
    ~FakeTerminal();
    FakeTerminal(const FakeTerminal&) = delete;
    FakeTerminal& operator=(const FakeTerminal&) = delete;

    const Terminal& term() const { return *term_; }
    Console& console() { return *console_; }
    std::string out();   // all written on the dialogue stream so far
    std::string diag();  // all written on the diagnostic stream so far

  private:
    std::FILE* in_;
    std::FILE* out_;
    std::FILE* diag_;
    std::unique_ptr<Console> console_;
    std::unique_ptr<Terminal> term_;
};

struct RunResult {
    int status = -1;  // exit status (128 + the signal when one ended it)
    std::string out, err;
};

// Runs `binary` in `folder` with `args` (not counting the program) and `answers` as its
// standard input; its standard output goes to `stdout_path` when one is given. A run that
// takes more than two minutes is stopped (its status is then 124).
RunResult run_tool(const std::string& binary, const std::string& folder,
                   const std::vector<std::string>& args, const std::string& answers = "",
                   const std::string& stdout_path = "");

// The lines of a text, without their line ends.
std::vector<std::string> lines_of(const std::string& text);

// The pieces of a text between separators, empty ones included (tables written as one text).
std::vector<std::string> split(const std::string& text, char separator);

}  // namespace ped::test
