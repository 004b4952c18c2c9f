// The formatting layer against printf and the reader against strtod, on millions of values:
// every magnitude, rounding ties and their neighbours, signs, widths, words and odd spellings.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "common/format.hpp"
#include "harness.hpp"

namespace ped {
namespace {

// The sanitizers make each call several times slower: fewer random values there.
#ifdef __SANITIZE_ADDRESS__
constexpr int kShare = 10;
#else
constexpr int kShare = 1;
#endif
constexpr int many(int plain) {
    return plain / kShare;
}

std::uint64_t bits_of(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}
double from_bits(std::uint64_t b) {
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

// What the C library's printf writes (strprintf goes through the layer under test).
std::string c_format(const char* fmt, ...) PED_PRINTF_LIKE(1, 2);
std::string c_format(const char* fmt, ...) {
    va_list args, again;
    va_start(args, fmt);
    va_copy(again, args);
    char buf[512];
    const int n = std::vsnprintf(buf, sizeof buf, fmt, args);
    std::string text(buf, size_t(std::min(n, 511)));
    if (n > 511) {
        text.resize(size_t(n) + 1);
        std::vsnprintf(text.data(), text.size(), fmt, again);
        text.pop_back();
    }
    va_end(again);
    va_end(args);
    return text;
}

// Counts the checks and the differences from the C library, keeping the first few.
struct Misses {
    long count = 0, checked = 0;
    std::string first;
    template <class What>
    void check(bool same, What what) {
        ++checked;
        if (!same && ++count <= 5) first += what() + "\n";
    }
};
::testing::AssertionResult none(const Misses& m) {
    if (m.count == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << m.count << " of " << m.checked << " differ:\n"
                                         << m.first;
}

// put_fixed against printf("%*.*f"); both_signs: v and -v, in a field it fits and one it
// overflows.
struct FixedCheck : Misses {
    void operator()(double v, int width, int precision) {
        const std::string want = c_format("%*.*f", width, precision, v);
        std::string got = "<";
        put_fixed(got, v, width, precision);
        check(got.compare(1, std::string::npos, want) == 0, [&] {
            return strprintf("%a width %d precision %d: \"%s\", printf \"%s\"", v, width, precision,
                             got.c_str() + 1, want.c_str());
        });
    }
    void both_signs(double v, int precision) {
        for (double x : {v, -v})
            for (int width : {0, 15}) (*this)(x, width, precision);
    }
};

// read_real against strtod: the same end, and the same double bit for bit.
struct ReadCheck : Misses {
    void operator()(const std::string& text) {
        const char* p = text.c_str();
        char* end = nullptr;
        const double want = std::strtod(p, &end);
        const char* want_end = end == p ? nullptr : end;
        double got = 12345;
        const char* got_end = read_real(p, got);
        check(got_end == want_end && bits_of(got) == bits_of(want_end ? want : 12345), [&] {
            return strprintf("\"%s\": %a ending at %ld, strtod %a ending at %ld", p, got,
                             got_end ? long(got_end - p) : -1L, want,
                             want_end ? long(want_end - p) : -1L);
        });
    }
};

const int kPrecisions[] = {0, 1, 2, 3, 6, 8};

TEST(PutFixed, MatchesPrintf) {
    std::mt19937_64 rng(1);
    FixedCheck check;
    // Every magnitude from subnormals to 1e308, infinities and NaNs with any payload and sign,
    // at every precision to 19 and in fields both wide enough and too narrow; then magnitudes
    // that print in a few dozen digits, the records' range.
    for (int n = 0; n < many(50000); ++n) check(from_bits(rng()), int(rng() % 16), int(rng() % 20));
    for (int n = 0; n < many(250000); ++n) {
        const double v =
            std::ldexp(from_bits(rng() >> 12 | 0x3ff0000000000000u), int(rng() % 120) - 70);
        check(rng() % 2 ? v : -v, int(rng() % 16), kPrecisions[rng() % 6]);
    }
    const auto with_neighbours = [&](double v, int p) {
        for (double x : {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300)})
            check.both_signs(x, p);
    };
    for (int n = 0; n < many(3000); ++n) {
        for (int p : kPrecisions) {
            // Short decimals k / 10^j; exact binary ties at the last printed digit, the odd
            // multiples of 2^-(p+1) (0.125 at two decimals, 2.5 at none), which go to the even
            // digit; the doubles nearest to the decimal midpoint (k + 0.5) / 10^p.
            const double k = double(rng() % 10000000);
            with_neighbours(std::strtod(c_format("%.0fe-%d", k, int(rng() % 11)).c_str(), nullptr),
                            p);
            check.both_signs(std::ldexp(double(2 * (rng() % (1u << 30)) + 1), -(p + 1)), p);
            with_neighbours(std::strtod(c_format("%.0f5e-%d", k, p + 1).c_str(), nullptr), p);
        }
    }
    // Carries into a new digit (9.995 -> "10.00"), the largest values whose scaled digits fit
    // 64 bits, 2^53, and the extremes.
    for (int p = 0; p <= 19; ++p) {
        for (int e = 0; e <= 20; ++e)
            with_neighbours(
                std::strtod((std::string(size_t(e), '9') + c_format("5e-%d", p + 1)).c_str(),
                            nullptr),
                p);
        for (double edge : {std::ldexp(1.0, 64) / std::pow(10.0, p), std::ldexp(1.0, 53),
                            std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min(), 0.0, 0.5, 1.5, 2.5})
            with_neighbours(edge, p);
    }
    // Negative zero and values rounding to it, ties to even at two decimals and at none, 1.005
    // (just below in binary), the words, left alignment and the default precision.
    for (double v : {-0.0, -0.001, 0.125, 0.375, 2.5, 3.5, 1.005, 123456.789, std::nan(""),
                     -std::nan(""), HUGE_VAL, -HUGE_VAL, 1.5, 1e300})
        for (int width : {0, 4, 6, -8})
            for (int precision : {-1, 0, 2, 8}) check(v, width, precision);
    // Precisions beyond the records': every digit of the binary value, then zeros.
    for (int p : {20, 40, 80, 81, 400, 1100})
        for (double v : {0.1, -1.0 / 3, 1e300, 5e-324, -0.0, 123.456})
            for (int width : {0, -30, 30}) check(v, width, p);
    EXPECT_TRUE(none(check));
}

TEST(PutInt, MatchesPrintf) {
    std::mt19937_64 rng(3);
    Misses misses;
    const auto compare = [&](long long v, int width) {
        std::string got;
        put_int(got, v, width);
        misses.check(got == c_format("%*lld", width, v),
                     [&] { return strprintf("%lld width %d: \"%s\"", v, width, got.c_str()); });
    };
    for (long long v : {0LL, -1LL, 9999LL, -999LL, 10000LL, -1000LL, LLONG_MIN, LLONG_MAX,
                        (long long)INT_MIN, (long long)INT_MAX})
        for (int width = -22; width <= 22; ++width) compare(v, width);
    for (int n = 0; n < many(100000); ++n) {
        const long long v = static_cast<long long>(rng() >> (rng() % 64));
        compare(rng() % 2 ? v : -v, int(rng() % 25) - 4);
    }
    EXPECT_TRUE(none(misses));
}

TEST(RecordLines, MatchTheirPrintfLayoutsAndPutFormatMatchesPrintf) {
    // Mostly values of the records' range, now and then one too wide for its column, a
    // negative zero or a value that is not finite.
    std::mt19937_64 rng(4);
    const auto value = [&rng]() {
        const auto kind = rng() % 16;
        return kind == 0   ? std::ldexp(double(rng() % 1000000), 30)
               : kind == 1 ? -0.0
               : kind == 2 ? (rng() % 2 ? std::nan("") : -HUGE_VAL)
                           : (double(rng() % 20000000) - 1e7) / 997;
    };
    const auto index = [&rng]() { return int(rng() % 40000) - 20000; };
    const char* kRecord = "%4d%4d%4d%15.2lf%15.2lf%15.8lf\n";
    const char* kMore = "%-6s|%3c|%zu|%ld|%lld|%%|%.0f|%lf|%-9.3f|%s %d\n";
    Misses misses;
    std::string got = "kept ";
    for (int n = 0; n < many(20000); ++n) {
        const size_t at = got.size();
        const int h = index(), k = index(), l = index();
        const double i = value(), sig = value(), g = value();
        const long lv = index() * 100000L;
        const size_t zv = size_t(n) * 977;
        const char* word = n % 2 ? "zb.hkl" : "";
        append_reflection(got, h, k, l, i, sig, g);
        put_format(got, kRecord, h, k, l, i, sig, g);
        put_format(got, kMore, word, 'A' + n % 26, zv, lv, 1LL << (n % 63), i, sig, g, word, -n);
        put_format(got, "%g|%5.1e|%x\n", i, sig, n);  // not done here: vsnprintf
        const std::string want =
            c_format(kRecord, h, k, l, i, sig, g) + c_format(kRecord, h, k, l, i, sig, g) +
            c_format(kMore, word, 'A' + n % 26, zv, lv, 1LL << (n % 63), i, sig, g, word, -n) +
            c_format("%g|%5.1e|%x\n", i, sig, n);
        misses.check(got.compare(at, std::string::npos, want) == 0,
                     [&] { return got.substr(at) + " instead of\n" + want; });
    }
    EXPECT_EQ(got.compare(0, 5, "kept "), 0);
    EXPECT_TRUE(none(misses));
}

// A random text built from what record reals are made of: blanks, signs, digits, points,
// exponents of every size, hexadecimal numbers, the words, and what may follow a number.
std::string random_real_text(std::mt19937_64& rng) {
    const auto pick = [&rng](std::initializer_list<const char*> choices) {
        return std::string(choices.begin()[rng() % choices.size()]);
    };
    const auto digits = [&rng](const char* set, int base) {
        std::string s;
        for (int n = rng() % 8 == 0 ? int(rng() % 40) : int(rng() % 8); n > 0; --n)
            s += set[rng() % base];
        return s;
    };
    std::string s = pick({"", "", "", " ", "\t", " \n\v\f\r"});
    s += pick({"", "", "", "-", "-", "+", "+-", "--", "-+"});
    switch (rng() % 10) {
        case 7:
            s += pick({"0x", "0X", "0x", "-0x"}) + digits("0123456789abcdefABCDEF", 22);
            if (rng() % 2) s += "." + digits("0123456789abcdef", 16);
            if (rng() % 2) s += pick({"p", "P", "p-", "p+"}) + std::to_string(rng() % 1100);
            break;
        case 8:
            s += pick({"inf", "INF", "infinity", "Infinity", "infinit", "in", "nan", "NaN",
                       "nan(123)", "nan(0x7)", "nan(", "nan()", "nan(a_b)", "n"});
            break;
        case 9:
            for (int i = int(rng() % 12); i > 0; --i)
                s += "0123456789.eE+-xXpPinfatyINFATY( )"[rng() % 34];
            break;
        default:
            s += pick({"", "", "", "0", "000"}) + digits("0123456789", 10);
            if (rng() % 2) s += "." + digits("0123456789", 10);
            if (rng() % 2)
                s += pick({"e", "E", "e+", "e-", "E-"}) +
                     pick({"", "0", "5", "22", "99", "308", "309", "320", "324", "330", "400",
                           "99999999999999999999"});
    }
    return s + pick({"", "", "", " 7", "-1", "+2", "x", "e", ".", ";", "e+", "5e"});
}

TEST(ReadReal, MatchesStrtodOnRandomRecordText) {
    std::mt19937_64 rng(5);
    ReadCheck check;
    for (int n = 0; n < many(300000); ++n) check(random_real_text(rng));
    // Odd spellings, and the edges of the range: '|' separates the texts.
    const std::string odd =
        "| |-|+|.|+.|-.e1|+1|+.5|1.|-1.e|+-1|0x|0x1p3|0x.8p1|-0X1P-1074|0x1p-1075|"
        "0x1.fffffffffffff8p1023|inf|-Infinity|infinit|nan|-nan|nan(123)|nan(|1e|1e+|1e-400|"
        "-1e-400|1e400|-1e400|2.4703282292062327e-324|2.4703282292062328e-324|"
        "4.9406564584124654e-324|2.2250738585072011e-308|1.7976931348623157e308|"
        "1.7976931348623158e308|1.7976931348623159e308|0e99999999999| \t\n12|12-103|3.0e|1e5e5|"
        "00000000000000000000000001.5|0.0000000000000000000000000000000000000000000000000000000"
        "00000000000000000001e77";
    for (const std::string& text : test::split(odd, '|')) check(text);
    EXPECT_TRUE(none(check));
}

TEST(ReadReal, ReadsPrintedValuesBack) {
    std::mt19937_64 rng(6);
    ReadCheck check;
    Misses lost;
    for (int n = 0; n < many(30000); ++n) {
        const double v = from_bits(rng());
        if (!std::isfinite(v) || v == 0) continue;
        const std::string shortest = c_format("%.17g", v);
        check(shortest);
        double back = 0;
        lost.check(read_real(shortest.c_str(), back) && bits_of(back) == bits_of(v),
                   [&] { return shortest; });
        const double record = std::ldexp(v, -std::ilogb(v) + int(rng() % 40) - 10);
        for (const char* layout : {"%15.2f", "%15.8f", "%a", "%.0f", "%e", "%.25e"})
            check(c_format(layout, record));
    }
    EXPECT_TRUE(none(lost));
    // Long decimals at and next to the exact midpoint between two doubles, where a reader
    // needs every digit to round right.
    using Long = long double;
    if (std::numeric_limits<Long>::digits >= 55) {
        for (int n = 0; n < many(10000); ++n) {
            const int e = int(rng() % 60) - 30;
            // An odd 54-bit multiple of a power of two: halfway between two doubles.
            const Long mid = std::ldexp(static_cast<Long>((rng() >> 10) | 1 | 1ull << 53), e - 54);
            const std::string exact = c_format("%.*Lf", 54 - e, mid);
            for (const std::string& t :
                 {exact, exact + "1", exact.substr(0, exact.size() - 1), c_format("%.40Le", mid)})
                check(t);
        }
    }
    EXPECT_TRUE(none(check));
}

}  // namespace
}  // namespace ped
