#include "merge/pipeline/pair_compare.hpp"

#include <cmath>

#include "common/format.hpp"
#include "common/text.hpp"

namespace ped::merge {

std::vector<Retained> common_reflections(const IndexedReflections& first,
                                         const IndexedReflections& second, PairKind kind,
                                         double sigma) {
    std::vector<Retained> kept;
    for (size_t r = 0; r < first.records.size(); ++r) {
        if (first.keyed() && !first.first_of_key(r)) continue;
        const Reflection& a = first.records[r];
        auto range = second.find_key_of(first, r);
        // Keyed, a reflection meets the first record of its key only.
        if (second.keyed() && range.first != range.second) range.second = range.first + 1;
        for (const unsigned* p = range.first; p != range.second; ++p) {
            const Reflection& b = second.records[*p];
            const double weight = (a.i / a.sig + b.i / b.sig) * 0.5;
            if (!(weight > sigma)) continue;
            const double ratio = kind == PairKind::intensities ? b.i / a.i : b.g / a.g;
            if (!std::isfinite(weight) || !std::isfinite(ratio)) continue;
            kept.push_back({a.h, a.k, a.l, ratio, weight, static_cast<unsigned>(r), *p});
        }
    }
    return kept;
}

PairStatistics pair_statistics(const std::vector<Retained>& kept, PairKind kind) {
    PairStatistics st;
    const double n = static_cast<double>(kept.size());
    double sum = 0, sum_sq = 0, sum_rw = 0, sum_w = 0;
    for (const Retained& r : kept) {
        sum += r.ratio;
        sum_sq += r.ratio * r.ratio;
        sum_rw += r.ratio * r.weight;
        sum_w += r.weight;
    }
    st.mean = sum / n;
    const double variance = sum_sq / n - st.mean * st.mean;
    // Equal ratios can leave a variance a little below zero: no spread, no outlier.
    st.sd = variance > 0 ? std::sqrt(variance) : 0;
    st.percent = st.sd / st.mean * 100;
    if (variance > 0)
        for (const Retained& r : kept)
            if (r.ratio > st.mean + st.sd || r.ratio < st.mean - st.sd) ++st.outliers;

    if (kind == PairKind::intensities) {
        st.weighted_mean = sum_rw / sum_w;
        st.d1 = std::fabs(st.weighted_mean - st.mean) / st.mean * 100;
        st.d2 = std::fabs(st.weighted_mean - st.mean) / st.weighted_mean * 100;
        if (st.sd > st.mean / 2 || st.d1 > 20 || st.d2 > 20)
            st.verdict = Verdict::no_good;
        else if (st.sd > st.mean / 4 || st.d1 > 10 || st.d2 > 10)
            st.verdict = Verdict::average;
        else
            st.verdict = Verdict::good;
    } else {
        const double p = st.sd / st.mean;
        st.verdict = p > 0.005 ? Verdict::no_good : p > 0.0025 ? Verdict::average : Verdict::good;
    }
    return st;
}

namespace {

// What a report shows for a value that is not a number (a ratio of zeros, say): 0.
double shown(double value) {
    return std::isfinite(value) ? value : 0;
}

void write_verdict(OutFile& report, const PairTexts& t, Verdict v, const std::string& first,
                   const std::string& second) {
    const int marks = v == Verdict::no_good ? 64 : v == Verdict::average ? 41 : 17;
    const std::string line(static_cast<size_t>(marks), '!');
    const char* text = v == Verdict::no_good   ? t.no_good
                       : v == Verdict::average ? t.average
                                               : t.good;
    report.printf("%s\n", line.c_str());
    report.printf(text, first.c_str(), second.c_str());
    report.printf("%s\n\n\n", line.c_str());
}

// The records of both files, or none after `error` when one of them cannot be read.
std::optional<std::pair<const IndexedReflections*, const IndexedReflections*>> pair_files(
    const Session& s, PreparedFiles& files, const std::string& first, const std::string& second) {
    int reason = 0;
    const IndexedReflections* a = files.get(first, reason);
    const IndexedReflections* b = a ? files.get(second, reason) : nullptr;
    if (a && b) return std::make_pair(a, b);
    file_error(s.term, a ? second : first, reason, kCannotOpen);
    return std::nullopt;
}

// One retained reflection on the console, "%4d%4d%4d%9.3lf %11.3lf\n", and in the report,
// "%4d%4d%4d %9.3lf%11.3lf\n" (both without the weight for g): the same fields, each
// formatted once, the blank in another place.
void echo(const Retained& r, bool with_weight, std::string& console, std::string& report) {
    const size_t indices = console.size();
    put_int(console, r.h, 4);
    put_int(console, r.k, 4);
    put_int(console, r.l, 4);
    const size_t ratio = console.size();
    put_fixed(console, r.ratio, 9, 3);
    report.append(console, indices, ratio - indices);
    report += ' ';
    report.append(console, ratio, console.size() - ratio);
    if (with_weight) {
        console += ' ';
        const size_t weight = console.size();
        put_fixed(console, r.weight, 11, 3);
        report.append(console, weight, console.size() - weight);
    }
    console += '\n';
    report += '\n';
}

// The echo of every retained reflection, each text written in one piece.
void echo_all(const std::vector<Retained>& kept, bool with_weight, std::FILE* out,
              OutFile& report) {
    thread_local std::string console_text, report_text;
    console_text.clear();
    report_text.clear();
    for (const Retained& r : kept) echo(r, with_weight, console_text, report_text);
    std::fwrite(console_text.data(), 1, console_text.size(), out);
    report.write(report_text);
}

// The statistics and the verdict of a pair with retained reflections, in its report.
PairStatistics report_statistics(const Session& s, PairKind kind, const std::vector<Retained>& kept,
                                 const std::string& first, const std::string& second,
                                 OutFile& report) {
    const PairTexts& t = kind == PairKind::intensities ? s.msg.intensity_pairs : s.msg.g_pairs;
    const PairStatistics st = pair_statistics(kept, kind);
    report.printf(t.stats, shown(st.mean), shown(st.sd), shown(st.percent));
    report.printf(t.outliers, st.outliers);
    if (kind == PairKind::intensities) {
        report.printf(s.msg.weight_mean, shown(st.weighted_mean));
        report.printf(s.msg.relative_diff, shown(st.d1), shown(st.d2));
    }
    write_verdict(report, t, st.verdict, first, second);
    return st;
}

std::optional<double> compare_pair(const Session& s, PreparedFiles& files, PairKind kind,
                                   const std::string& first, const std::string& second,
                                   double sigma, OutFile& report, std::vector<Retained>* retained) {
    const auto pair = pair_files(s, files, first, second);
    if (!pair) return std::nullopt;
    const bool intensities = kind == PairKind::intensities;
    const PairTexts& t = intensities ? s.msg.intensity_pairs : s.msg.g_pairs;
    std::vector<Retained> own;
    std::vector<Retained>& kept = retained ? *retained : own;
    kept = common_reflections(*pair->first, *pair->second, kind, sigma);
    echo_all(kept, intensities, s.term.out, report);
    const int n = static_cast<int>(kept.size());
    report.printf(t.count, first.c_str(), second.c_str(), n);
    std::fprintf(s.term.out, t.count, first.c_str(), second.c_str(), n);
    std::fputs("\n", s.term.out);
    if (n == 0) {
        write_verdict(report, t, Verdict::no_good, first, second);
        return std::nullopt;
    }
    const PairStatistics st = report_statistics(s, kind, kept, first, second, report);
    const double value = intensities ? st.weighted_mean : st.mean;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> scaling(const Session& s, PreparedFiles& files, const std::string& first,
                              const std::string& second, double sigma, OutFile& report,
                              std::vector<Retained>* retained) {
    return compare_pair(s, files, PairKind::intensities, first, second, sigma, report, retained);
}

std::optional<double> scaling2(const Session& s, PreparedFiles& files, const std::string& first,
                               const std::string& second, double sigma, OutFile& report_g,
                               std::vector<Retained>* retained) {
    return compare_pair(s, files, PairKind::g, first, second, sigma, report_g, retained);
}

}  // namespace ped::merge
