#include "params.hpp"

#include "files.hpp"
#include "text.hpp"

namespace ped {

namespace {

// Number of arguments after the program name.
size_t given(const std::vector<std::string>& args) {
    return args.empty() ? 0 : args.size() - 1;
}

bool arg_int(const Session& s, const std::vector<std::string>& args, size_t pos, int& value) {
    if (parse_int(args[pos], value)) return true;
    error(s.term,
          strprintf("error: argument %zu (\"%s\") is not a whole number", pos, args[pos].c_str())
              .c_str());
    return false;
}

bool arg_double(const Session& s, const std::vector<std::string>& args, size_t pos, double& value) {
    if (parse_double(args[pos], value)) return true;
    error(
        s.term,
        strprintf("error: argument %zu (\"%s\") is not a number", pos, args[pos].c_str()).c_str());
    return false;
}

bool take_int(const Session& s, const std::vector<std::string>& args, size_t pos,
              const char* question, int& value) {
    if (given(args) >= pos) return arg_int(s, args, pos, value);
    value = ask_int(s.term, question);
    return true;
}

// The g limits keep 0 and 100 for what does not convert; a first number that converts is kept.
void ask_g_limits(const Session& s, RunParams& p) {
    std::fputs(s.msg.ask_glimits, s.term.out);
    std::fflush(s.term.out);
    double value;
    std::string word;
    if (!s.term.in.read_double(value, word)) {
        std::fprintf(s.term.diag, "'%s' is not a number: the g limits stay 0 and 100.\n",
                     word.c_str());
        return;
    }
    p.prep.gmin = value;
    if (!s.term.in.read_double(value, word)) {
        std::fprintf(s.term.diag, "'%s' is not a number: gmax stays 100.\n", word.c_str());
        return;
    }
    p.prep.gmax = value;
}

}  // namespace

std::string take_list_name(const Session& s, const std::vector<std::string>& args) {
    if (given(args) >= 1) return args[1];
    std::fputs(s.msg.ask_list, s.term.out);
    std::fflush(s.term.out);
    return s.term.in.read_name(kDefaultList);
}

bool take_parameters(const Session& s, const std::vector<std::string>& args, RunParams& p) {
    PrepareOptions& o = p.prep;
    o.gmin = 0;
    o.gmax = 100;
    if (given(args) >= 3) {
        double value;
        if (parse_double(args[2], value)) o.gmin = value;
        if (parse_double(args[3], value)) o.gmax = value;
    } else {
        ask_g_limits(s, p);
    }

    if (given(args) >= 4) {
        if (!arg_double(s, args, 4, p.sigma)) return false;
    } else {
        p.sigma = ask_double(s.term, s.msg.ask_sigma);
    }
    if (!take_int(s, args, 5, s.msg.ask_negatives, o.negatives) ||
        !take_int(s, args, 6, s.msg.ask_error_choice, o.error_choice) ||
        !take_int(s, args, 7, s.msg.ask_friedel, o.friedel) ||
        !take_int(s, args, 8, s.msg.ask_space_group, o.space_group) ||
        !take_int(s, args, 9, s.msg.ask_lorentz, o.lorentz))
        return false;

    if (o.lorentz == 0) {
        if (given(args) >= 11) {
            if (!arg_double(s, args, 10, o.voltage) || !arg_double(s, args, 11, o.angle))
                return false;
        } else {
            ask_two_doubles(s.term, s.msg.ask_voltage_angle, o.voltage, o.angle);
        }
    }
    return true;
}

OutputNames output_names(const std::string& base) {
    return {base + ".txt", base + "g.txt", base + ".hkl", base + "fin.hkl"};
}

std::string overwritten_input(const std::string& base, const std::string& list,
                              const std::vector<Zone>& zones) {
    const OutputNames names = output_names(base);
    std::vector<std::string> inputs{list};
    for (const Zone& z : zones) {
        inputs.push_back(z.name);
        inputs.push_back(z.prepared);
    }
    for (const std::string& output : {names.report, names.report_g, names.scaled, names.merged})
        for (const std::string& input : inputs)
            if (same_file(output, input)) return input;
    return "";
}

bool take_output_name(const Session& s, const std::vector<std::string>& args,
                      const std::vector<Zone>& zones, RunParams& p) {
    const size_t pos = p.prep.lorentz == 0 ? 12 : 10;
    if (given(args) >= pos) {
        const std::string clash = overwritten_input(args[pos], p.list, zones);
        if (!clash.empty()) {
            error(s.term, strprintf("error: the output name \"%s\" would overwrite the input "
                                    "file %s",
                                    args[pos].c_str(), clash.c_str())
                              .c_str());
            return false;
        }
        p.output = args[pos];
        return true;
    }
    for (;;) {
        std::fputs(s.msg.ask_output, s.term.out);
        std::fflush(s.term.out);
        const std::string name = s.term.in.read_name(kDefaultOutput);
        const std::string clash = overwritten_input(name, p.list, zones);
        if (clash.empty()) {
            p.output = name;
            return true;
        }
        std::fprintf(s.term.diag,
                     "The output name \"%s\" would overwrite the input file %s; please choose "
                     "another name.\n",
                     name.c_str(), clash.c_str());
    }
}

}  // namespace ped
