// Space groups through gemmi. gemmi turns a symbol into the group's operations; everything
// else here is derived from those operations: a reflection (h k l) left in place by an
// operation (R, t), (h k l) R = (h k l), is absent when (h k l) . t is not an integer, and
// every centring vector c requires (h k l) . c to be one.
#include "merge/symmetry.hpp"

#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <exception>
#include <numeric>
#include <tuple>

#include "merge/conditions.hpp"

namespace ped::merge {

namespace {

constexpr int kDen = gemmi::Op::DEN;  // translations in 24ths
constexpr int kMaxEntry = 12;         // larger matrix entries are refused as absurd settings
constexpr std::size_t kMaxHall = 80;  // longest Hall symbol handed to gemmi

// ---------------------------------------------------------------- integer helpers

int wrap(long long v, int n) {
    const long long r = v % n;
    return static_cast<int>(r < 0 ? r + n : r);
}

int lcm(int a, int b) {
    return a / std::gcd(a, b) * b;
}

IntMatrix identity_matrix() {
    return {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
}

IntMatrix product(const IntMatrix& a, const IntMatrix& b) {
    IntMatrix c{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) c[i][j] += a[i][k] * b[k][j];
    return c;
}

IntMatrix negated(const IntMatrix& a) {
    IntMatrix c = a;
    for (IntRow& row : c)
        for (int& v : row) v = -v;
    return c;
}

IntMatrix transposed(const IntMatrix& a) {
    IntMatrix c{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) c[i][j] = a[j][i];
    return c;
}

long long determinant(const IntMatrix& a) {
    const auto e = [&a](int i, int j) { return static_cast<long long>(a[i][j]); };
    return e(0, 0) * (e(1, 1) * e(2, 2) - e(1, 2) * e(2, 1)) -
           e(0, 1) * (e(1, 0) * e(2, 2) - e(1, 2) * e(2, 0)) +
           e(0, 2) * (e(1, 0) * e(2, 1) - e(1, 1) * e(2, 0));
}

// (h k l) M, the indices of the reflection that M carries (h k l) to.
Triple row_times(long long h, long long k, long long l, const IntMatrix& m) {
    Triple r{};
    for (int j = 0; j < 3; ++j) r[j] = h * m[0][j] + k * m[1][j] + l * m[2][j];
    return r;
}

IntRow row_times(const IntRow& v, const IntMatrix& m) {
    const Triple r = row_times(v[0], v[1], v[2], m);
    return {static_cast<int>(r[0]), static_cast<int>(r[1]), static_cast<int>(r[2])};
}

// M x for a column x.
IntRow times_column(const IntMatrix& m, const IntRow& x) {
    IntRow r{};
    for (int i = 0; i < 3; ++i) r[i] = m[i][0] * x[0] + m[i][1] * x[1] + m[i][2] * x[2];
    return r;
}

int order_of(const IntMatrix& m) {
    IntMatrix p = m;
    for (int n = 1; n <= 6; ++n) {
        if (p == identity_matrix()) return n;
        p = product(p, m);
    }
    return 0;
}

// A basis of the integer columns x with a x = 0, by unimodular column operations: the
// columns of u that end up multiplying a zero column of a.
std::vector<IntRow> kernel(IntMatrix a) {
    IntMatrix u = identity_matrix();
    bool pivot[3] = {false, false, false};
    for (int r = 0; r < 3; ++r) {
        for (;;) {
            int p = -1;
            for (int c = 0; c < 3; ++c)
                if (!pivot[c] && a[r][c] != 0 && (p < 0 || std::abs(a[r][c]) < std::abs(a[r][p])))
                    p = c;
            if (p < 0) break;
            bool alone = true;
            for (int c = 0; c < 3; ++c) {
                if (c == p || pivot[c] || a[r][c] == 0) continue;
                const int q = a[r][c] / a[r][p];
                for (int i = 0; i < 3; ++i) {
                    a[i][c] -= q * a[i][p];
                    u[i][c] -= q * u[i][p];
                }
                if (a[r][c] != 0) alone = false;
            }
            if (alone) {
                pivot[p] = true;
                break;
            }
        }
    }
    std::vector<IntRow> basis;
    for (int c = 0; c < 3; ++c)
        if (!pivot[c]) basis.push_back({u[0][c], u[1][c], u[2][c]});
    return basis;
}

// ---------------------------------------------------------------- settings from gemmi

std::optional<SpaceGroupSetting> from_operations(const gemmi::GroupOps& ops) {
    if (ops.sym_ops.empty() || ops.sym_ops.size() > 48 || ops.cen_ops.empty() ||
        ops.cen_ops.size() > 64)
        return std::nullopt;
    SpaceGroupSetting g;
    for (const gemmi::Op& op : ops.sym_ops) {
        IntMatrix m{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                if (op.rot[i][j] % kDen != 0) return std::nullopt;
                m[i][j] = op.rot[i][j] / kDen;
                if (std::abs(m[i][j]) > kMaxEntry) return std::nullopt;
            }
        if (std::llabs(determinant(m)) != 1) return std::nullopt;
        g.rotations.push_back(m);
        g.translations.push_back(
            {wrap(op.tran[0], kDen), wrap(op.tran[1], kDen), wrap(op.tran[2], kDen)});
    }
    for (const gemmi::Op::Tran& c : ops.cen_ops)
        g.centring.push_back({wrap(c[0], kDen), wrap(c[1], kDen), wrap(c[2], kDen)});
    if (g.rotations[0] != identity_matrix() || g.translations[0] != IntRow{} ||
        g.centring[0] != IntRow{})
        return std::nullopt;

    // gemmi builds the operations with integer arithmetic: make sure they form a group.
    const auto is_centring = [&g](IntRow t) {
        for (int& v : t) v = wrap(v, kDen);
        return std::find(g.centring.begin(), g.centring.end(), t) != g.centring.end();
    };
    const std::size_t n = g.rotations.size();
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = 0; b < a; ++b)
            if (g.rotations[a] == g.rotations[b]) return std::nullopt;
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = 0; b < n; ++b) {
            const IntMatrix r = product(g.rotations[a], g.rotations[b]);
            const auto found = std::find(g.rotations.begin(), g.rotations.end(), r);
            if (found == g.rotations.end()) return std::nullopt;
            const std::size_t c = static_cast<std::size_t>(found - g.rotations.begin());
            IntRow t = times_column(g.rotations[a], g.translations[b]);
            for (int i = 0; i < 3; ++i) t[i] += g.translations[a][i] - g.translations[c][i];
            if (!is_centring(t)) return std::nullopt;
        }
        for (const IntRow& c : g.centring)
            if (!is_centring(times_column(g.rotations[a], c))) return std::nullopt;
    }
    for (const IntRow& c : g.centring)
        for (const IntRow& d : g.centring)
            if (!is_centring({c[0] + d[0], c[1] + d[1], c[2] + d[2]})) return std::nullopt;
    return g;
}

