#include "harness.hpp"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ped::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pedtest-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream f(path, std::ios::binary);
    f << text;
    if (!f) throw std::runtime_error("cannot write " + path);
}

std::string read_file(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return "<missing " + path + ">";
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

namespace {

std::string contents(std::FILE* f) {
    std::fflush(f);
    const long end = std::ftell(f);
    std::string text(static_cast<size_t>(end), '\0');
    std::rewind(f);
    if (end > 0 && std::fread(text.data(), 1, text.size(), f) != text.size()) text.clear();
    std::fseek(f, 0, SEEK_END);
    return text;
}

}  // namespace

FakeTerminal::FakeTerminal(const std::string& answers, const Language& lang)
    : in_(std::tmpfile()), out_(std::tmpfile()), diag_(std::tmpfile()) {
    if (!in_ || !out_ || !diag_) throw std::runtime_error("tmpfile failed");
    std::fwrite(answers.data(), 1, answers.size(), in_);
    std::rewind(in_);
    console_ = std::make_unique<Console>(in_);
    term_.reset(new Terminal{*console_, out_, diag_, "prog", lang});
}

FakeTerminal::~FakeTerminal() {
    std::fclose(in_);
    std::fclose(out_);
    std::fclose(diag_);
}

std::string FakeTerminal::out() {
    return contents(out_);
}
std::string FakeTerminal::diag() {
    return contents(diag_);
}

namespace {
std::string quoted(const std::string& word) {
    std::string q = "'";
    for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
}  // namespace

RunResult run_tool(const std::string& binary, const std::string& folder,
                   const std::vector<std::string>& args, const std::string& answers,
                   const std::string& stdout_path) {
    TempDir io;
    write_file(io / "stdin", answers);
    std::string command = "cd " + quoted(folder) + " && exec timeout 120 " + quoted(binary);
    for (const std::string& a : args) command += " " + quoted(a);
    command += " <" + quoted(io / "stdin") + " >" +
               quoted(stdout_path.empty() ? io / "stdout" : stdout_path) + " 2>" +
               quoted(io / "stderr");
    const int status = std::system(command.c_str());
    RunResult r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = read_file(io / "stdout");
    r.err = read_file(io / "stderr");
    return r;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream s(text);
    while (std::getline(s, line)) lines.push_back(line);
    return lines;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    for (size_t at = 0, end; at <= text.size(); at = end + 1) {
        end = std::min(text.find(separator, at), text.size());
        pieces.push_back(text.substr(at, end - at));
    }
    return pieces;
}

}  // namespace ped::test
