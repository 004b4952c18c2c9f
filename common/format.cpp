#include "common/format.hpp"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "common/text.hpp"

namespace ped {

namespace {

// Precisions above this are rare enough to be formatted on the heap.
constexpr int kMaxInlinePrecision = 80;
// The longest "%.*f" text of a double up to that precision: a sign, 309 integer digits, the
// point and the decimals.
constexpr int kFixedRoom = 1 + 309 + 1 + kMaxInlinePrecision;
// The longest "%lld" text.
constexpr int kIntRoom = 20;

constexpr std::uint64_t kPow10[20] = {1,
                                      10,
                                      100,
                                      1000,
                                      10000,
                                      100000,
                                      1000000,
                                      10000000,
                                      100000000,
                                      1000000000,
                                      10000000000,
                                      100000000000,
                                      1000000000000,
                                      10000000000000,
                                      100000000000000,
                                      1000000000000000,
                                      10000000000000000,
                                      100000000000000000,
                                      1000000000000000000,
                                      10000000000000000000u};

constexpr char kPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546"
    "4748495051525354555657585960616263646566676869707172737475767778798081828384858687888990919293"
    "94"
    "9596979899";

// Writes the decimal digits of q, at least `min_digits` of them, so that they end at `end`;
// returns where they start.
char* digits_ending_at(char* end, std::uint64_t q, int min_digits) {
    char* d = end;
    while (q >= 100) {
        const std::uint64_t r = q % 100;
        q /= 100;
        d -= 2;
        std::memcpy(d, kPairs + 2 * r, 2);
    }
    if (q >= 10) {
        d -= 2;
        std::memcpy(d, kPairs + 2 * q, 2);
    } else {
        *--d = static_cast<char>('0' + q);
    }
    while (end - d < min_digits) *--d = '0';
    return d;
}

// |v| * 10^precision rounded to an integer as printf rounds it, computed exactly: |v| is
// m / 2^shift with a 53-bit m, so the product is m * 10^precision / 2^shift, an integer of at
// most 117 bits divided by a power of two, rounded to nearest with exact ties to even. False
// when v is not finite, |v| >= 2^53, the precision is above 19 or the result needs more than
// 64 bits: to_chars formats those.
bool scaled_magnitude(double v, int precision, std::uint64_t& q) {
    using u128 = unsigned __int128;
    if (precision > 19) return false;
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const int biased = static_cast<int>(bits >> 52 & 0x7ff);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0x7ff) return false;
    int shift = 1074;
    if (biased != 0) {
        m |= std::uint64_t{1} << 52;
        shift = 1075 - biased;
    }
    if (shift < 0) return false;
    const u128 n = static_cast<u128>(m) * kPow10[precision];  // below 2^117
    u128 r = 0;                                               // below half a unit from shift 118
    if (shift == 0) {
        r = n;
    } else if (shift <= 117) {
        r = n >> shift;
        const u128 rest = n - (r << shift);
        const u128 half = static_cast<u128>(1) << (shift - 1);
        if (rest > half || (rest == half && (r & 1) != 0)) ++r;
    }
    if ((r >> 64) != 0) return false;
    q = static_cast<std::uint64_t>(r);
    return true;
}

// The text of "%.*f" for v (precision up to kMaxInlinePrecision), somewhere inside buf.
std::string_view fixed_text(char (&buf)[kFixedRoom], double v, int precision) {
    std::uint64_t q;
    if (scaled_magnitude(v, precision, q)) {
        char* const end = buf + kFixedRoom;
        char* d = digits_ending_at(end, q, precision + 1);
        if (precision > 0) {
            // Move the integer digits one place left to open the decimal point.
            const std::ptrdiff_t whole = (end - d) - precision;
            std::memmove(d - 1, d, static_cast<size_t>(whole));
            --d;
            d[whole] = '.';
        }
        if (std::signbit(v)) *--d = '-';
        return std::string_view(d, static_cast<size_t>(end - d));
    }
    // Exact as well (every digit of the binary value, correctly rounded), and it writes
    // "inf", "-inf", "nan" and "-nan" as printf does.
    const std::to_chars_result r =
        std::to_chars(buf, buf + kFixedRoom, v, std::chars_format::fixed, precision);
    return std::string_view(buf, static_cast<size_t>(r.ptr - buf));
}

// Writes the text right-aligned in `width` columns at p; returns the end.
char* write_aligned(char* p, std::string_view text, int width) {
    const std::ptrdiff_t pad =
        static_cast<std::ptrdiff_t>(width) - static_cast<std::ptrdiff_t>(text.size());
    if (pad > 0) {
        std::memset(p, ' ', static_cast<size_t>(pad));
        p += pad;
    }
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

// "%*.*f" at p, which has room for max(width, kFixedRoom) characters; precision <=
// kMaxInlinePrecision.
char* write_fixed(char* p, double v, int width, int precision) {
    char buf[kFixedRoom];
    return write_aligned(p, fixed_text(buf, v, precision), width);
}

std::string_view int_text(char (&buf)[kIntRoom], long long v) {
    const std::to_chars_result r = std::to_chars(buf, buf + kIntRoom, v);
    return std::string_view(buf, static_cast<size_t>(r.ptr - buf));
}

// "%*lld" at p, which has room for max(width, kIntRoom) characters.
char* write_int(char* p, long long v, int width) {
    char buf[kIntRoom];
    return write_aligned(p, int_text(buf, v), width);
}

// The text in `width` columns as printf places it: right-aligned, left-aligned when the width is
// negative, never cut.
void append_aligned(std::string& out, std::string_view text, int width) {
    const long long w = width;  // -INT_MIN overflows an int
    const size_t columns = static_cast<size_t>(w < 0 ? -w : w);
    const size_t pad = columns > text.size() ? columns - text.size() : 0;
    if (w > 0) out.append(pad, ' ');
    out.append(text);
    if (w < 0) out.append(pad, ' ');
}

}  // namespace

void put_fixed(std::string& out, double v, int width, int precision) {
    if (precision < 0) precision = 6;
    if (precision <= kMaxInlinePrecision) {
        char buf[kFixedRoom];
        append_aligned(out, fixed_text(buf, v, precision), width);
        return;
    }
    std::string wide(static_cast<size_t>(kFixedRoom - kMaxInlinePrecision + precision), '\0');
    const std::to_chars_result r =
        std::to_chars(&wide[0], &wide[0] + wide.size(), v, std::chars_format::fixed, precision);
    wide.resize(static_cast<size_t>(r.ptr - wide.data()));
    append_aligned(out, wide, width);
}

void put_int(std::string& out, long long v, int width) {
    char buf[kIntRoom];
    append_aligned(out, int_text(buf, v), width);
}

void append_reflection(std::string& out, int h, int k, int l, double i, double sig, double g) {
    char line[3 * kIntRoom + 3 * kFixedRoom + 1];
    char* p = line;
    p = write_int(p, h, 4);
    p = write_int(p, k, 4);
    p = write_int(p, l, 4);
    p = write_fixed(p, i, 15, 2);
    p = write_fixed(p, sig, 15, 2);
    p = write_fixed(p, g, 15, 8);
    *p++ = '\n';
    out.append(line, static_cast<size_t>(p - line));
}

FileSink::FileSink(std::FILE* file, size_t block)
    : file_(file), block_(block), failed_(file == nullptr) {
    buffer_.reserve(block + (block >> 4));
}

FileSink::~FileSink() {
    flush();
}

void FileSink::flush() {
    if (!failed_ && !buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
        failed_ = true;
    buffer_.clear();
}

bool FileSink::finish() {
    flush();
    if (file_ && (std::fflush(file_) != 0 || std::ferror(file_))) failed_ = true;
    return !failed_;
}

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The characters a decimal number can hold.
bool in_decimal(char c) {
    return is_digit(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

}  // namespace

const char* read_real(const char* p, double& v) {
    // from_chars reads decimal numbers exactly as strtod does, only faster. It takes no '+',
    // and it knows no hexadecimal numbers; the words, and the numbers beyond the range of
    // double (strtod's HUGE_VAL, subnormal or zero, where from_chars reports an error), go
    // to strtod.
    const char* s = p;
    while (is_space(static_cast<unsigned char>(*s))) ++s;
    const bool plus = *s == '+';
    const char* first = s + (plus ? 1 : 0);
    const char* body = first + (!plus && *first == '-' ? 1 : 0);
    const bool hex = body[0] == '0' && (body[1] == 'x' || body[1] == 'X');
    if ((is_digit(*body) || *body == '.') && !hex) {
        const char* last = body;
        while (in_decimal(*last)) ++last;
        double x;
        const std::from_chars_result r = std::from_chars(first, last, x);
        if (r.ec == std::errc()) {
            v = x;
            return r.ptr;
        }
    }
    char* end = nullptr;
    const double x = std::strtod(p, &end);
    if (end == p) return nullptr;
    v = x;
    return end;
}

namespace {

// One conversion of a format: flags, width, precision, length and letter.
struct Conversion {
    bool left = false;
    int width = 0, precision = -1;
    int longs = 0;      // 'l' count
    bool size = false;  // 'z'
    char letter = 0;
};

// Reads the conversion after a '%' at p; returns the character after it, or null for one
// put_format does not do itself.
const char* read_conversion(const char* p, Conversion& s) {
    if (*p == '-') {
        s.left = true;
        ++p;
    }
    while (is_digit(*p)) s.width = s.width * 10 + (*p++ - '0');
    if (*p == '.') {
        s.precision = 0;
        for (++p; is_digit(*p);) s.precision = s.precision * 10 + (*p++ - '0');
    }
    while (*p == 'l') {
        ++s.longs;
        ++p;
    }
    if (*p == 'z') {
        s.size = true;
        ++p;
    }
    s.letter = *p;
    const bool integer = s.letter == 'd' || (s.letter == 'u' && s.size);
    const bool ok =
        (integer && s.precision < 0 && s.longs <= 2) ||
        (s.letter == 'f' && s.longs <= 1 && !s.size) ||
        ((s.letter == 's' || s.letter == 'c') && s.precision < 0 && !s.longs && !s.size) ||
        (s.letter == '%' && !s.left && !s.width && s.precision < 0);
    return ok ? p + 1 : nullptr;
}

bool done_here(const char* fmt) {
    for (const char* p = fmt; *p; ++p) {
        if (*p != '%') continue;
        Conversion s;
        if (!(p = read_conversion(p + 1, s))) return false;
        --p;
    }
    return true;
}

}  // namespace

namespace {

// The whole format through vsnprintf.
void put_by_vsnprintf(std::string& out, const char* fmt, std::va_list args) {
    std::va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, fmt, again);
    va_end(again);
    if (size <= 0) return;
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(size) + 1);
    std::vsnprintf(&out[at], static_cast<size_t>(size) + 1, fmt, args);
    out.resize(at + static_cast<size_t>(size));
}

// The argument of a %d conversion, as its length says it was passed.
long long signed_argument(const Conversion& c, std::va_list& args) {
    if (c.size) return static_cast<long long>(va_arg(args, std::ptrdiff_t));
    if (c.longs == 2) return va_arg(args, long long);
    if (c.longs == 1) return static_cast<long long>(va_arg(args, long));
    return static_cast<long long>(va_arg(args, int));
}

// "%*zu": beyond the range of long long, through snprintf.
void put_size(std::string& out, size_t v, int width) {
    if (v <= static_cast<size_t>(LLONG_MAX)) return put_int(out, static_cast<long long>(v), width);
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%*zu", width, v);
    out.append(text, static_cast<size_t>(n));
}

// One conversion read by read_conversion, with its argument.
void put_conversion(std::string& out, const Conversion& c, std::va_list& args) {
    const int width = c.left ? -c.width : c.width;
    switch (c.letter) {
        case 'd':
            return put_int(out, signed_argument(c, args), width);
        case 'u':
            return put_size(out, va_arg(args, size_t), width);
        case 'f':
            return put_fixed(out, va_arg(args, double), width, c.precision);
        case 's': {
            const char* text = va_arg(args, const char*);
            return append_aligned(out, text ? text : "(null)", width);
        }
        case 'c': {
            const char letter = static_cast<char>(va_arg(args, int));
            return append_aligned(out, std::string_view(&letter, 1), width);
        }
        default:
            out.push_back('%');
    }
}

}  // namespace

void put_vformat(std::string& out, const char* fmt, std::va_list args) {
    if (!done_here(fmt)) return put_by_vsnprintf(out, fmt, args);
    std::va_list rest;
    va_copy(rest, args);
    for (const char* p = fmt; *p;) {
        const char* percent = std::strchr(p, '%');
        if (!percent) {
            out.append(p);
            break;
        }
        out.append(p, static_cast<size_t>(percent - p));
        Conversion c;
        p = read_conversion(percent + 1, c);
        put_conversion(out, c, rest);
    }
    va_end(rest);
}

void put_format(std::string& out, const char* fmt, ...) {
    std::va_list args;
    va_start(args, fmt);
    put_vformat(out, fmt, args);
    va_end(args);
}

void print(std::FILE* file, const char* fmt, ...) {
    thread_local std::string text;
    text.clear();
    std::va_list args;
    va_start(args, fmt);
    put_vformat(text, fmt, args);
    va_end(args);
    std::fwrite(text.data(), 1, text.size(), file);
}

}  // namespace ped
