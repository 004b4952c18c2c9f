// The 36 reflection conditions. Divisibility is tested on the signed value (-3 is odd, -4 a
// multiple of 4); sums are formed in 64 bits so that no index can overflow them.
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

}  // namespace

std::string condition_text(int code, int number) {
    // A code that covers a set of symmetry-related zones is named after one of them.
    static const char* const kTexts[kConditionCodes + 1] = {
        "",
        "h00: h = 2n",                    // 1
        "0k0: k = 2n",                    // 2
        "00l: l = 2n",                    // 3
        "h0l: h = 2n",                    // 4
        "h0l: l = 2n",                    // 5
        "h0l: h + l = 2n",                // 6
        "hk0: h = 2n",                    // 7
        "hk0: k = 2n",                    // 8
        "hk0: h + k = 2n",                // 9
        "0kl: k = 2n",                    // 10
        "0kl: l = 2n",                    // 11
        "0kl: k + l = 2n",                // 12
        "00l: l = 4n",                    // 13
        "00l: l = 2n",                    // 14
        "h-h00: h = 2n",                  // 15
        "hhl: 2h + l = 4n",               // 16
        "000l: l = 3n",                   // 17
        "000l: l = 6n",                   // 18
        "h-h0l: l = 2n",                  // 19
        "hh-2hl: l = 2n",                 // 20
        "hhl: l = 2n",                    // 21
        "0kl: k + l = 4n",                // 22
        "hhl: h + l = 2n",                // 23
        "h00: h = 4n",                    // 24
        "hhl: h = 2n",                    // 25
        "hhl: 2h + l = 4n",               // 26
        "hkl: h + k = 2n",                // 27
        "hkl: k + l = 2n",                // 28
        "hkl: h + l = 2n",                // 29
        "hkl: h + k + l = 2n",            // 30
        "hkl: h + k, h + l, k + l = 2n",  // 31
        "hkil: -h + k + l = 3n",          // 32
        "0kl: k + l = 4n",                // 33
        "h0l: h + l = 4n",                // 34
        "hk0: h + k = 4n",                // 35
        "h-h0l: h + l = 3n, l = 2n",      // 36
    };
    if (code < 1 || code > kConditionCodes) return "";
    const bool hexagonal = number >= 143 && number <= 194;
    if (hexagonal && (code == 3 || code == 14)) return "000l: l = 2n";
    return kTexts[code];
}

bool condition_keeps(int code, int hi, int ki, int li) {
    const Index h = hi, k = ki, l = li;
    switch (code) {
        case 1:  // h00: h = 2n
            return !(k == 0 && l == 0) || even(h);
        case 2:  // 0k0: k = 2n
            return !(h == 0 && l == 0) || even(k);
        case 3:   // 00l: l = 2n
        case 14:  // the same test, listed for the tetragonal and cubic groups
            return !(h == 0 && k == 0) || even(l);
        case 4:  // h0l: h = 2n
            return k != 0 || even(h);
        case 5:  // h0l: l = 2n
            return k != 0 || even(l);
        case 6:  // h0l: h + l = 2n
            return k != 0 || even(h + l);
        case 7:  // hk0: h = 2n
            return l != 0 || even(h);
        case 8:  // hk0: k = 2n
            return l != 0 || even(k);
        case 9:  // hk0: h + k = 2n
            return l != 0 || even(h + k);
        case 10:  // 0kl: k = 2n
            return h != 0 || even(k);
        case 11:  // 0kl: l = 2n
            return h != 0 || even(l);
        case 12:  // 0kl: k + l = 2n
            return h != 0 || even(k + l);
        case 13:  // 00l: l = 4n
            return !(h == 0 && k == 0) || multiple(l, 4);
        case 15:  // h-h0: h = 2n (no group refers to it)
            return !(k == -h && l == 0) || even(h);
        case 16:  // hhl and h-hl: 2h + l = 4n (tetragonal)
            return !(h == k || h == -k) || multiple(2 * h + l, 4);
        case 17:  // 00l: l = 3n
            return !(h == 0 && k == 0) || multiple(l, 3);
        case 18:  // 00l: l = 6n
            return !(h == 0 && k == 0) || multiple(l, 6);
        case 19:  // h-h0l, 0k-kl, h0-hl: l = 2n (hexagonal axes)
            return !(h == 0 || k == 0 || h + k == 0) || even(l);
        case 20:  // hh-2hl, h-2hhl, -2hhhl: l = 2n (hexagonal axes)
            return !(h == k || k == -2 * h || h == -2 * k) || even(l);
        case 21:  // hhl: l = 2n, cubic permutations
            return on_equal_pair(
                h, k, l, [&] { return even(l); }, [&] { return even(k); }, [&] { return even(h); });
        case 22:  // 0kl: k + l = 4n, cubic permutations; the first zero index decides
            if (h == 0) return multiple(k + l, 4);
            if (k == 0) return multiple(h + l, 4);
            if (l == 0) return multiple(h + k, 4);
            return true;
        case 23:  // hhl: h + l = 2n, cubic permutations
            return on_equal_pair(
                h, k, l, [&] { return even(h + l); }, [&] { return even(h + k); },
                [&] { return even(h + k); });
        case 24:  // h00: h = 4n, 0k0: k = 4n, 00l: l = 4n (no group refers to it)
            if (k == 0 && l == 0) return multiple(h, 4);
            if (h == 0 && l == 0) return multiple(k, 4);
            if (h == 0 && k == 0) return multiple(l, 4);
            return true;
        case 25:  // hhl: h = 2n, cubic permutations (both indices of the pair even)
            return on_equal_pair(
                h, k, l, [&] { return even(h) && even(k); }, [&] { return even(h) && even(l); },
                [&] { return even(k) && even(l); });
        case 26:  // hhl: 2h + l = 4n, cubic permutations
            return on_equal_pair(
                h, k, l, [&] { return multiple(2 * h + l, 4); },
                [&] { return multiple(2 * h + k, 4); }, [&] { return multiple(2 * k + h, 4); });
        case 27:  // C centring, hkl: h + k = 2n
            return even(h + k);
        case 28:  // A centring, hkl: k + l = 2n
            return even(k + l);
        case 29:  // B centring, hkl: h + l = 2n (no group refers to it)
            return even(h + l);
        case 30:  // I centring, hkl: h + k + l = 2n
            return even(h + k + l);
        case 31:  // F centring, hkl: h + k, h + l, k + l = 2n
            return even(h + k) && even(h + l) && even(k + l);
        case 32:  // R centring, obverse on hexagonal axes, hkl: -h + k + l = 3n
            return multiple(-h + k + l, 3);
        case 33:  // 0kl: k + l = 4n
            return h != 0 || multiple(k + l, 4);
        case 34:  // h0l: h + l = 4n
            return k != 0 || multiple(h + l, 4);
        case 35:  // hk0: h + k = 4n (no group refers to it)
            return l != 0 || multiple(h + k, 4);
        case 36:  // rhombohedral c glide on hexagonal axes, h-h0l: h + l = 3n and l = 2n, with
                  // the equivalent zones 0kl and h0l; 000l: l = 6n; one test applies at most
            if (h == 0 && k != 0) return multiple(2 * k - l, 6);
            if (k == 0 && h != 0) return multiple(2 * h + l, 6);
            if (k == -h) return multiple(2 * h - l, 6);
            return true;
        default:
            return true;
    }
}

}  // namespace ped::merge
