#include "merge/prepare.hpp"

#include <cerrno>
#include <cmath>
#include <map>
#include <tuple>

#include "common/constants.hpp"
#include "common/outfile.hpp"
#include "merge/exchange_sort.hpp"
#include "merge/extinction.hpp"

namespace ped::merge {

double lorentz_radius(double voltage_kv, double angle_deg) {
    const double vv = voltage_kv * 1000;
    const double t1 = std::sqrt(2 * m0 * e * vv);
    const double t2 = std::sqrt(1 + e * vv / (2 * m0 * lumiere * lumiere));
    const double lambda = planck / (t1 * t2);
    const double k = 1e-10 / lambda;
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
};

// Friedel merge over the sorted records. Each remaining record absorbs, in order, the later
// records with its index or the opposite one, until a negative intensity (its own or the
// partner's) stops the walk; the partner that stopped it starts a group of its own later.
// Absorbed records are not written; a record that absorbed nothing is not written either.
// Partners are found through their index, with the sums taken in the same order as a walk
// over the whole list would take them.
std::vector<Reflection> merge_friedel_mates(const std::vector<Work>& w, double length_per_pixel) {
    using Key = std::tuple<long long, long long, long long>;
    std::map<Key, std::vector<size_t>> mates;
    for (size_t i = 0; i < w.size(); ++i) {
        const Key plus{w[i].r.h, w[i].r.k, w[i].r.l};
        const Key minus{-static_cast<long long>(w[i].r.h), -static_cast<long long>(w[i].r.k),
                        -static_cast<long long>(w[i].r.l)};
        mates[std::max(plus, minus)].push_back(i);
    }

    struct Group {
        double sum_i, sum_sigma, x, y;
        int count;
    };
    std::vector<Group> group(w.size());
    std::vector<bool> head(w.size(), false);
    for (const auto& entry : mates) {
        const std::vector<size_t>& list = entry.second;
        size_t a = 0;
        while (a < list.size()) {
            const Work& first = w[list[a]];
            Group g{first.r.v[kI], first.sigma, first.r.v[kX], first.r.v[kY], 0};
            size_t b = a + 1;
            for (; b < list.size(); ++b) {
                const Work& partner = w[list[b]];
                if (first.r.v[kI] < 0 || partner.r.v[kI] < 0) break;
                g.sum_i += partner.r.v[kI];
                g.sum_sigma += partner.sigma;
                g.x -= partner.r.v[kX];
                g.y -= partner.r.v[kY];
                ++g.count;
            }
            group[list[a]] = g;
            head[list[a]] = true;
            a = b;
        }
    }

    std::vector<Reflection> out;
    for (size_t i = 0; i < w.size(); ++i) {
        if (!head[i] || group[i].count == 0) continue;
        const Group& g = group[i];
        Reflection r;
        r.h = w[i].r.h;
        r.k = w[i].r.k;
        r.l = w[i].r.l;
        r.i = g.sum_i / (g.count + 1);
        r.sig = g.sum_sigma / (g.count + 1);
        r.g = std::sqrt(g.x * g.x + g.y * g.y) / 2 * length_per_pixel;
        out.push_back(r);
    }
    return out;
}

bool inside(const PrepareOptions& o, const Reflection& r) {
    return is_finite(r) && o.gmin < r.g && r.g < o.gmax && r.i > 0;
}

}  // namespace

std::vector<Reflection> prepare_zone(std::vector<ZoneRecord> records, const PrepareOptions& o,
                                     double length_per_pixel) {
    std::vector<double> g;
    for (const ZoneRecord& r : records) g.push_back(r.v[kG]);
    apply_order(records, exchange_sort_order(g));

    const double radius = o.lorentz ? lorentz_radius(o.voltage, o.angle) : 0;
    std::vector<Work> w;
    w.reserve(records.size());
    for (const ZoneRecord& r : records) {
        Work x{r, o.poisson_error ? r.v[kPoisson] : r.v[kSigBg]};
        // Raising to 1 comes before the correction, so such a record carries the factor.
        if (o.negatives_to_one && x.r.v[kI] <= 0) x.r.v[kI] = 1;
        if (o.lorentz) {
            const double factor = lorentz_factor(r.v[kG], radius);
            x.r.v[kI] *= factor;
            x.sigma *= factor;
        }
        w.push_back(x);
    }

    std::vector<Reflection> out;
    if (!o.friedel_merge) {
        for (const Work& x : w) {
            const Reflection r{x.r.h, x.r.k, x.r.l, x.r.v[kI], x.sigma, x.r.v[kG]};
            if (inside(o, r)) out.push_back(r);
        }
    } else {
        for (const Reflection& r : merge_friedel_mates(w, length_per_pixel))
            if (inside(o, r)) out.push_back(r);
    }
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

void transfor2(const Session& s, const std::string& zone, const std::string& prepared,
               const PrepareOptions& o, const RunSymmetry& symmetry) {
    std::vector<ZoneRecord> records;
    exti(s, zone, symmetry, records);

    OutFile out;
    if (!out.open(prepared)) {
        file_error(s.term, prepared, errno, kCannotOpen);
        return;
    }
    const double length_per_pixel = o.friedel_merge ? ask_calibration(s) : 0;
    for (const Reflection& r : prepare_zone(std::move(records), o, length_per_pixel))
        out.printf(kReflectionLayout, r.h, r.k, r.l, r.i, r.sig, r.g);
    close_or_fail(s.term, out, s.term.lang.cannot_write);
}

}  // namespace ped::merge