std::optional<SpaceGroupSetting> from_table(const gemmi::SpaceGroup& sg) {
    std::optional<SpaceGroupSetting> g;
    try {
        g = from_operations(sg.operations());
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (g) {
        g->name = sg.xhm();
        g->hall = sg.hall;
        g->number = sg.number;
    }
    return g;
}

std::string trimmed(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t b = 0, e = text.size();
    while (b < e && blank(text[b])) ++b;
    while (e > b && blank(text[e - 1])) --e;
    return text.substr(b, e - b);
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A Hermann-Mauguin symbol in the forms gemmi reads: "2_1" and "2(1)" become "21".
std::string gemmi_hm_form(const std::string& text) {
    std::string s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '_' && !s.empty() && is_digit(s.back()) && i + 1 < text.size() &&
            is_digit(text[i + 1]))
            continue;
        if (c == '(' && !s.empty() && is_digit(s.back()) && i + 2 < text.size() &&
            is_digit(text[i + 1]) && text[i + 2] == ')') {
            s += text[i + 1];
            i += 2;
            continue;
        }
        s += c;
    }
    return s;
}

const gemmi::SpaceGroup* find_hm(const std::string& text) {
    // gemmi reads one character after ':' and ignores what follows; refuse that.
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos && trimmed(text.substr(colon + 1)).size() != 1) return nullptr;
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return nullptr;
    const std::string s = gemmi_hm_form(text);
    if (const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_name(s)) return sg;
    // Cubic symbols written without their bar: "Fd3m", "Pm3", "Ia3d", "I43d".
    if (s.find('-') != std::string::npos) return nullptr;
    const std::size_t three = s.find('3');
    if (three == std::string::npos || three < 2) return nullptr;
    std::size_t bar = three;
    if (s[three - 1] == '4')
        bar = three - 1;
    else if (s[three - 1] == ' ' && three >= 3 && s[three - 2] == '4')
        bar = three - 2;
    const gemmi::SpaceGroup* sg =
        gemmi::find_spacegroup_by_name(s.substr(0, bar) + "-" + s.substr(bar));
    return sg && sg->number >= 195 ? sg : nullptr;
}

// gemmi 0.5.7 reads a Hall symbol with integer arithmetic that can overflow and, for a screw
// without a principal axis ("P 6 21"), writes outside an array. Only symbols that stay clear of
// both reach it: the rotation terms are checked as gemmi reads them, and a change of basis must
// be unimodular with small entries.
bool safe_hall_rotation(const std::string& term, int position, int& previous) {
    std::size_t p = term[0] == '-' ? 1 : 0;
    if (p >= term.size()) return false;
    const char n = term[p];
    if (n != '1' && n != '2' && n != '3' && n != '4' && n != '6') return false;
    const int order = n - '0';
    bool screw = false, principal = false, diagonal = false;
    for (++p; p < term.size(); ++p) {
        const char c = term[p];
        if (c >= '1' && c <= '5') {
            if (screw) return false;
            screw = true;
        } else if (c == '\'' || c == '"' || c == '*') {
            if (order != (c == '*' ? 3 : 2)) return false;
            diagonal = true;
        } else if (c == 'x' || c == 'y' || c == 'z') {
            principal = true;
        } else if (std::string("abcnuvwd").find(c) == std::string::npos) {
            return false;
        }
    }
    if (!principal && !diagonal) {
        if (position == 1)
            principal = true;
        else if (position == 2 && order == 2 && (previous == 2 || previous == 4))
            principal = true;
        else if (position == 2 && order == 2 && (previous == 3 || previous == 6))
            diagonal = true;
        else if (position == 3 && order == 3)
            diagonal = true;
        else if (order != 1)
            return false;
    }
    previous = order;
    return !screw || principal;
}

