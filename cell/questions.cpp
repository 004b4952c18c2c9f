#include "cell/questions.hpp"

#include <cmath>

#include "cell/crystal_systems.hpp"
#include "cell/messages.hpp"
#include "common/arguments.hpp"
#include "common/text.hpp"

namespace ped::cell {

std::string take_input_name(const Terminal& t, const CommandLine& cl) {
    return take_name(t, cl, 1, kAskInput, kDefaultInput);
}

std::string output_name(const std::string& input) {
    if (input.size() < 3) return input + ".out";
    return input.substr(0, input.size() - 3) + "out";
}

const char* g_limits_fault(double gmin, double gmax) {
    if (!(gmin + 0.5 < gmax)) return kTooClose;
    if (!(std::fabs(gmin) <= kGBound && std::fabs(gmax) <= kGBound)) return kGOutOfBounds;
    if (!(gmax - gmin <= kGSpan)) return kGSpanTooWide;
    return nullptr;
}

int take_symmetry(const Terminal& t, const CommandLine& cl) {
    if (cl.given() >= 2) return int_at(t, cl, 2, kSymmetryHint);
    for (;;) {
        put_line(t.out, kAskSymmetry);
        std::fflush(t.out);
        const int c = t.in.read_char();
        if (crystal_system(c)) return c;
        put_line(t.out, kWrongSymmetry);
    }
}

void take_g_limits(const Terminal& t, const CommandLine& cl, ScanLimits& s) {
    for (;;) {
        if (cl.given() >= 3) {
            s.gmin = real_at(t, cl, 3);
            if (!(std::fabs(s.gmin) <= kGBound)) fail(strprintf(kGminArgument, s.gmin));
        } else {
            s.gmin = ask_double(t, kAskGmin);
        }
        s.gmax = take_real(t, cl, 4, kAskGmax);
        const char* fault = g_limits_fault(s.gmin, s.gmax);
        if (!fault) return;
        if (cl.given() >= 4) fail(strprintf(kGLimitsArguments, s.gmin, s.gmax, fault));
        if (fault == kTooClose)
            put_line(t.out, kTooClose);
        else
            say(t, kOtherLimits, fault);
    }
}

void take_threshold(const Terminal& t, const CommandLine& cl, ScanLimits& s) {
    const std::string question = std::string(kAskThreshold) + "\n";
    for (;;) {
        s.threshold = take_int(t, cl, 5, question.c_str());
        if (s.threshold >= 2 && s.threshold <= kMaxThreshold) return;
        if (cl.given() >= 5) fail(strprintf(kThresholdArgument, s.threshold, kMaxThreshold));
        if (s.threshold < 2)
            put_line(t.out, kTooLow);
        else
            say(t, kTooHigh, kMaxThreshold);
    }
}

}  // namespace ped::cell
