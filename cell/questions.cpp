#include "questions.hpp"

#include <cmath>

#include "messages.hpp"
#include "symmetry.hpp"
#include "text.hpp"

namespace ped::cell {

namespace {

// Number of arguments after the program name.
size_t given(const std::vector<std::string>& args) {
    return args.empty() ? 0 : args.size() - 1;
}

bool arg_int(const Terminal& t, const std::vector<std::string>& args, size_t pos, int& value,
             const char* hint = "") {
    if (parse_int(args[pos], value)) return true;
    error(t, strprintf("erreur : l'argument %zu (\"%s\") n'est pas un nombre entier%s", pos,
                       args[pos].c_str(), hint)
                 .c_str());
    return false;
}

bool arg_real(const Terminal& t, const std::vector<std::string>& args, size_t pos, double& value) {
    if (parse_double(args[pos], value)) return true;
    error(t,
          strprintf("erreur : l'argument %zu (\"%s\") n'est pas un nombre", pos, args[pos].c_str())
              .c_str());
    return false;
}

}  // namespace

const char* g_limits_fault(double gmin, double gmax) {
    if (!(gmin + 0.5 < gmax)) return kTooClose;
    if (!(std::fabs(gmin) <= kGBound && std::fabs(gmax) <= kGBound))
        return "les limites en g doivent etre comprises entre -1000 et 1000";
    if (!(gmax - gmin <= kGSpan))
        return "gmax - gmin depasse 100 : le balayage des fenetres serait sans fin";
    return nullptr;
}

bool take_symmetry(const Terminal& t, const std::vector<std::string>& args, int& symmetry) {
    if (given(args) >= 2)
        return arg_int(t, args, 2, symmetry,
                       " (code de la symetrie : 99 c, 104 h, 109 m, 111 o ou 113 q)");
    for (;;) {
        put_line(t.out, kAskSymmetry);
        std::fflush(t.out);
        const int c = t.in.read_char();
        if (is_refined_system(c)) {
            symmetry = c;
            return true;
        }
        put_line(t.out, kWrongSymmetry);
    }
}

bool take_g_limits(const Terminal& t, const std::vector<std::string>& args, ScanLimits& s) {
    for (;;) {
        if (given(args) >= 3) {
            if (!arg_real(t, args, 3, s.gmin)) return false;
            if (!(std::fabs(s.gmin) <= kGBound)) {
                error(t, strprintf("erreur : gmin = %g (argument 3) : les limites en g doivent "
                                   "etre comprises entre -1000 et 1000",
                                   s.gmin)
                             .c_str());
                return false;
            }
        } else {
            s.gmin = ask_double(t, kAskGmin);
        }
        if (given(args) >= 4) {
            if (!arg_real(t, args, 4, s.gmax)) return false;
        } else {
            s.gmax = ask_double(t, kAskGmax);
        }
        const char* fault = g_limits_fault(s.gmin, s.gmax);
        if (!fault) return true;
        if (given(args) >= 4) {
            error(t, strprintf("erreur : gmin = %g et gmax = %g (arguments 3 et 4) : %s", s.gmin,
                               s.gmax, fault)
                         .c_str());
            return false;
        }
        if (fault == kTooClose) {
            put_line(t.out, kTooClose);
        } else {
            std::fprintf(t.diag, "%s ; donnez d'autres limites.\n", fault);
            std::fflush(t.diag);
        }
    }
}

bool take_threshold(const Terminal& t, const std::vector<std::string>& args, ScanLimits& s) {
    const std::string question = std::string(kAskThreshold) + "\n";
    for (;;) {
        if (given(args) >= 5) {
            if (!arg_int(t, args, 5, s.threshold)) return false;
        } else {
            s.threshold = ask_int(t, question.c_str());
        }
        if (s.threshold >= 2 && s.threshold <= kMaxThreshold) return true;
        const bool low = s.threshold < 2;
        if (given(args) >= 5) {
            error(t, strprintf("erreur : la valeur max de I/sigma(I) (argument 5) vaut %d ; elle "
                               "doit etre comprise entre 2 et %d",
                               s.threshold, kMaxThreshold)
                         .c_str());
            return false;
        }
        if (low) {
            put_line(t.out, kTooLow);
        } else {
            std::fprintf(t.diag, "la valeur est trop grande (au plus %d) ; repondez de nouveau.\n",
                         kMaxThreshold);
            std::fflush(t.diag);
        }
    }
}

}  // namespace ped::cell
