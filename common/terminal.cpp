#include "common/terminal.hpp"

#include <cerrno>
#include <cstdarg>
#include <cstring>

namespace ped {

int error(const Terminal& t, const char* message) {
    std::fprintf(t.out, t.lang.error_header, t.prg_name.c_str());
    std::fprintf(t.out, "%s\n", message);
    std::fflush(t.out);
    t.in.pause(t.out);
    return -1;
}

void fail(const std::string& message) {
    throw Fatal{message};
}

namespace {

void say_file_reason(const Terminal& t, const std::string& path, int reason) {
    say(t, "%s: %s\n", path.c_str(), std::strerror(reason));
}

}  // namespace

int file_error(const Terminal& t, const std::string& path, int reason, const char* message) {
    say_file_reason(t, path, reason);
    return error(t, message);
}

void fail_file(const Terminal& t, const std::string& path, int reason, const char* message) {
    say_file_reason(t, path, reason);
    fail(message);
}

void close_or_fail(const Terminal& t, OutFile& file, const char* message) {
    if (file.close()) return;
    say(t, t.lang.incomplete, file.path().c_str());
    fail(message);
}

void write_file_or_fail(const Terminal& t, const std::string& path, const std::string& text,
                        const char* cannot_open) {
    OutFile file;
    if (!file.open(path)) fail_file(t, path, errno, cannot_open);
    file.write(text);
    close_or_fail(t, file, t.lang.cannot_write);
}

int finish(const Terminal& t, int status) {
    if (std::fflush(t.out) != 0 || std::ferror(t.out)) {
        std::fputs(t.lang.console_not_written, t.diag);
        return 255;
    }
    return status;
}

void say(const Terminal& t, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::vfprintf(t.diag, fmt, args);
    va_end(args);
    std::fflush(t.diag);
}

void say_refused(const Terminal& t, const std::string& word, const char* expected) {
    say(t, t.lang.refused, word.c_str(), expected);
}

void ask(const Terminal& t, const char* question) {
    std::fputs(question, t.out);
    std::fflush(t.out);
}

int ask_int(const Terminal& t, const char* question) {
    for (;;) {
        ask(t, question);
        int value;
        std::string word;
        if (t.in.read_int(value, word)) return value;
        say_refused(t, word, t.lang.whole_number);
    }
}

double ask_double(const Terminal& t, const char* question) {
    for (;;) {
        ask(t, question);
        double value;
        std::string word;
        if (t.in.read_double(value, word)) return value;
        say_refused(t, word, t.lang.number);
    }
}

void ask_two_doubles(const Terminal& t, const char* question, double& first, double& second) {
    for (;;) {
        ask(t, question);
        std::string word;
        if (t.in.read_double(first, word) && t.in.read_double(second, word)) return;
        say_refused(t, word, t.lang.number);
    }
}

}  // namespace ped
