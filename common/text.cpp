#include "common/text.hpp"

#include "common/format.hpp"

#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdlib>

namespace ped {

std::string strprintf(const char* fmt, ...) {
    std::string text;
    va_list args;
    va_start(args, fmt);
    put_vformat(text, fmt, args);
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

std::string shortened_middle(const std::string& text, size_t max) {
    if (text.size() <= max) return text;
    const size_t head = (max - 3) / 2, tail = max - 3 - head;
    return text.substr(0, head) + "..." + text.substr(text.size() - tail);
}

bool is_blank(const std::string& line) {
    for (char c : line)
        if (!is_space(static_cast<unsigned char>(c))) return false;
    return true;
}

namespace {

// The word without surrounding white space; empty when nothing else is left.
std::string_view trimmed(std::string_view word) {
    size_t b = 0, e = word.size();
    while (b < e && is_space(static_cast<unsigned char>(word[b]))) ++b;
    while (e > b && is_space(static_cast<unsigned char>(word[e - 1]))) --e;
    return word.substr(b, e - b);
}

}  // namespace

bool parse_int(std::string_view word, int& value) {
    const std::string_view w = trimmed(word);
    size_t i = (!w.empty() && (w[0] == '+' || w[0] == '-')) ? 1 : 0;
    if (i == w.size()) return false;
    long long v = 0;
    for (; i < w.size(); ++i) {
        if (w[i] < '0' || w[i] > '9') return false;
        v = v * 10 + (w[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (w[0] == '-') v = -v;
    if (v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

bool parse_double(std::string_view word, double& value) {
    const std::string_view w = trimmed(word);
    if (w.empty()) return false;
    char small[64];
    std::string large;
    const char* text = small;
    if (w.size() < sizeof small) {
        w.copy(small, w.size());
        small[w.size()] = '\0';
    } else {
        large.assign(w);
        text = large.c_str();
    }
    double v;
    const char* end = read_real(text, v);
    if (end != text + w.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

namespace {

bool ends_number(char c) {
    return c == '\0' || c == '+' || c == '-' || is_space(static_cast<unsigned char>(c));
}

void skip_blanks(const char*& p) {
    while (*p && is_space(static_cast<unsigned char>(*p))) ++p;
}

}  // namespace

bool scan_record(const std::string& line, int* int_values, int ints, double* real_values,
                 int reals) {
    const char* p = line.c_str();
    for (int i = 0; i < ints; ++i) {
        skip_blanks(p);
        const char* start = p;
        if (*p == '+' || *p == '-') ++p;
        const char* digits = p;
        long long v = 0;
        while (*p >= '0' && *p <= '9') {
            v = v * 10 + (*p - '0');
            if (v > static_cast<long long>(INT_MAX) + 1) return false;
            ++p;
        }
        if (p == digits || !ends_number(*p)) return false;
        if (*start == '-') v = -v;
        if (v < INT_MIN || v > INT_MAX) return false;
        int_values[i] = static_cast<int>(v);
    }
    for (int i = 0; i < reals; ++i) {
        skip_blanks(p);
        double v;
        const char* end = read_real(p, v);
        if (!end || !std::isfinite(v) || !ends_number(*end)) return false;
        real_values[i] = v;
        p = end;
    }
    return true;
}

}  // namespace ped
