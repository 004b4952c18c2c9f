// The 36 reflection conditions. Divisibility is tested on the signed value (-3 is odd, -4 a
// multiple of 4); sums are formed in 64 bits so that no index can overflow them.
#include <cstdlib>

#include "conditions.hpp"

namespace ped {

namespace {

using Index = long long;

bool multiple(Index value, Index n) {
    return value % n == 0;
}
bool even(Index value) {
    return multiple(value, 2);
}

// Codes 21, 23, 25 and 26 look at the first pair of indices equal in magnitude, in the order
// (h, k), (h, l), (k, l).
enum class Pair { none, hk, hl, kl };

Pair equal_pair(Index h, Index k, Index l) {
    if (std::llabs(h) == std::llabs(k)) return Pair::hk;
    if (std::llabs(h) == std::llabs(l)) return Pair::hl;
    if (std::llabs(k) == std::llabs(l)) return Pair::kl;
    return Pair::none;
}

}  // namespace

bool condition_keeps(int code, int hi, int ki, int li) {
    const Index h = hi, k = ki, l = li;
    switch (code) {
        case 1:
            return !(k == 0 && l == 0) || even(h);
        case 2:
            return !(h == 0 && l == 0) || even(k);
        case 3:
        case 14:
            return !(h == 0 && k == 0) || even(l);
        case 4:
            return k != 0 || even(h);
        case 5:
            return k != 0 || even(l);
        case 6:
            return k != 0 || even(h + l);
        case 7:
            return l != 0 || even(h);
        case 8:
            return l != 0 || even(k);
        case 9:
            return l != 0 || even(h + k);
        case 10:
            return h != 0 || even(k);
        case 11:
            return h != 0 || even(l);
        case 12:
            return h != 0 || even(k + l);
        case 13:
            return !(h == 0 && k == 0) || multiple(l, 4);
        case 15:
            return !(k == -h && l == 0) || even(h);
        case 16:
            return !(h == k || h == -k) || multiple(2 * h + l, 4);
        case 17:
            return !(h == 0 && k == 0) || multiple(l, 3);
        case 18:
            return !(h == 0 && k == 0) || multiple(l, 6);
        case 19:
            return !(h == 0 || k == 0 || h + k == 0) || even(l);
        case 20:
            return !(h == k || k == -2 * h || h == -2 * k) || even(l);
        case 21:
            switch (equal_pair(h, k, l)) {
                case Pair::hk:
                    return even(l);
                case Pair::hl:
                    return even(k);
                case Pair::kl:
                    return even(h);
                case Pair::none:
                    return true;
            }
            return true;
        case 22:
            if (h == 0) return multiple(k + l, 4);
            if (k == 0) return multiple(h + l, 4);
            if (l == 0) return multiple(h + k, 4);
            return true;
        case 23:
            switch (equal_pair(h, k, l)) {
                case Pair::hk:
                    return even(h + l);
                case Pair::hl:
                    return even(h + k);
                case Pair::kl:
                    return even(h + k);
                case Pair::none:
                    return true;
            }
            return true;
        case 24:
            if (k == 0 && l == 0) return multiple(h, 4);
            if (h == 0 && l == 0) return multiple(k, 4);
            if (h == 0 && k == 0) return multiple(l, 4);
            return true;
        case 25:
            switch (equal_pair(h, k, l)) {
                case Pair::hk:
                    return even(h) && even(k);
                case Pair::hl:
                    return even(h) && even(l);
                case Pair::kl:
                    return even(k) && even(l);
                case Pair::none:
                    return true;
            }
            return true;
        case 26:
            switch (equal_pair(h, k, l)) {
                case Pair::hk:
                    return multiple(2 * h + l, 4);
                case Pair::hl:
                    return multiple(2 * h + k, 4);
                case Pair::kl:
                    return multiple(2 * k + h, 4);
                case Pair::none:
                    return true;
            }
            return true;
        case 27:
            return even(h + k);
        case 28:
            return even(k + l);
        case 29:
            return even(h + l);
        case 30:
            return even(h + k + l);
        case 31:
            return even(h + k) && even(h + l) && even(k + l);
        case 32:
            return multiple(-h + k + l, 3);
        case 33:
            return h != 0 || multiple(k + l, 4);
        case 34:
            return k != 0 || multiple(h + l, 4);
        case 35:
            return l != 0 || multiple(h + k, 4);
        case 36:
            if (h == 0 && k != 0) return multiple(2 * k - l, 6);
            if (k == 0 && h != 0) return multiple(2 * h + l, 6);
            if (k == -h) return multiple(2 * h - l, 6);
            return true;
        default:
            return true;
    }
}

}  // namespace ped
