// The 36 reflection conditions, each its text and its test. Divisibility is tested on the
// signed value (-3 is odd, -4 a multiple of 4); sums are formed in 64 bits so that no index can
// overflow them.
#include "merge/symmetry/conditions.hpp"

#include <cstdlib>
#include <string>

namespace ped::merge {

namespace {

using Index = long long;

bool multiple(Index value, Index n) {
    return value % n == 0;
}
bool even(Index value) {
    return multiple(value, 2);
}

// The cubic codes 21, 23, 25 and 26 look at the first pair of indices equal in magnitude, in
// the order (h, k), (h, l), (k, l), and apply that pair's test; a reflection without such a
// pair is kept.
template <class Hk, class Hl, class Kl>
bool on_equal_pair(Index h, Index k, Index l, Hk hk, Hl hl, Kl kl) {
    if (std::llabs(h) == std::llabs(k)) return hk();
    if (std::llabs(h) == std::llabs(l)) return hl();
    if (std::llabs(k) == std::llabs(l)) return kl();
    return true;
}

// A code's condition in the usual notation, named after one zone of a set of symmetry-related
// zones, and its test: true when the reflection lies outside the code's zones or satisfies it.
struct Code {
    const char* text;
    bool (*keeps)(Index h, Index k, Index l);
};

const Code kCodes[kConditionCodes + 1] = {
    {"", nullptr},
    {"h00: h = 2n", [](Index h, Index k, Index l) { return !(k == 0 && l == 0) || even(h); }},
    {"0k0: k = 2n", [](Index h, Index k, Index l) { return !(h == 0 && l == 0) || even(k); }},
    {"00l: l = 2n", [](Index h, Index k, Index l) { return !(h == 0 && k == 0) || even(l); }},
    {"h0l: h = 2n", [](Index h, Index k, Index) { return k != 0 || even(h); }},
    {"h0l: l = 2n", [](Index, Index k, Index l) { return k != 0 || even(l); }},
    {"h0l: h + l = 2n", [](Index h, Index k, Index l) { return k != 0 || even(h + l); }},
    {"hk0: h = 2n", [](Index h, Index, Index l) { return l != 0 || even(h); }},
    {"hk0: k = 2n", [](Index, Index k, Index l) { return l != 0 || even(k); }},
    {"hk0: h + k = 2n", [](Index h, Index k, Index l) { return l != 0 || even(h + k); }},
    {"0kl: k = 2n", [](Index h, Index k, Index) { return h != 0 || even(k); }},
    {"0kl: l = 2n", [](Index h, Index, Index l) { return h != 0 || even(l); }},
    {"0kl: k + l = 2n", [](Index h, Index k, Index l) { return h != 0 || even(k + l); }},
    {"00l: l = 4n",
     [](Index h, Index k, Index l) { return !(h == 0 && k == 0) || multiple(l, 4); }},
    // The test of code 3, listed for the tetragonal and cubic groups.
    {"00l: l = 2n", [](Index h, Index k, Index l) { return !(h == 0 && k == 0) || even(l); }},
    // h-h0: no group refers to it.
    {"h-h00: h = 2n", [](Index h, Index k, Index l) { return !(k == -h && l == 0) || even(h); }},
    // hhl and h-hl (tetragonal).
    {"hhl: 2h + l = 4n",
     [](Index h, Index k, Index l) { return !(h == k || h == -k) || multiple(2 * h + l, 4); }},
    {"000l: l = 3n",
     [](Index h, Index k, Index l) { return !(h == 0 && k == 0) || multiple(l, 3); }},
    {"000l: l = 6n",
     [](Index h, Index k, Index l) { return !(h == 0 && k == 0) || multiple(l, 6); }},
    // h-h0l, 0k-kl and h0-hl on hexagonal axes.
    {"h-h0l: l = 2n",
     [](Index h, Index k, Index l) { return !(h == 0 || k == 0 || h + k == 0) || even(l); }},
    // hh-2hl, h-2hhl and -2hhhl on hexagonal axes.
    {"hh-2hl: l = 2n",
     [](Index h, Index k, Index l) { return !(h == k || k == -2 * h || h == -2 * k) || even(l); }},
    // Cubic permutations of the zone, here and below.
    {"hhl: l = 2n",
     [](Index h, Index k, Index l) {
         return on_equal_pair(
             h, k, l, [&] { return even(l); }, [&] { return even(k); }, [&] { return even(h); });
     }},
    // The first zero index decides.
    {"0kl: k + l = 4n",
     [](Index h, Index k, Index l) {
         if (h == 0) return multiple(k + l, 4);
         if (k == 0) return multiple(h + l, 4);
         return l != 0 || multiple(h + k, 4);
     }},
    {"hhl: h + l = 2n",
     [](Index h, Index k, Index l) {
         return on_equal_pair(
             h, k, l, [&] { return even(h + l); }, [&] { return even(h + k); },
             [&] { return even(h + k); });
     }},
    // h00, 0k0 and 00l: no group refers to it.
    {"h00: h = 4n",
     [](Index h, Index k, Index l) {
         if (k == 0 && l == 0) return multiple(h, 4);
         if (h == 0 && l == 0) return multiple(k, 4);
         return !(h == 0 && k == 0) || multiple(l, 4);
     }},
    // Both indices of the pair even.
    {"hhl: h = 2n",
     [](Index h, Index k, Index l) {
         return on_equal_pair(
             h, k, l, [&] { return even(h) && even(k); }, [&] { return even(h) && even(l); },
             [&] { return even(k) && even(l); });
     }},
    {"hhl: 2h + l = 4n",
     [](Index h, Index k, Index l) {
         return on_equal_pair(
             h, k, l, [&] { return multiple(2 * h + l, 4); },
             [&] { return multiple(2 * h + k, 4); }, [&] { return multiple(2 * k + h, 4); });
     }},
    {"hkl: h + k = 2n", [](Index h, Index k, Index) { return even(h + k); }},  // C
    {"hkl: k + l = 2n", [](Index, Index k, Index l) { return even(k + l); }},  // A
    {"hkl: h + l = 2n", [](Index h, Index, Index l) { return even(h + l); }},  // B, unused
    {"hkl: h + k + l = 2n", [](Index h, Index k, Index l) { return even(h + k + l); }},  // I
    {"hkl: h + k, h + l, k + l = 2n",  // F
     [](Index h, Index k, Index l) { return even(h + k) && even(h + l) && even(k + l); }},
    // R, obverse on hexagonal axes.
    {"hkil: -h + k + l = 3n", [](Index h, Index k, Index l) { return multiple(-h + k + l, 3); }},
    {"0kl: k + l = 4n", [](Index h, Index k, Index l) { return h != 0 || multiple(k + l, 4); }},
    {"h0l: h + l = 4n", [](Index h, Index k, Index l) { return k != 0 || multiple(h + l, 4); }},
    // No group refers to it.
    {"hk0: h + k = 4n", [](Index h, Index k, Index l) { return l != 0 || multiple(h + k, 4); }},
    // The rhombohedral c glide on hexagonal axes with the equivalent zones 0kl and h0l, and
    // 000l: l = 6n; one test applies at most.
    {"h-h0l: h + l = 3n, l = 2n",
     [](Index h, Index k, Index l) {
         if (h == 0 && k != 0) return multiple(2 * k - l, 6);
         if (k == 0 && h != 0) return multiple(2 * h + l, 6);
         return k != -h || multiple(2 * h - l, 6);
     }},
};

}  // namespace

std::string condition_text(int code, int number) {
    if (code < 1 || code > kConditionCodes) return "";
    const bool hexagonal = number >= 143 && number <= 194;
    if (hexagonal && (code == 3 || code == 14)) return "000l: l = 2n";
    return kCodes[code].text;
}

bool condition_keeps(int code, int h, int k, int l) {
    return code < 1 || code > kConditionCodes || kCodes[code].keeps(h, k, l);
}

}  // namespace ped::merge
