// Times the record text both ways: snprintf against append_reflection and put_fixed, strtod
// against read_real, on a million reflection records; checks the bytes and values agree.
// Not built by CMake. From the top of the tree:
//   g++ -O2 -std=c++17 -I. tests/bench/format_bench.cpp common/format.cpp common/text.cpp
//   -o /tmp/format_bench && /tmp/format_bench
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "common/format.hpp"

namespace {

struct Record {
    int h, k, l;
    double i, sig, g;
};

using Clock = std::chrono::steady_clock;

double ns_each(Clock::time_point a, Clock::time_point b, size_t n) {
    return std::chrono::duration<double, std::nano>(b - a).count() / static_cast<double>(n);
}

}  // namespace

int main() {
    std::mt19937_64 rng(1);
    std::uniform_real_distribution<double> intensity(-1000, 100000);
    std::vector<Record> records(1000000);
    for (Record& r : records)
        r = {static_cast<int>(rng() % 100) - 50, static_cast<int>(rng() % 100) - 50,
             static_cast<int>(rng() % 30),       intensity(rng),
             std::fabs(intensity(rng)) / 100,    static_cast<double>(rng() % 1000000) / 1e6};
    const size_t n = records.size();
    for (int round = 0; round < 3; ++round) {
        std::string by_printf, by_layer, table_printf, table_layer;
        for (std::string* s : {&by_printf, &by_layer, &table_printf, &table_layer})
            s->reserve(60 * n);
        char buf[256];
        const auto t0 = Clock::now();
        for (const Record& r : records) {
            const int len = std::snprintf(buf, sizeof buf, "%4d%4d%4d%15.2lf%15.2lf%15.8lf\n", r.h,
                                          r.k, r.l, r.i, r.sig, r.g);
            by_printf.append(buf, static_cast<size_t>(len));
        }
        const auto t1 = Clock::now();
        for (const Record& r : records)
            ped::append_reflection(by_layer, r.h, r.k, r.l, r.i, r.sig, r.g);
        const auto t2 = Clock::now();
        for (const Record& r : records) {
            const int len = std::snprintf(buf, sizeof buf, "%lf\t", r.i);
            table_printf.append(buf, static_cast<size_t>(len));
        }
        const auto t3 = Clock::now();
        for (const Record& r : records) {
            ped::put_fixed(table_layer, r.i, 0, 6);
            table_layer += '\t';
        }
        const auto t4 = Clock::now();

        // The three reals of every line (each line holds 58 characters).
        std::vector<const char*> reals;
        for (size_t at = 0; at < by_printf.size(); at += 58)
            for (size_t column : {12, 27, 42}) reals.push_back(by_printf.c_str() + at + column);
        double sum_strtod = 0, sum_layer = 0;
        const auto t5 = Clock::now();
        for (const char* p : reals) sum_strtod += std::strtod(p, nullptr);
        const auto t6 = Clock::now();
        for (const char* p : reals) {
            double v = 0;
            ped::read_real(p, v);
            sum_layer += v;
        }
        const auto t7 = Clock::now();

        std::printf(
            "reflection line: snprintf %.0f ns, append_reflection %.0f ns%s | \"%%lf\\t\": "
            "snprintf %.0f ns, put_fixed %.0f ns%s | real: strtod %.0f ns, read_real %.0f ns%s\n",
            ns_each(t0, t1, n), ns_each(t1, t2, n), by_printf == by_layer ? "" : " DIFFERENT",
            ns_each(t2, t3, n), ns_each(t3, t4, n), table_printf == table_layer ? "" : " DIFFERENT",
            ns_each(t5, t6, reals.size()), ns_each(t6, t7, reals.size()),
            sum_strtod == sum_layer ? "" : " DIFFERENT");
    }
}
