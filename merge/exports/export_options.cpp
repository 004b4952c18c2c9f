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

std::vector<std::string> export_suffixes(const MergeOptions& o) {
    std::vector<std::string> suffixes;
    if (o.shelx) suffixes = {kShelxHkl, kShelxMerged};
    if (o.shelx && o.cell) suffixes.push_back(kShelxIns);
    if (o.cif) suffixes.push_back(kCif);
    return suffixes;
}

std::optional<double> export_wavelength(const Session& s, const MergeOptions& o,
                                        const PrepareOptions& p) {
    if (!o.cif && !(o.shelx && o.cell)) return std::nullopt;
    std::optional<double> kv;
    if (o.kv) kv = o.kv->value;
    if (p.lorentz) {
        if (!microscope_voltage(p.voltage)) fail(strprintf(s.msg.lorentz_kv_range, p.voltage));
        if (kv && *kv != p.voltage) say(s.term, s.msg.kv_not_used, o.kv->text.c_str(), p.voltage);
        kv = p.voltage;
    }
    if (!kv) fail(s.msg.no_voltage);
    return electron_wavelength(*kv);
}

}  // namespace ped::merge
