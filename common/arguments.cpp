#include "common/arguments.hpp"

#include "common/text.hpp"

namespace ped {

int int_at(const Terminal& t, const CommandLine& cl, size_t pos, const char* hint) {
    int value;
    if (!parse_int(cl.at(pos), value))
        fail(strprintf(t.lang.argument_not_whole, pos, cl.at(pos).c_str()) + hint);
    return value;
}

double real_at(const Terminal& t, const CommandLine& cl, size_t pos) {
    double value;
    if (!parse_double(cl.at(pos), value))
        fail(strprintf(t.lang.argument_not_number, pos, cl.at(pos).c_str()));
    return value;
}

int take_int(const Terminal& t, const CommandLine& cl, size_t pos, const char* question) {
    return cl.given() >= pos ? int_at(t, cl, pos) : ask_int(t, question);
}

double take_real(const Terminal& t, const CommandLine& cl, size_t pos, const char* question) {
    return cl.given() >= pos ? real_at(t, cl, pos) : ask_double(t, question);
}

std::string take_name(const Terminal& t, const CommandLine& cl, size_t pos, const char* question,
                      const std::string& fallback) {
    if (cl.given() >= pos) return cl.at(pos);
    ask(t, question);
    return t.in.read_name(fallback);
}

std::string take_output_name(const Terminal& t, const CommandLine& cl, size_t pos,
                             const std::function<std::string()>& ask,
                             const std::function<std::string(const std::string&)>& replaced) {
    if (cl.given() >= pos) {
        const std::string name = cl.at(pos);
        if (name.empty()) fail(t.lang.output_name_empty);
        const std::string input = replaced(name);
        if (!input.empty()) fail(strprintf(t.lang.would_replace, name.c_str(), input.c_str()));
        return name;
    }
    for (;;) {
        const std::string name = ask();
        // The system would read such a name up to the zero byte: every file the same.
        if (name.find('\0') != std::string::npos) {
            say(t, "%s", t.lang.output_name_zero_byte);
            continue;
        }
        const std::string input = replaced(name);
        if (input.empty()) return name;
        say(t, t.lang.would_replace_console, name.c_str(), input.c_str());
    }
}

void say_unused_positions(const Terminal& t, const CommandLine& cl, size_t first) {
    const size_t last = cl.given();
    if (first < 1 || first > last) return;
    std::string texts;
    for (size_t pos = first; pos <= last; ++pos) texts += (pos > first ? " " : "") + cl.at(pos);
    if (first == last)
        say(t, t.lang.position_unused, first, texts.c_str());
    else
        say(t, t.lang.positions_unused, first, last, texts.c_str());
}

}  // namespace ped