bool safe_change_of_basis(const std::string& inside) {
    int digits = 0;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        const char c = inside[i];
        if (is_digit(c)) {
            if (++digits > 2) return false;
            continue;
        }
        digits = 0;
        if (c == '/' && (i == 0 || !is_digit(inside[i - 1]) || i + 1 == inside.size() ||
                         !is_digit(inside[i + 1])))
            return false;
        if (std::string(" ,+-/xyz").find(c) == std::string::npos) return false;
    }
    if (inside.find(',') == std::string::npos) return true;  // an origin shift "0 0 5"
    try {
        const gemmi::Op cob = gemmi::parse_triplet(inside);
        IntMatrix m{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                if (cob.rot[i][j] % kDen != 0 || std::abs(cob.rot[i][j]) > 3 * kDen) return false;
                m[i][j] = cob.rot[i][j] / kDen;
            }
        return std::llabs(determinant(m)) == 1;
    } catch (const std::exception&) {
        return false;
    }
}

bool safe_hall(const std::string& text) {
    if (text.size() > kMaxHall) return false;
    const std::size_t open = text.find('(');
    const std::string main = text.substr(0, open);
    if (open != std::string::npos) {
        const std::size_t close = text.find(')', open);
        if (close == std::string::npos || !trimmed(text.substr(close + 1)).empty()) return false;
        if (open == 0 || text[open - 1] != ' ') return false;
        if (!safe_change_of_basis(text.substr(open + 1, close - open - 1))) return false;
    }
    std::size_t p = 0;
    if (p < main.size() && main[p] == '-') ++p;
    while (p < main.size() && main[p] == ' ') ++p;
    if (p >= main.size() || std::string("PABCIRSTFpabcirstf").find(main[p]) == std::string::npos)
        return false;
    ++p;
    int position = 0, previous = 0;
    while (p < main.size()) {
        if (main[p] == ' ') {
            ++p;
            continue;
        }
        const std::size_t end = std::min(main.find(' ', p), main.size());
        const std::string term = main.substr(p, end - p);
        ++position;
        if (term != "1" && !safe_hall_rotation(term, position, previous)) return false;
        p = end;
    }
    return true;
}

std::optional<SpaceGroupSetting> from_hall(const std::string& text) {
    if (!safe_hall(text)) return std::nullopt;
    std::optional<SpaceGroupSetting> g;
    const gemmi::SpaceGroup* sg = nullptr;
    try {
        const gemmi::GroupOps ops = gemmi::symops_from_hall(text.c_str());
        g = from_operations(ops);
        for (const gemmi::SpaceGroup& t : gemmi::spacegroup_tables::main)
            if (!sg && text == t.hall) sg = &t;
        if (g && !sg) sg = gemmi::find_spacegroup_by_ops(ops);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!g) return std::nullopt;
    if (sg) {
        g->name = sg->xhm();
        g->number = sg->number;
    } else {
        g->name = text;
    }
    g->hall = text;
    return g;
}

// ---------------------------------------------------------------- congruences and their text

const char kLetters[] = "hkl";

// A congruence with its common factor removed, written with the unit multiple that reads best
// (fewest minus signs, smallest coefficients, positive first): "-h + k + l = 3n", not
// "h - k - l = 3n". No value when it holds everywhere.
std::optional<Congruence> canonical(IntRow coef, int modulus) {
    for (int& c : coef) c = wrap(c, modulus);
    const int g = std::gcd(std::gcd(coef[0], coef[1]), std::gcd(coef[2], modulus));
    if (g == modulus) return std::nullopt;
    modulus /= g;
    for (int& c : coef) c /= g;
    std::optional<Congruence> best;
    std::tuple<int, int, int, int, int> best_key{};
    for (int u = 1; u < modulus; ++u) {
        if (std::gcd(u, modulus) != 1) continue;
        Congruence c{{}, modulus};
        int minus = 0, size = 0;
        for (int i = 0; i < 3; ++i) {
            int v = wrap(static_cast<long long>(coef[i]) * u, modulus);
            if (2 * v > modulus) v -= modulus;
            c.coef[i] = v;
            minus += v < 0;
            size += std::abs(v);
        }
        const auto key = std::make_tuple(minus, size, -c.coef[0], -c.coef[1], -c.coef[2]);
        if (!best || key < best_key) {
            best = c;
            best_key = key;
        }
    }
    return best;
}

