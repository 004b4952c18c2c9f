// Comparison of two prepared files on their common reflections (the same h k l in both), with
// statistics and a verdict (GOOD, AVERAGE, NO GOOD).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/outfile.hpp"
#include "merge/pipeline/prepared_file.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

enum class PairKind { intensities, g };

// One retained common reflection: the ratio second/first and its signal-to-noise weight, and
// the positions of the two records in their files.
struct Retained {
    int h, k, l;
    double ratio, weight;
    unsigned first_record = 0, second_record = 0;
};

// The common reflections in order: for each record of `first` in file order, each record of
// `second` with the same key in file order. A match counts when the mean I/sigI of the two is
// above sigma and both its weight and its ratio are finite. Files indexed by h k l match every
// repeat of an index triple; files indexed by a key take part with the first record of each
// key only. The retained indices are those of the record of `first`.
std::vector<Retained> common_reflections(const IndexedReflections& first,
                                         const IndexedReflections& second, PairKind kind,
                                         double sigma);

enum class Verdict { good, average, no_good };

struct PairStatistics {
    double mean = 0, sd = 0, percent = 0;
    double weighted_mean = 0, d1 = 0, d2 = 0;  // intensities only
    int outliers = 0;
    Verdict verdict = Verdict::no_good;
};

// Statistics of a non-empty list of retained reflections.
PairStatistics pair_statistics(const std::vector<Retained>& kept, PairKind kind);

// The comparisons of two prepared files, on intensities (`scaling`: the weighted mean of
// I(second)/I(first)) and on g (`scaling2`: the mean of g(second)/g(first)). Each echoes the
// retained reflections on the console and writes its statistics and verdict into its report.
// The result has no value when a file cannot be read, when no common reflection is retained,
// or when the result is not finite. With `retained`, it receives the retained reflections.
using PairComparison = std::optional<double> (*)(const Session& s, PreparedFiles& files,
                                                 const std::string& first,
                                                 const std::string& second, double sigma,
                                                 OutFile& report, std::vector<Retained>* retained);
std::optional<double> scaling(const Session& s, PreparedFiles& files, const std::string& first,
                              const std::string& second, double sigma, OutFile& report,
                              std::vector<Retained>* retained = nullptr);
std::optional<double> scaling2(const Session& s, PreparedFiles& files, const std::string& first,
                               const std::string& second, double sigma, OutFile& report_g,
                               std::vector<Retained>* retained = nullptr);

}  // namespace ped::merge
