// The console reader: numbers, names, characters and the end of input, in an order that the
// first bytes choose, over answers made of the rest.
#include <cstdint>
#include <string>

#include "common/console.hpp"
#include "common/terminal.hpp"
#include "common/text.hpp"
#include "fuzz_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped;
    const std::size_t ops = size < 8 ? size : 8;
    std::FILE* in = fuzz::as_stream(data + ops, size - ops);
    if (!in) return 0;
    Console console(in);
    const Terminal t{console, fuzz::sink(), fuzz::sink(), "fuzz", english};
    try {
        // Every read takes at least one character, so a few rounds more than the input is long
        // reach its end; the pause alone reads nothing.
        for (std::size_t round = 0, i = 0; round < 2 * size + 16;
             ++round, i = (i + 1) % (ops ? ops : 1)) {
            const int op = (ops ? data[i] : 0) % 6;
            double a, b;
            if (op == 0) {
                const std::string name = console.read_name("default");
                fuzz::require(!name.empty());
                for (char c : name) fuzz::require(!is_space(static_cast<unsigned char>(c)));
            }
            if (op == 1) (void)ask_int(t, "");
            if (op == 2) fuzz::require(std::isfinite(ask_double(t, "")));
            if (op == 3) {
                ask_two_doubles(t, "", a, b);
                fuzz::require(std::isfinite(a) && std::isfinite(b));
            }
            if (op == 4) (void)console.read_char();
            if (op == 5) console.pause(t.out);
        }
    } catch (const InputEnded&) {
    }
    std::fclose(in);
    return 0;
}