int terms(const Congruence& c) {
    return (c.coef[0] != 0) + (c.coef[1] != 0) + (c.coef[2] != 0);
}

// "h + k", "2h + l", "-h + k + l": the left side of a congruence.
std::string linear_form(const IntRow& coef) {
    std::string s;
    for (int i = 0; i < 3; ++i) {
        const int c = coef[i];
        if (c == 0) continue;
        if (s.empty())
            s += c < 0 ? "-" : "";
        else
            s += c < 0 ? " - " : " + ";
        if (std::abs(c) != 1) s += std::to_string(std::abs(c));
        s += kLetters[i];
    }
    return s;
}

// "k + l = 4n, k, l = 2n": larger moduli first, sides of one modulus together.
std::string rules_text(std::vector<Congruence> rules) {
    std::sort(rules.begin(), rules.end(), [](const Congruence& a, const Congruence& b) {
        if (a.modulus != b.modulus) return a.modulus > b.modulus;
        return a.coef > b.coef;
    });
    std::string s;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (i > 0) s += ", ";
        s += linear_form(rules[i].coef);
        if (i + 1 == rules.size() || rules[i + 1].modulus != rules[i].modulus)
            s += " = " + std::to_string(rules[i].modulus) + "n";
    }
    return s;
}

bool passes(const std::vector<Congruence>& rules, const IntRow& h) {
    for (const Congruence& c : rules)
        if (!c.holds(h[0], h[1], h[2])) return false;
    return true;
}

int period_of(const std::vector<Congruence>& rules, int period = 1) {
    for (const Congruence& c : rules) period = lcm(period, c.modulus);
    return period;
}

// ---------------------------------------------------------------- zones

struct Zone {
    IntMatrix fixed{};          // an operation that leaves exactly this zone in place
    std::vector<IntRow> basis;  // of the zone's lattice
    std::vector<int> pivots;    // basis[j][pivots[i]] = (i == j), when `unit`
    bool unit = false;          // each point is named by its indices at the pivots
    std::vector<Congruence> rules;
    int dimension() const { return static_cast<int>(basis.size()); }
    bool contains(const IntRow& v) const { return row_times(v, fixed) == v; }
};

Zone zone_of(const IntMatrix& r) {
    Zone z;
    z.fixed = r;
    IntMatrix a = transposed(r);
    for (int i = 0; i < 3; ++i) a[i][i] -= 1;
    z.basis = kernel(a);
    const std::vector<IntRow>& k = z.basis;
    if (k.size() == 1) {
        for (int p = 0; p < 3 && !z.unit; ++p)
            if (std::abs(k[0][p]) == 1) {
                const int s = k[0][p];
                z.basis = {{k[0][0] * s, k[0][1] * s, k[0][2] * s}};
                z.pivots = {p};
                z.unit = true;
            }
    } else if (k.size() == 2) {
        const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
        for (const auto& pr : pairs) {
            const int p = pr[0], q = pr[1];
            const int det = k[0][p] * k[1][q] - k[0][q] * k[1][p];
            if (std::abs(det) != 1) continue;
            // The basis whose entries at p and q are those of the unit matrix.
            const int inv[2][2] = {{k[1][q] * det, -k[0][q] * det},
                                   {-k[1][p] * det, k[0][p] * det}};
            std::vector<IntRow> b(2);
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 3; ++i) b[j][i] = inv[j][0] * k[0][i] + inv[j][1] * k[1][i];
            z.basis = b;
            z.pivots = {p, q};
            z.unit = true;
            break;
        }
    } else if (k.size() == 3) {
        z.basis = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        z.pivots = {0, 1, 2};
        z.unit = true;
    }
    return z;
}

bool same_zone(const Zone& a, const Zone& b) {
    if (a.dimension() != b.dimension()) return false;
    for (const IntRow& v : a.basis)
        if (!b.contains(v)) return false;
    return true;
}

// Calls f on every point of the zone with coordinates 0 to period - 1 in its basis: all the
// zone's points up to adding `period` times a lattice vector, which no congruence whose
// modulus divides the period can tell apart. Stops at the first false.
template <class F>
bool every_point(const Zone& z, int period, F f) {
    const int d = z.dimension();
    int u[3] = {0, 0, 0};
    for (;;) {
        IntRow h{};
        for (int j = 0; j < d; ++j)
            for (int i = 0; i < 3; ++i) h[i] += u[j] * z.basis[j][i];
        if (!f(h)) return false;
        int j = 0;
        while (j < d && ++u[j] == period) u[j++] = 0;
        if (j == d) return true;
    }
}

