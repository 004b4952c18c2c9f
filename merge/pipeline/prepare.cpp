#include "merge/pipeline/prepare.hpp"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <unordered_map>

#include "common/constants.hpp"
#include "common/outfile.hpp"
#include "merge/pipeline/exchange_sort.hpp"
#include "merge/pipeline/extinction.hpp"
#include "merge/symmetry/triple.hpp"

namespace ped::merge {

namespace {

// The relativistic electron wavelength in metres.
double wavelength_metres(double voltage_kv) {
    const double vv = voltage_kv * 1000;
    const double t1 = std::sqrt(2 * m0 * e * vv);
    const double t2 = std::sqrt(1 + e * vv / (2 * m0 * lumiere * lumiere));
    return planck / (t1 * t2);
}

}  // namespace

double electron_wavelength(double voltage_kv) {
    return wavelength_metres(voltage_kv) * 1e10;
}

double lorentz_radius(double voltage_kv, double angle_deg) {
    const double k = 1e-10 / wavelength_metres(voltage_kv);
    return 2 * k * std::sin(angle_deg * pi / 180);
}

double lorentz_factor(double g, double radius) {
    const double q = g / radius;
    return g * std::sqrt(1 - q * q);
}

namespace {

struct Work {
    ZoneRecord r;
    double sigma = 0;
    double file_i = 0;  // the intensity as read
    double factor = 1;  // the Lorentz factor (1 without the correction)
};

// One group of the Friedel merge: its first record, how many mates it absorbed, and the line
// it would write.
struct MateGroup {
    size_t head;
    int count;
    Reflection r;
};

// Friedel merge over the sorted records. Each remaining record absorbs, in order, the later
// records with its index or the opposite one, until a negative intensity (its own or the
// partner's) stops the walk; the partner that stopped it starts a group of its own later.
// Every record is the head of one group or absorbed into one; the groups come in the order of
// their heads. Partners are found through their index, with the sums taken in the same order
// as a walk over the whole list would take them.
std::vector<MateGroup> merge_friedel_mates(const std::vector<Work>& w, double length_per_pixel) {
    std::unordered_map<Triple, std::vector<size_t>, TripleHash> mates;
    for (size_t i = 0; i < w.size(); ++i) {
        const Triple plus{w[i].r.h, w[i].r.k, w[i].r.l};
        const Triple minus{-static_cast<long long>(w[i].r.h), -static_cast<long long>(w[i].r.k),
                           -static_cast<long long>(w[i].r.l)};
        mates[std::max(plus, minus)].push_back(i);
    }

    std::vector<MateGroup> by_record(w.size());
    std::vector<bool> head(w.size(), false);
    for (const auto& entry : mates) {
        const std::vector<size_t>& list = entry.second;
        size_t a = 0;
        while (a < list.size()) {
            const Work& first = w[list[a]];
            double sum_i = first.r.v[kI], sum_sigma = first.sigma;
            double x = first.r.v[kX], y = first.r.v[kY];
            size_t b = a + 1;
            for (; b < list.size(); ++b) {
                const Work& partner = w[list[b]];
                if (first.r.v[kI] < 0 || partner.r.v[kI] < 0) break;
                sum_i += partner.r.v[kI];
                sum_sigma += partner.sigma;
                x -= partner.r.v[kX];
                y -= partner.r.v[kY];
            }
            const int count = static_cast<int>(b - a - 1);
            Reflection r{first.r.h,
                         first.r.k,
                         first.r.l,
                         sum_i / (count + 1),
                         sum_sigma / (count + 1),
                         std::sqrt(x * x + y * y) / 2 * length_per_pixel};
            by_record[list[a]] = {list[a], count, r};
            head[list[a]] = true;
            a = b;
        }
    }
    std::vector<MateGroup> groups;
    for (size_t i = 0; i < w.size(); ++i)
        if (head[i]) groups.push_back(by_record[i]);
    return groups;
}

enum class Fate { kept, non_positive, lorentz, outside };

// What becomes of a line to write: kept by the test the preparation has always made (a
// number, an intensity above 0, g inside the window); otherwise dropped, under the first
// reason that holds: an intensity as read that is dropped (`non_positive`), a Lorentz factor
// that is no positive real number (`lorentz`) or a value that is not a number, an intensity of
// 0 or below, the g window.
Fate fate(const PrepareOptions& o, const Reflection& r, bool non_positive, bool lorentz) {
    if (is_finite(r) && r.i > 0 && o.gmin < r.g && r.g < o.gmax) return Fate::kept;
    if (non_positive) return Fate::non_positive;
    if (lorentz || !is_finite(r)) return Fate::lorentz;
    if (!(r.i > 0)) return Fate::non_positive;
    return Fate::outside;
}

void count(ZoneCounts& c, Fate f, int records) {
    switch (f) {
        case Fate::kept:
            c.kept += 1, c.merged += records - 1;
            break;
        case Fate::non_positive:
            c.non_positive += records;
            break;
        case Fate::lorentz:
            c.lorentz += records;
            break;
        case Fate::outside:
            c.outside += records;
            break;
    }
}

// A line to write: kept, or skipped when its values would run into their neighbours in the
// prepared layout (the Lorentz factor, or a wrong calibration, can enlarge them past their
// columns): written, such a line would not read back.
void write_or_skip(ZonePreparation& out, const Reflection& r, int records) {
    if (keeps_separators(r)) {
        count(out.counts, Fate::kept, records);
        out.records.push_back(r);
    } else {
        out.counts.skipped += records;
        out.unfit.push_back(r);
    }
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The records in order of g, with the chosen error, non-positive intensities raised to 1 when
// asked, and the Lorentz factor applied.
std::vector<Work> corrected(std::vector<ZoneRecord> records, const PrepareOptions& o) {
    std::vector<double> g;
    for (const ZoneRecord& r : records) g.push_back(r.v[kG]);
    apply_order(records, exchange_sort_order(g));
    const double radius = o.lorentz ? lorentz_radius(o.voltage, o.angle) : 0;
    std::vector<Work> w;
    w.reserve(records.size());
    for (const ZoneRecord& r : records) {
        Work x{r, o.poisson_error ? r.v[kPoisson] : r.v[kSigBg], r.v[kI]};
        // Raising to 1 comes before the correction, so such a record carries the factor.
        if (o.negatives_to_one && x.r.v[kI] <= 0) x.r.v[kI] = 1;
        if (o.lorentz) {
            x.factor = lorentz_factor(r.v[kG], radius);
            x.r.v[kI] *= x.factor;
            x.sigma *= x.factor;
        }
        w.push_back(x);
    }
    return w;
}

// A record whose intensity as read is dropped (non-positive intensities deleted).
bool dropped_as_read(const PrepareOptions& o, const Work& x) {
    return !o.negatives_to_one && !(x.file_i > 0);
}

// Each record a line of its own.
void prepare_records(ZonePreparation& out, const std::vector<Work>& w, const PrepareOptions& o) {
    for (const Work& x : w) {
        const Reflection r{x.r.h, x.r.k, x.r.l, x.r.v[kI], x.sigma, x.r.v[kG]};
        const Fate f = fate(o, r, dropped_as_read(o, x), o.lorentz && !(x.factor > 0));
        if (f == Fate::kept)
            write_or_skip(out, r, 1);
        else
            count(out.counts, f, 1);
    }
}

// Each group of Friedel mates a line; the median of calibrated g / file g over the groups.
void prepare_mates(ZonePreparation& out, const std::vector<Work>& w, const PrepareOptions& o,
                   double length_per_pixel) {
    std::vector<double> ratios;
    for (const MateGroup& m : merge_friedel_mates(w, length_per_pixel)) {
        const Work& first = w[m.head];
        if (m.count == 0) {
            // Alone: its intensity may be what kept its mates away.
            if (dropped_as_read(o, first))
                ++out.counts.non_positive;
            else
                ++out.counts.unpaired;
            continue;
        }
        if (first.r.v[kG] > 0 && std::isfinite(m.r.g)) ratios.push_back(m.r.g / first.r.v[kG]);
        const Fate f = fate(o, m.r, false, false);
        if (f == Fate::kept)
            write_or_skip(out, m.r, m.count + 1);
        else
            count(out.counts, f, m.count + 1);
    }
    out.pairs = static_cast<int>(ratios.size());
    if (!ratios.empty()) out.calibration_ratio = median(ratios);
}

}  // namespace

ZonePreparation prepare_zone(std::vector<ZoneRecord> records, const PrepareOptions& o,
                             double length_per_pixel) {
    const std::vector<Work> w = corrected(std::move(records), o);
    ZonePreparation out;
    if (o.friedel_merge)
        prepare_mates(out, w, o, length_per_pixel);
    else
        prepare_records(out, w, o);
    return out;
}

namespace {

// The calibration of the Friedel merge: reciprocal length per pixel.
double ask_calibration(const Session& s) {
    if (s.msg.calibration_pixels > 0)
        return ask_double(s.term, s.msg.ask_calibration) / s.msg.calibration_pixels;
    for (;;) {
        double pixels, length;
        ask_two_doubles(s.term, s.msg.ask_calibration, pixels, length);
        if (pixels != 0) return length / pixels;
        say(s.term, "%s", s.msg.zero_pixels);
    }
}

}  // namespace

ZonePreparation transfor2(const Session& s, const std::string& zone, const std::string& prepared,
                          const PrepareOptions& o, const RunSymmetry& symmetry) {
    ZoneFilter filtered = exti(s, zone, symmetry);
    OutFile out;
    if (!out.open(prepared)) fail_file(s.term, prepared, errno, kCannotOpen);
    const double length_per_pixel = o.friedel_merge ? ask_calibration(s) : 0;
    ZonePreparation z = prepare_zone(std::move(filtered.kept), o, length_per_pixel);
    for (const Reflection& r : z.records) out.reflection(r.h, r.k, r.l, r.i, r.sig, r.g);
    close_or_fail(s.term, out, s.term.lang.cannot_write);
    for (const Reflection& r : z.unfit)
        say(s.term, s.msg.prepared_too_wide, zone.c_str(), r.h, r.k, r.l, r.i, r.sig, r.g,
            prepared.c_str());

    z.counts.read = filtered.lines;
    z.counts.skipped += filtered.skipped;
    std::vector<ZoneRecord> forbidden;
    for (const auto& removed : filtered.removed)
        forbidden.insert(forbidden.end(), removed.begin(), removed.end());
    z.counts.forbidden += static_cast<int>(forbidden.size());
    z.removed = std::move(filtered.removed);
    z.absences = prepare_zone(std::move(forbidden), o, length_per_pixel).records;
    return z;
}

}  // namespace ped::merge
