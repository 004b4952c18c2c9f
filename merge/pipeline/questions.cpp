#include "merge/pipeline/questions.hpp"

#include "common/arguments.hpp"
#include "common/files.hpp"
#include "common/text.hpp"

namespace ped::merge {

namespace {

// The g limits keep 0 and 100 for what does not convert; a first number that converts is kept.
void g_limits(const Session& s, const CommandLine& cl, PrepareOptions& o) {
    o.gmin = 0;
    o.gmax = 100;
    double value;
    if (cl.given() >= 3) {
        if (parse_double(cl.at(2), value)) o.gmin = value;
        if (parse_double(cl.at(3), value)) o.gmax = value;
        return;
    }
    ask(s.term, s.msg.ask_glimits);
    std::string word;
    if (!s.term.in.read_double(value, word)) {
        say(s.term, s.msg.glimits_not_number, word.c_str());
        return;
    }
    o.gmin = value;
    if (!s.term.in.read_double(value, word)) {
        say(s.term, s.msg.gmax_not_number, word.c_str());
        return;
    }
    o.gmax = value;
}

// Position 8 or question 7; with --sg the number of its group, which position 8, when given,
// must be.
int space_group_number(const Session& s, const CommandLine& cl, const MergeOptions& o) {
    if (!o.setting) return take_int(s.term, cl, 8, s.msg.ask_space_group);
    const int number = o.setting->number;
    if (cl.given() >= 8 && int_at(s.term, cl, 8) != number)
        fail(strprintf(s.msg.sg_number_differs, cl.at(8).c_str(), o.sg->c_str(), number));
    return number;
}

// The first position the run does not read: gmin without gmax, a voltage without its angle,
// or the one after the output name.
size_t first_unused(size_t given, bool lorentz) {
    if (given == 2) return 2;
    if (lorentz && given == 10) return 10;
    return lorentz ? 13 : 11;
}

// A flag answered "0 for yes".
bool yes(const Session& s, const CommandLine& cl, size_t pos, const char* question) {
    return take_int(s.term, cl, pos, question) == 0;
}

}  // namespace

std::string take_list_name(const Session& s, const CommandLine& cl) {
    return take_name(s.term, cl, 1, s.msg.ask_list, kDefaultList);
}

void take_parameters(const Session& s, const CommandLine& cl, const MergeOptions& options,
                     RunParams& p) {
    PrepareOptions& o = p.prep;
    g_limits(s, cl, o);
    p.sigma = take_real(s.term, cl, 4, s.msg.ask_sigma);
    o.negatives_to_one = yes(s, cl, 5, s.msg.ask_negatives);
    o.poisson_error = yes(s, cl, 6, s.msg.ask_error_choice);
    o.friedel_merge = yes(s, cl, 7, s.msg.ask_friedel);
    o.space_group = space_group_number(s, cl, options);
    o.lorentz = yes(s, cl, 9, s.msg.ask_lorentz);
    say_unused_positions(s.term, cl, first_unused(cl.given(), o.lorentz));
    if (!o.lorentz) return;
    if (cl.given() >= 11) {
        o.voltage = real_at(s.term, cl, 10);
        o.angle = real_at(s.term, cl, 11);
    } else {
        ask_two_doubles(s.term, s.msg.ask_voltage_angle, o.voltage, o.angle);
    }
}

OutputNames output_names(const std::string& base) {
    return {base + ".txt", base + "g.txt", base + ".hkl", base + "fin.hkl"};
}

std::string take_output_name(const Session& s, const CommandLine& cl, const RunParams& p,
                             const std::vector<Zone>& zones,
                             const std::vector<std::string>& more_suffixes,
                             const std::vector<std::string>& more_inputs) {
    std::vector<std::string> inputs{p.list};
    inputs.insert(inputs.end(), more_inputs.begin(), more_inputs.end());
    for (const Zone& z : zones) {
        inputs.push_back(z.name);
        inputs.push_back(z.prepared);
    }
    const auto replaced = [&inputs, &more_suffixes](const std::string& base) {
        const OutputNames n = output_names(base);
        std::vector<std::string> outputs{n.report, n.report_g, n.scaled, n.merged};
        for (const std::string& suffix : more_suffixes) outputs.push_back(base + suffix);
        return replaced_input(outputs, inputs);
    };
    const auto ask_name = [&s]() {
        ask(s.term, s.msg.ask_output);
        return s.term.in.read_name(kDefaultOutput);
    };
    return take_output_name(s.term, cl, p.prep.lorentz ? 12 : 10, ask_name, replaced);
}

}  // namespace ped::merge
