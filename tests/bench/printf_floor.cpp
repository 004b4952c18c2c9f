// The floor the merge tool's time is measured against: a plain program that reads the zones of
// a list file as records (fgets, sscanf) and writes the same volume as the tool with printf:
// `console` lines of the pair-echo layout on standard output and `lines` lines of the record
// layout into `file`.
//
//   printf_floor <list file> <console lines> <file lines> <file>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s list console-lines file-lines file\n", argv[0]);
        return 2;
    }
    struct Record {
        int h, k, l;
        double v[8];
    };
    std::vector<Record> records;
    std::FILE* list = std::fopen(argv[1], "rb");
    if (!list) return 1;
    char name[256], line[512];
    while (std::fgets(name, sizeof name, list)) {
        name[std::strcspn(name, " \t\r\n")] = '\0';
        std::FILE* zone = std::fopen(name, "rb");
        if (!zone) continue;
        while (std::fgets(line, sizeof line, zone)) {
            Record r;
            if (std::sscanf(line, "%d%d%d%lf%lf%lf%lf%lf%lf%lf%lf", &r.h, &r.k, &r.l, &r.v[0],
                            &r.v[1], &r.v[2], &r.v[3], &r.v[4], &r.v[5], &r.v[6], &r.v[7]) == 11)
                records.push_back(r);
        }
        std::fclose(zone);
    }
    std::fclose(list);
    if (records.empty()) return 1;
    const long console = std::atol(argv[2]), lines = std::atol(argv[3]);
    for (long n = 0; n < console; ++n) {
        const Record& r = records[static_cast<size_t>(n) % records.size()];
        std::printf("%4d%4d%4d%9.3lf %11.3lf\n", r.h, r.k, r.l, r.v[0] / r.v[1], r.v[4]);
    }
    std::FILE* out = std::fopen(argv[4], "wb");
    if (!out) return 1;
    for (long n = 0; n < lines; ++n) {
        const Record& r = records[static_cast<size_t>(n) % records.size()];
        std::fprintf(out, "%4d%4d%4d%15.2lf%15.2lf%15.8lf\n", r.h, r.k, r.l, r.v[0], r.v[1],
                     r.v[4]);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
