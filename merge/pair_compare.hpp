// Comparison of two prepared files on their common reflections (the same h k l in both):
// `scaling` on intensities (the weighted mean of I(second)/I(first)), `scaling2` on g (the mean
// of g(second)/g(first)). Each echoes the retained reflections on the console and writes its
// statistics and a verdict (GOOD, AVERAGE, NO GOOD) into its report.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "outfile.hpp"
#include "prepared_file.hpp"
#include "session.hpp"

namespace ped {

enum class PairKind { intensities, g };

// One retained common reflection: the ratio second/first and its signal-to-noise weight.
struct Retained {
    int h, k, l;
    double ratio, weight;
};

// The common reflections in order: for each record of `first` in file order, each record of
// `second` with the same indices in file order. A match counts when the mean I/sigI of the two
// is above sigma and both its weight and its ratio are finite.
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

// The whole comparison of two prepared files. The result has no value when a file cannot be
// read, when no common reflection is retained, or when the result is not finite.
std::optional<double> compare_pair(const Session& s, PreparedFiles& files, PairKind kind,
                                   const std::string& first, const std::string& second,
                                   double sigma, OutFile& report);

inline std::optional<double> scaling(const Session& s, PreparedFiles& files,
                                     const std::string& first, const std::string& second,
                                     double sigma, OutFile& report) {
    return compare_pair(s, files, PairKind::intensities, first, second, sigma, report);
}

inline std::optional<double> scaling2(const Session& s, PreparedFiles& files,
                                      const std::string& first, const std::string& second,
                                      double sigma, OutFile& report_g) {
    return compare_pair(s, files, PairKind::g, first, second, sigma, report_g);
}

}  // namespace ped
