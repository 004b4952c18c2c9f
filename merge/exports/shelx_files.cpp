#include "merge/exports/shelx_files.hpp"

#include <cmath>

#include "common/format.hpp"
#include "common/text.hpp"

namespace ped::merge {

namespace {

constexpr const char* kEndWithBatch = "   0   0   0    0.00    0.00   0\n";
constexpr const char* kEnd = "   0   0   0    0.00    0.00\n";
constexpr size_t kLine = 80;         // SHELX reads 80 characters a line
const std::string kIndent = "    ";  // a continuation line begins with blanks

double divided(double v, int exponent) {
    return exponent ? v / std::pow(10.0, exponent) : v;
}

bool fits_i4(int v) {
    return v >= -999 && v <= 9999;
}

// Printable ASCII: other bytes become '?'.
std::string printable(std::string s) {
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
    return s;
}

// An instruction on lines of at most 80 characters, never cut inside a word: as SHELX continues
// an instruction, a line that the next word would overfill ends in " =" and the words go on on
// the next line, which begins with blanks. A word too long for a line of its own is set in
// `too_long` (the first such word) and nothing is returned.
std::string card(const std::string& text, std::string& too_long) {
    const std::string s = printable(text);
    if (s.size() <= kLine) return s + "\n";
    const std::vector<std::string> words = split_ws(s);
    std::string out, line;
    for (size_t n = 0; n < words.size(); ++n) {
        const std::string& w = words[n];
        const size_t mark = n + 1 < words.size() ? 2 : 0;  // room for " =" on all but the last
        if (kIndent.size() + w.size() + 2 > kLine) {
            if (too_long.empty()) too_long = w;
            return "";
        }
        if (line.empty()) {
            line = w;
        } else if (line.size() + 1 + w.size() + mark <= kLine) {
            line += " " + w;
        } else {
            out += line + " =\n";
            line = kIndent + w;
        }
    }
    return out + line + "\n";
}

// A remark on lines of at most 80 characters: a remark is no instruction and is not continued,
// so a long one goes on on further REM lines, split at blanks; a word longer than a line fills
// the lines it needs.
std::string remark(const std::string& text) {
    const std::string s = printable("REM " + text);
    if (s.size() <= kLine) return s + "\n";
    std::string out, line = "REM";
    const auto next_line = [&out, &line]() {
        out += line + "\n";
        line = "REM";
    };
    for (std::string w : split_ws(s.substr(4))) {
        const bool fits_a_line = 4 + w.size() <= kLine;
        if (line.size() + 1 + w.size() > kLine && fits_a_line) next_line();
        while (line.size() + 1 + w.size() > kLine) {
            if (line.size() + 2 > kLine) next_line();
            const size_t room = kLine - line.size() - 1;
            line += " " + w.substr(0, room);
            w.erase(0, room);
            next_line();
        }
        line += " " + w;
    }
    return out + line + "\n";
}

// A count of atoms: whole numbers without decimals.
std::string count_text(double n) {
    if (n == std::floor(n) && n < 1e9) return strprintf("%.0f", n);
    std::string s = strprintf("%.4f", n);
    while (s.back() == '0') s.pop_back();
    return s;
}

}  // namespace

bool fits_f8_2(double v) {
    if (!std::isfinite(v)) return false;
    std::string t;
    put_fixed(t, v, 0, 2);
    return t.size() <= 8 && t != "99999.99" && t != "-9999.99";
}

bool keeps_blank_f8_2(double v) {
    if (!std::isfinite(v)) return false;
    std::string t;
    put_fixed(t, v, 0, 2);
    return t.size() <= 7;
}

int shelx_exponent(const std::vector<const std::vector<Reflection>*>& lists) {
    int n = 0;
    for (const std::vector<Reflection>* list : lists)
        for (const Reflection& r : *list)
            for (double v : {r.i, r.sig})
                while (std::isfinite(v) && !keeps_blank_f8_2(divided(v, n))) ++n;
    return n;
}

std::string power_of_ten(int n) {
    return n <= 15 ? strprintf("%.0f", std::pow(10.0, n)) : strprintf("1e+%d", n);
}

bool fits_hklf(const Reflection& r, int batch) {
    return fits_i4(r.h) && fits_i4(r.k) && fits_i4(r.l) && (r.h || r.k || r.l) && batch >= 0 &&
           batch <= 9999;
}

std::string hklf4(const std::vector<Reflection>& records, const std::vector<int>* batches,
                  int exponent, std::vector<Reflection>& left_out) {
    std::string out;
    for (size_t n = 0; n < records.size(); ++n) {
        const Reflection& r = records[n];
        const int batch = batches ? (*batches)[n] : 0;
        const double i = divided(r.i, exponent), sig = divided(r.sig, exponent);
        if (!fits_hklf(r, batch) || !fits_f8_2(i) || !fits_f8_2(sig)) {
            left_out.push_back(r);
            continue;
        }
        put_int(out, r.h, 4);
        put_int(out, r.k, 4);
        put_int(out, r.l, 4);
        put_fixed(out, i, 8, 2);
        put_fixed(out, sig, 8, 2);
        if (batches) put_int(out, batch, 4);
        out += '\n';
    }
    return out + (batches ? kEndWithBatch : kEnd);
}

std::string shelx_ins(const InsContent& c, std::string& too_long) {
    const UnitCell& u = c.cell;
    too_long.clear();
    // The title is one line of its own: a long one keeps its beginning and its end.
    std::string out = "TITL " + printable(shortened_middle(c.title, kLine - 5)) + "\n";
    out += card(strprintf("CELL %.6f %.4f %.4f %.4f %.4f %.4f %.4f", c.wavelength, u.a, u.b, u.c,
                          u.alpha, u.beta, u.gamma),
                too_long);
    const UnitCell& e = c.cell_su;
    const bool esds = e.a > 0 || e.b > 0 || e.c > 0 || e.alpha > 0 || e.beta > 0 || e.gamma > 0;
    out += card(esds ? strprintf("ZERR 1 %.5f %.5f %.5f %.5f %.5f %.5f", e.a, e.b, e.c, e.alpha,
                                 e.beta, e.gamma)
                     : "ZERR 1 0 0 0 0 0 0",
                too_long);
    out += card(strprintf("LATT %d", c.symmetry.latt), too_long);
    for (const std::string& symm : c.symmetry.symm) out += card("SYMM " + symm, too_long);
    if (c.composition.empty()) {
        out += remark("Add SFAC and UNIT here: the elements and their numbers in the cell, as");
        out += remark("SFAC Ca Ti O");
        out += remark("UNIT 4 4 12");
    } else {
        std::string sfac = "SFAC", unit = "UNIT";
        for (const ElementCount& e : c.composition) {
            sfac += " " + e.symbol;
            unit += " " + count_text(e.count);
        }
        out += card(sfac, too_long) + card(unit, too_long);
    }
    out += remark(c.hkl + ": the scaled observations of the merge; the batch number");
    out += remark("of each is its zone's number in the list file:");
    for (size_t z = 0; z < c.zones.size(); ++z)
        out += remark(strprintf("batch %zu: %s", z + 1, c.zones[z].c_str()));
    if (c.absences)
        out +=
            remark(strprintf("Its last %zu records are the reflections the space group forbids, "
                             "for checking the group; they are in no merge.",
                             c.absences));
    if (c.exponent)
        out += remark("Its intensities and sigmas are divided by " + power_of_ten(c.exponent) +
                      " to keep a blank between the columns.");
    out += remark("Electron data: SFAC element names give SHELX X-ray scattering factors.");
    out += remark("SHELXT solves with them; before refining with SHELXL, give each SFAC");
    out += remark("its electron scattering factors (the long form of SFAC).");
    out += remark(esds ? "ZERR: Z = 1 as UNIT is the cell content; the esds of the cell file."
                       : "ZERR: Z = 1 as UNIT is the cell content; the esds of the cell are "
                         "unknown.");
    if (c.zones.size() > 1)
        out += remark("SHELXL: one scale per zone with BASF, a value of 1 per batch after 1.");
    out += "HKLF 4\nEND\n";
    return too_long.empty() ? out : "";
}

}  // namespace ped::merge