// The congruence an operation imposes on its zone, for the translation t (in 24ths) in one of
// the forms the centring allows; no value when one form holds everywhere, in which case the
// centring alone removes what the operation removes.
std::optional<Congruence> rule_of(const Zone& z, const IntRow& t, const SpaceGroupSetting& g) {
    std::optional<Congruence> best;
    for (const IntRow& c : g.centring) {
        const IntRow tc = {t[0] + c[0], t[1] + c[1], t[2] + c[2]};
        IntRow coef{};
        if (z.unit) {
            for (std::size_t j = 0; j < z.pivots.size(); ++j) {
                const IntRow& b = z.basis[j];
                coef[z.pivots[j]] = b[0] * tc[0] + b[1] * tc[1] + b[2] * tc[2];
            }
        } else {
            coef = tc;
        }
        const std::optional<Congruence> rule = canonical(coef, kDen);
        if (!rule) return std::nullopt;
        const auto key = [](const Congruence& r) {
            int minus = 0, size = 0;
            for (int v : r.coef) {
                minus += v < 0;
                size += std::abs(v);
            }
            return std::make_tuple(terms(r), minus, size, -r.modulus, -r.coef[0], -r.coef[1],
                                   -r.coef[2]);
        };
        if (!best || key(*rule) < key(*best)) best = rule;
    }
    return best;
}

