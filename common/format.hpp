// Number text without printf and strtod: fields appended to a growing buffer with exactly the
// bytes printf writes for them, a sink that hands such text to a file in large blocks, and a
// reader that gives exactly what strtod gives. The record files hold millions of lines; these
// spare them the general format machinery of the C library.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/text.hpp"

namespace ped {

// Appends what printf("%*.*f", width, precision, v) writes: v correctly rounded to `precision`
// decimals (an exact tie of the binary value goes to the even digit), a '-' on every value
// whose sign bit is set (-0.0 and -0.001 give "-0.00"), "inf", "-inf", "nan" or "-nan" for
// values that are not finite; right-aligned in `width` columns and wider when it does not fit.
// As with printf, a negative width aligns to the left and a negative precision means 6.
void put_fixed(std::string& out, double v, int width, int precision);

// Appends what printf("%*lld", width, v) writes (the same as "%*d" for an int).
void put_int(std::string& out, long long v, int width);

// Appends what printf(fmt, ...) writes. The conversions the tools' layouts use are done by the
// functions above: %d %ld %lld %zu, %f and %lf with a width and a precision, %s, %c, %%, each
// with an optional width and '-'; a format with anything else goes to vsnprintf whole.
void put_format(std::string& out, const char* fmt, ...) PED_PRINTF_LIKE(2, 3);
void put_vformat(std::string& out, const char* fmt, std::va_list args);

// fprintf(file, fmt, ...) through put_format, for lines written many times.
void print(std::FILE* file, const char* fmt, ...) PED_PRINTF_LIKE(2, 3);

// A reflection record: "%4d%4d%4d%15.2lf%15.2lf%15.8lf\n".
void append_reflection(std::string& out, int h, int k, int l, double i, double sig, double g);

// Collects text for an open file and writes it in blocks of `block` bytes. A write that does
// not go through is remembered, and the text that follows it is dropped. The sink neither
// opens nor closes the file; text printed on the file by other means must wait for flush().
//
//     FileSink sink(file);
//     for (...) {
//         append_reflection(sink.buffer(), h, k, l, i, sig, g);
//         sink.commit();
//     }
//     if (!sink.finish()) ...  // some text is missing from the file
class FileSink {
  public:
    static constexpr size_t kBlock = size_t{1} << 20;

    explicit FileSink(std::FILE* file, size_t block = kBlock);
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;
    // Writes what is left; whether that went through is then known only from the file's
    // error flag, so call finish() before.
    ~FileSink();

    // The text not yet written: append to it.
    std::string& buffer() { return buffer_; }
    // Writes the buffer once a block has gathered.
    void commit() {
        if (buffer_.size() >= block_) flush();
    }
    // Hands the whole buffer to the file.
    void flush();
    // Flushes the buffer and the file's own buffer. True when every byte went through.
    bool finish();

  private:
    std::FILE* file_;
    size_t block_;
    std::string buffer_;
    bool failed_ = false;
};

// Reads a real number at p (a NUL-terminated text) as strtod(p, &end) does: leading white
// space is skipped, then an optional sign, a decimal number with an optional exponent, a
// hexadecimal number ("0x1p3"), or the words "inf", "infinity" and "nan" ("nan(...)"); values
// beyond the range of double give HUGE_VAL, values below it a subnormal or zero. Returns the end
// of the number, and v the same double strtod gives, bit for bit; null and v unchanged when no
// number starts at p. errno tells nothing here (strtod's range errors are not reported), and
// the decimal point is always '.', as strtod has it in the "C" locale the tools run in.
const char* read_real(const char* p, double& v);

}  // namespace ped
