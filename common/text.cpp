#include "text.hpp"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdlib>

namespace ped {

std::string strprintf(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string text;
    if (size > 0) {
        text.resize(static_cast<size_t>(size) + 1);
        std::vsnprintf(&text[0], text.size(), fmt, args);
        text.resize(static_cast<size_t>(size));
    }
    va_end(args);
    return text;
}

std::vector<std::string> split_ws(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && is_space(static_cast<unsigned char>(line[i]))) ++i;
        const size_t start = i;
        while (i < line.size() && !is_space(static_cast<unsigned char>(line[i]))) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool is_blank(const std::string& line) {
    for (char c : line)
        if (!is_space(static_cast<unsigned char>(c))) return false;
    return true;
}

namespace {

// The word without surrounding white space; empty when nothing else is left.
std::string trimmed(const std::string& word) {
    size_t b = 0, e = word.size();
    while (b < e && is_space(static_cast<unsigned char>(word[b]))) ++b;
    while (e > b && is_space(static_cast<unsigned char>(word[e - 1]))) --e;
    return word.substr(b, e - b);
}

}  // namespace

bool parse_int(const std::string& word, int& value) {
    const std::string w = trimmed(word);
    if (w.empty()) return false;
    size_t i = (w[0] == '+' || w[0] == '-') ? 1 : 0;
    if (i == w.size()) return false;
    for (size_t j = i; j < w.size(); ++j)
        if (w[j] < '0' || w[j] > '9') return false;
    errno = 0;
    const long long v = std::strtoll(w.c_str(), nullptr, 10);
    if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

bool parse_double(const std::string& word, double& value) {
    const std::string w = trimmed(word);
    if (w.empty()) return false;
    char* end = nullptr;
    const double v = std::strtod(w.c_str(), &end);
    if (end != w.c_str() + w.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool read_line(std::FILE* file, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(file)) != EOF) {
        any = true;
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

}  // namespace ped
