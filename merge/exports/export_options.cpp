#include "merge/exports/export_options.hpp"

#include <gemmi/elem.hpp>

#include <cctype>
#include <cmath>

#include "common/text.hpp"

namespace ped::merge {

namespace {

bool space_at(const std::string& text, size_t i) {
    return std::isspace(static_cast<unsigned char>(text[i]));
}

}  // namespace

bool parse_composition(const std::string& text, std::vector<ElementCount>& elements,
                       std::string& bad) {
    elements.clear();
    size_t i = 0;
    while (i < text.size()) {
        if (space_at(text, i)) {
            ++i;
            continue;
        }
        const size_t start = i;
        const auto refuse = [&]() {
            size_t end = start;
            while (end < text.size() && !space_at(text, end)) ++end;
            bad = text.substr(start, end - start);
            return false;
        };
        if (!std::isupper(static_cast<unsigned char>(text[i]))) return refuse();
        std::string symbol(1, text[i++]);
        if (i < text.size() && std::islower(static_cast<unsigned char>(text[i])))
            symbol += text[i++];
        const gemmi::El el = gemmi::find_element(symbol.c_str());
        if (el == gemmi::El::X || symbol != gemmi::element_name(el)) return refuse();
        const size_t digits = i;
        while (i < text.size() &&
               (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'))
            ++i;
        double count = 1;
        if (i > digits && (!parse_double(text.substr(digits, i - digits), count) ||
                           !std::isfinite(count) || count <= 0))
            return refuse();
        bool known = false;
        for (ElementCount& e : elements)
            if (e.symbol == symbol) {
                e.count += count;
                known = true;
            }
        if (!known) elements.push_back({symbol, count});
    }
    if (elements.empty()) bad = text;
    return !elements.empty();
}

ExportOptions export_options(const Session& s, const CommandLine& cl) {
    ExportOptions o;
    o.shelx = cl.has("shelx");
    o.cif = cl.has("cif");
    if (cl.has("kv")) {
        const std::string value = cl.value("kv");
        double kv = 0;
        if (!parse_double(value, kv))
            fail(s.term, strprintf(s.term.lang.option_bad_value, "kv", value.c_str()));
        if (!microscope_voltage(kv)) fail(s.term, strprintf(s.msg.kv_range, value.c_str()));
        o.kv = kv;
        o.kv_text = value;
    }
    if (cl.has("composition")) {
        const std::string value = cl.value("composition");
        std::string bad;
        if (!parse_composition(value, o.composition, bad))
            fail(s.term, strprintf(s.msg.composition_bad, value.c_str(), bad.c_str()));
    }
    return o;
}

std::vector<std::string> export_suffixes(const ExportOptions& o, bool cell) {
    std::vector<std::string> suffixes;
    if (o.shelx) suffixes = {kShelxHkl, kShelxMerged};
    if (o.shelx && cell) suffixes.push_back(kShelxIns);
    if (o.cif) suffixes.push_back(kCif);
    return suffixes;
}

std::optional<double> export_wavelength(const Session& s, const ExportOptions& o,
                                        const PrepareOptions& p, bool cell) {
    if (!o.composition.empty() && !(o.shelx && cell))
        say(s.term, "%s", s.msg.composition_without_ins);
    if (!o.cif && !(o.shelx && cell)) {
        if (o.kv) say(s.term, s.msg.kv_without_file, o.kv_text.c_str());
        return std::nullopt;
    }
    std::optional<double> kv = o.kv;
    if (p.lorentz) {
        if (!microscope_voltage(p.voltage))
            fail(s.term, strprintf(s.msg.lorentz_kv_range, p.voltage));
        if (kv && *kv != p.voltage) say(s.term, s.msg.kv_not_used, o.kv_text.c_str(), p.voltage);
        kv = p.voltage;
    }
    if (!kv) fail(s.term, s.msg.no_voltage);
    return electron_wavelength(*kv);
}

}  // namespace ped::merge