// Drops, one by one, the rules of the zone that the centring and the remaining rules imply.
void drop_implied_rules(Zone& z, const std::vector<Congruence>& centring) {
    std::sort(z.rules.begin(), z.rules.end(),
              [](const Congruence& a, const Congruence& b) { return a.modulus < b.modulus; });
    for (std::size_t i = 0; i < z.rules.size();) {
        std::vector<Congruence> others = z.rules;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
        const Congruence rule = z.rules[i];
        const int period = period_of(z.rules, period_of(centring));
        const bool implied = every_point(z, period, [&](const IntRow& h) {
            return !passes(centring, h) || !passes(others, h) || rule.holds(h[0], h[1], h[2]);
        });
        if (implied)
            z.rules.erase(z.rules.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

// True when an operation of the Laue group carries zone a with its rules onto zone b with its
// rules, on the reflections the centring allows.
bool equivalent(const Zone& a, const Zone& b, const std::vector<IntMatrix>& laue,
                const std::vector<Congruence>& centring) {
    if (a.dimension() != b.dimension()) return false;
    const int period = period_of(a.rules, period_of(b.rules, period_of(centring)));
    for (const IntMatrix& m : laue) {
        bool onto = true;
        for (const IntRow& v : a.basis) onto = onto && b.contains(row_times(v, m));
        if (!onto) continue;
        const auto back = std::find_if(laue.begin(), laue.end(), [&m](const IntMatrix& n) {
            return product(m, n) == identity_matrix();
        });
        if (back == laue.end()) continue;
        const bool same = every_point(b, period, [&](const IntRow& h) {
            return !passes(centring, h) ||
                   passes(a.rules, row_times(h, *back)) == passes(b.rules, h);
        });
        if (same) return true;
    }
    return false;
}

// ---------------------------------------------------------------- zone names

bool hexagonal_axes(const std::vector<IntMatrix>& ops) {
    for (const IntMatrix& m : ops)
        if (determinant(m) == 1 && order_of(m) == 3 &&
            times_column(m, {0, 0, 1}) == IntRow{0, 0, 1})
            return true;
    return false;
}

// One index of a zone's points in terms of its parameters: "0", "h", "-2h", "(h-k)".
std::string index_text(const std::vector<int>& coef, const std::vector<int>& pivots) {
    std::string s;
    int n = 0;
    for (std::size_t j = 0; j < coef.size(); ++j) {
        const int c = coef[j];
        if (c == 0) continue;
        ++n;
        if (c < 0)
            s += "-";
        else if (!s.empty())
            s += "+";
        if (std::abs(c) != 1) s += std::to_string(std::abs(c));
        s += kLetters[pivots[j]];
    }
    if (n == 0) return "0";
    return n == 1 ? s : "(" + s + ")";
}

std::string zone_name(const Zone& z, bool hexagonal) {
    if (!z.unit) {
        // A zone that no pair of its indices can name: its equations.
        IntMatrix rows{};
        for (std::size_t j = 0; j < z.basis.size(); ++j) rows[j] = z.basis[j];
        std::string s = "hkl with ";
        bool first = true;
        for (const IntRow& n : kernel(rows)) {
            s += (first ? "" : ", ") + linear_form(n) + " = 0";
            first = false;
        }
        return s;
    }
    std::string index[3];
    for (int i = 0; i < 3; ++i) {
        std::vector<int> coef;
        for (const IntRow& b : z.basis) coef.push_back(b[i]);
        index[i] = index_text(coef, z.pivots);
    }
    if (!hexagonal) return index[0] + index[1] + index[2];
    std::vector<int> coef;
    for (const IntRow& b : z.basis) coef.push_back(-b[0] - b[1]);
    std::string i = index_text(coef, z.pivots);
    if (i == "(-h-k)") i = "i";
    return index[0] + index[1] + i + index[2];
}

// Which zone of a symmetry-related set names the set, as the International Tables choose:
// fewest minus signs, then 0kl before h0l and hhl before hkh, h00 before 0k0 before 00l, and
// in four indices h-h0l and hh-2hl.
using NameKey = std::tuple<int, IntRow, std::string>;

NameKey name_key(const Zone& z, const std::string& name, bool hexagonal) {
    const int minus = static_cast<int>(std::count(name.begin(), name.end(), '-'));
    if (!z.unit) return {1000, IntRow{}, name};
    if (hexagonal) {
        IntRow signs{};
        const auto sign_rank = [](int v) { return v > 0 ? 0 : v < 0 ? 1 : 2; };
        // The sign of h, k and i along the zone's first parameter that moves them.
        for (int i = 0; i < 3; ++i) {
            int v = 0;
            for (const IntRow& b : z.basis) {
                const int c = i < 2 ? b[i] : -b[0] - b[1];
                if (v == 0) v = c;
            }
            signs[i] = sign_rank(v);
        }
        return {minus, signs, name};
    }
    if (z.dimension() == 1) {
        const IntRow& d = z.basis[0];
        return {minus, IntRow{-d[0], -d[1], -d[2]}, name};
    }
    return {minus, IntRow{}, name};
}

ZoneCondition zone_condition(const Zone& z, const std::string& name) {
    ZoneCondition c;
    c.text = name + ": " + rules_text(z.rules);
    c.fixed = z.fixed;
    c.dimension = z.dimension();
    c.rules = z.rules;
    return c;
}

}  // namespace

// ---------------------------------------------------------------- public

bool Congruence::holds(int h, int k, int l) const {
    const long long s = static_cast<long long>(coef[0]) * h + static_cast<long long>(coef[1]) * k +
                        static_cast<long long>(coef[2]) * l;
    return s % modulus == 0;
}

bool ZoneCondition::in_zone(int h, int k, int l) const {
    return row_times(h, k, l, fixed) == Triple{h, k, l};
}

bool ZoneCondition::keeps(int h, int k, int l) const {
    if (!in_zone(h, k, l)) return true;
    for (const Congruence& c : rules)
        if (!c.holds(h, k, l)) return false;
    return true;
}

bool GroupCondition::keeps(int h, int k, int l) const {
    for (const ZoneCondition& z : zones)
        if (!z.keeps(h, k, l)) return false;
    return true;
}

std::optional<SpaceGroupSetting> find_space_group(const std::string& text) {
    const std::string s = trimmed(text);
    if (s.empty() || s.find('\0') != std::string::npos) return std::nullopt;
    if (std::all_of(s.begin(), s.end(), is_digit)) {
        if (s.size() > 3) return std::nullopt;
        return standard_setting(std::atoi(s.c_str()));
    }
    // "Hall: P 2" for a Hall symbol that also reads as a Hermann-Mauguin one.
    if (s.size() > 5 && (s.compare(0, 5, "Hall:") == 0 || s.compare(0, 5, "hall:") == 0))
        return from_hall(trimmed(s.substr(5)));
    if (const gemmi::SpaceGroup* sg = find_hm(s)) return from_table(*sg);
    return from_hall(s);
}

std::optional<SpaceGroupSetting> standard_setting(int number) {
    if (number < 1 || number > 230) return std::nullopt;
    try {
        return from_table(gemmi::get_spacegroup_reference_setting(number));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::vector<GroupCondition> reflection_conditions(const SpaceGroupSetting& g) {
    const LaueGroup laue = laue_group(g);
    const bool hexagonal = hexagonal_axes(laue.operations);

    // The centring: (h k l) . c an integer for every centring vector c.
    Zone all = zone_of(identity_matrix());
    for (std::size_t i = 1; i < g.centring.size(); ++i) {
        const std::optional<Congruence> c = canonical(g.centring[i], kDen);
        if (!c) continue;
        const bool known = std::any_of(
            all.rules.begin(), all.rules.end(),
            [&c](const Congruence& d) { return d.coef == c->coef && d.modulus == c->modulus; });
        if (!known) all.rules.push_back(*c);
    }
    const std::vector<Congruence>& centring = all.rules;

    // Each operation's congruence on its zone, the congruences of one zone together.
    std::vector<Zone> zones;
    for (std::size_t i = 1; i < g.rotations.size(); ++i) {
        Zone z = zone_of(g.rotations[i]);
        if (z.dimension() == 0 || z.dimension() == 3) continue;
        const std::optional<Congruence> rule = rule_of(z, g.translations[i], g);
        if (!rule) continue;
        const auto same = std::find_if(zones.begin(), zones.end(),
                                       [&z](const Zone& y) { return same_zone(y, z); });
        Zone& target = same == zones.end() ? zones.emplace_back(z) : *same;
        const bool known =
            std::any_of(target.rules.begin(), target.rules.end(), [&](const Congruence& d) {
                return d.coef == rule->coef && d.modulus == rule->modulus;
            });
        if (!known) target.rules.push_back(*rule);
    }
    for (Zone& z : zones) drop_implied_rules(z, centring);
    zones.erase(
        std::remove_if(zones.begin(), zones.end(), [](const Zone& z) { return z.rules.empty(); }),
        zones.end());

    // Zones the Laue group relates, together; each set named after its best-named zone.
    struct Set {
        std::vector<std::size_t> members;  // the naming zone first
        NameKey key;
        bool dropped = false;
    };
    std::vector<std::string> names;
    for (const Zone& z : zones) names.push_back(zone_name(z, hexagonal));
    std::vector<Set> sets;
    std::vector<bool> placed(zones.size(), false);
    for (std::size_t i = 0; i < zones.size(); ++i) {
        if (placed[i]) continue;
        Set s;
        for (std::size_t j = i; j < zones.size(); ++j)
            if (!placed[j] &&
                (j == i || equivalent(zones[i], zones[j], laue.operations, centring))) {
                placed[j] = true;
                s.members.push_back(j);
            }
        std::sort(s.members.begin(), s.members.end(), [&](std::size_t a, std::size_t b) {
            return name_key(zones[a], names[a], hexagonal) <
                   name_key(zones[b], names[b], hexagonal);
        });
        s.key = name_key(zones[s.members[0]], names[s.members[0]], hexagonal);
        sets.push_back(s);
    }
    std::sort(sets.begin(), sets.end(), [&zones](const Set& a, const Set& b) {
        const int da = zones[a.members[0]].dimension(), db = zones[b.members[0]].dimension();
        return da != db ? da > db : a.key < b.key;
    });

    // A set of rows whose removals the centring and the planes through them already make.
    for (Set& s : sets) {
        bool implied = true;
        for (std::size_t m : s.members) {
            const Zone& z = zones[m];
            std::vector<const Zone*> wider;
            for (const Set& t : sets) {
                if (t.dropped) continue;
                for (std::size_t n : t.members) {
                    const Zone& y = zones[n];
                    if (y.dimension() <= z.dimension()) continue;
                    bool holds_z = true;
                    for (const IntRow& v : z.basis) holds_z = holds_z && y.contains(v);
                    if (holds_z) wider.push_back(&y);
                }
            }
            if (wider.empty()) {
                implied = false;
                break;
            }
            int period = period_of(z.rules, period_of(centring));
            for (const Zone* y : wider) period = period_of(y->rules, period);
            implied = every_point(z, period, [&](const IntRow& h) {
                if (!passes(centring, h) || passes(z.rules, h)) return true;
                for (const Zone* y : wider)
                    if (!passes(y->rules, h)) return true;
                return false;
            });
            if (!implied) break;
        }
        s.dropped = implied;
    }

    std::vector<GroupCondition> out;
    if (!centring.empty()) {
        GroupCondition c;
        c.zones.push_back(zone_condition(all, hexagonal ? "hkil" : "hkl"));
        c.text = c.zones[0].text;
        out.push_back(c);
    }
    for (const Set& s : sets) {
        if (s.dropped) continue;
        GroupCondition c;
        for (std::size_t m : s.members) c.zones.push_back(zone_condition(zones[m], names[m]));
        c.text = c.zones[0].text;
        out.push_back(c);
    }
    return out;
}

int first_failed(const std::vector<GroupCondition>& conditions, int h, int k, int l) {
    for (std::size_t i = 0; i < conditions.size(); ++i)
        if (!conditions[i].keeps(h, k, l)) return static_cast<int>(i);
    return -1;
}

LaueGroup laue_group(const SpaceGroupSetting& g) {
    LaueGroup laue;
    laue.operations = g.rotations;
    for (const IntMatrix& m : g.rotations) {
        const IntMatrix n = negated(m);
        if (std::find(laue.operations.begin(), laue.operations.end(), n) == laue.operations.end())
            laue.operations.push_back(n);
    }
    int proper = 0, fourfold = 0, sixfold = 0;
    for (const IntMatrix& m : laue.operations) {
        if (determinant(m) != 1) continue;
        ++proper;
        fourfold += order_of(m) == 4;
        sixfold += order_of(m) == 6;
    }
    gemmi::Laue l = gemmi::Laue::L1;
    switch (proper) {
        case 2:
            l = gemmi::Laue::L2m;
            break;
        case 3:
            l = gemmi::Laue::L3;
            break;
        case 4:
            l = fourfold ? gemmi::Laue::L4m : gemmi::Laue::Lmmm;
            break;
        case 6:
            l = sixfold ? gemmi::Laue::L6m : gemmi::Laue::L3m;
            break;
        case 8:
            l = gemmi::Laue::L4mmm;
            break;
        case 12:
            l = sixfold ? gemmi::Laue::L6mmm : gemmi::Laue::Lm3;
            break;
        case 24:
            l = gemmi::Laue::Lm3m;
            break;
        default:
            break;
    }
    laue.class_name = gemmi::laue_class_str(l);
    laue.symbol = laue.class_name;
    // The direction of an axis of order n: the column a proper operation of order n keeps.
    const auto axis_along = [&laue](int n, const IntRow& axis) {
        for (const IntMatrix& m : laue.operations)
            if (determinant(m) == 1 && order_of(m) == n && times_column(m, axis) == axis)
                return true;
        return false;
    };
    if (l == gemmi::Laue::L2m) {
        if (axis_along(2, {1, 0, 0}))
            laue.symbol = "2/m 1 1";
        else if (axis_along(2, {0, 1, 0}))
            laue.symbol = "1 2/m 1";
        else if (axis_along(2, {0, 0, 1}))
            laue.symbol = "1 1 2/m";
    } else if (l == gemmi::Laue::L3m && axis_along(3, {0, 0, 1})) {
        if (axis_along(2, {1, 0, 0}))
            laue.symbol = "-3m1";
        else if (axis_along(2, {1, -1, 0}))
            laue.symbol = "-31m";
    }
    return laue;
}

std::vector<Triple> equivalents(const LaueGroup& laue, int h, int k, int l) {
    std::vector<Triple> out;
    for (const IntMatrix& m : laue.operations) {
        const Triple t = row_times(h, k, l, m);
        if (std::find(out.begin(), out.end(), t) == out.end()) out.push_back(t);
    }
    return out;
}

Triple representative(const LaueGroup& laue, int h, int k, int l) {
    Triple best = row_times(h, k, l, laue.operations.at(0));
    for (const IntMatrix& m : laue.operations) best = std::max(best, row_times(h, k, l, m));
    return best;
}

// ---------------------------------------------------------------- the legacy lists

namespace {

// Up to two examples, the simplest first: in the zone that names the condition, fewest minus
// signs, smallest indices.
void add_example(std::vector<Triple>& examples, const Triple& t,
                 const ZoneCondition* named = nullptr) {
    const auto key = [named](const Triple& x) {
        const bool outside = named && !named->in_zone(int(x[0]), int(x[1]), int(x[2]));
        return std::make_tuple(outside, (x[0] < 0) + (x[1] < 0) + (x[2] < 0),
                               std::llabs(x[0]) + std::llabs(x[1]) + std::llabs(x[2]), x);
    };
    examples.push_back(t);
    std::sort(examples.begin(), examples.end(),
              [&key](const Triple& a, const Triple& b) { return key(a) < key(b); });
    if (examples.size() > 2) examples.pop_back();
}

}  // namespace

LegacyDifference legacy_difference(int number, int box) {
    LegacyDifference d;
    d.number = number;
    const std::optional<SpaceGroupSetting> g = standard_setting(number);
    if (!g) return d;
    const gemmi::GroupOps ops = gemmi::get_spacegroup_reference_setting(number).operations();
    const std::vector<GroupCondition> conditions = reflection_conditions(*g);
    const std::vector<int> codes = condition_codes(number);
    std::vector<std::vector<Triple>> legacy(codes.size()), tables(conditions.size());
    for (int h = -box; h <= box; ++h)
        for (int k = -box; k <= box; ++k)
            for (int l = -box; l <= box; ++l) {
                if (h == 0 && k == 0 && l == 0) continue;
                const bool absent = ops.is_systematically_absent({h, k, l});
                bool kept = true;
                for (int code : codes) kept = kept && condition_keeps(code, h, k, l);
                if (!absent && !kept) {
                    for (std::size_t i = 0; i < codes.size(); ++i)
                        if (!condition_keeps(codes[i], h, k, l)) add_example(legacy[i], {h, k, l});
                } else if (absent && kept) {
                    for (std::size_t i = 0; i < conditions.size(); ++i)
                        if (!conditions[i].keeps(h, k, l))
                            add_example(tables[i], {h, k, l}, &conditions[i].zones[0]);
                }
            }
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (!legacy[i].empty())
            d.legacy_removes_allowed.push_back(
                {codes[i], condition_text(codes[i], number), legacy[i]});
    for (std::size_t i = 0; i < conditions.size(); ++i)
        if (!tables[i].empty()) d.tables_not_applied.push_back({0, conditions[i].text, tables[i]});
    return d;
}

std::string describe_difference(const LegacyDifference& d) {
    if (d.empty()) return "";
    const auto list = [](const std::vector<Triple>& examples) {
        std::string s;
        for (const Triple& t : examples) {
            if (!s.empty()) s += ", ";
            s += std::to_string(t[0]) + " " + std::to_string(t[1]) + " " + std::to_string(t[2]);
        }
        return s;
    };
    std::string s = "Space group " + std::to_string(d.number) +
                    ": the legacy conditions differ from the International Tables.\n";
    for (const ConditionExamples& e : d.legacy_removes_allowed)
        s += "  legacy " + e.text + " removes allowed reflections, e.g. " + list(e.examples) + "\n";
    for (const ConditionExamples& e : d.tables_not_applied)
        s += "  Tables " + e.text + " is not applied, e.g. " + list(e.examples) + "\n";
    return s;
}

}  // namespace ped::merge
