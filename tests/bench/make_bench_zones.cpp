// Writes the zone files of a worst case for the merge tool: many zones of many reflections,
// drawn from one pool of index triples so that zones share many reflections, every reflection
// with its Friedel mate, and g rounded to 0.001 so that many g values are equal.
//
//   make_bench_zones <folder> <zones> <reflections per zone> <pool size>
//
// Writes <folder>/z01 ... and <folder>/in.txt. Spots lie 1000 pixels per 1/angstrom from
// the centre (1024, 1024).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s folder zones reflections pool\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const int zones = std::atoi(argv[2]), per_zone = std::atoi(argv[3]), pool = std::atoi(argv[4]);
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> index(-30, 30);
    struct Triple {
        int h, k, l;
    };
    std::vector<Triple> triples;
    while (static_cast<int>(triples.size()) < pool) {
        const Triple t{index(rng), index(rng), index(rng)};
        if (t.h != 0 || t.k != 0 || t.l != 0) triples.push_back(t);
    }
    std::uniform_int_distribution<int> pick(0, pool - 1);
    std::uniform_real_distribution<double> unit(0, 1);
    std::FILE* list = std::fopen((folder + "/in.txt").c_str(), "wb");
    if (!list) return 1;
    for (int z = 1; z <= zones; ++z) {
        char name[32];
        std::snprintf(name, sizeof name, "z%02d", z);
        std::fprintf(list, "%s\n", name);
        std::FILE* f = std::fopen((folder + "/" + name).c_str(), "wb");
        if (!f) return 1;
        const double scale = 0.5 + unit(rng);
        for (int i = 0; i < per_zone / 2; ++i) {
            const Triple t = triples[pick(rng)];
            const double g =
                std::round(std::sqrt(double(t.h * t.h + t.k * t.k + t.l * t.l)) / 60.0 * 1000) /
                1000;
            const double angle = 2 * 3.141592653589793 * unit(rng);
            for (int mate = 0; mate < 2; ++mate) {
                const int sign = mate ? -1 : 1;
                const double intensity = scale * (20 + 5000 * unit(rng)) - 10;
                const double x = 1024 + sign * 1000 * g * std::cos(angle);
                const double y = 1024 + sign * 1000 * g * std::sin(angle);
                std::fprintf(f, "%d %d %d %.2f %.2f 0 %.2f %.5f 0 %.2f %.2f\n", sign * t.h,
                             sign * t.k, sign * t.l, intensity, std::sqrt(std::fabs(intensity)) + 1,
                             std::sqrt(std::fabs(intensity)) + 5, g, x, y);
            }
        }
        std::fclose(f);
    }
    std::fclose(list);
    return 0;
}
