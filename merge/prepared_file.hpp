// Reading back the files of reflections the tool writes (prepared, scaled and merged files:
// h k l I sigI g per line). Each prepared file is read once per run and kept, however many
// comparisons use it.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "reflection.hpp"

namespace ped {

// Parses "h k l I sigI g": three integers and three finite reals (further words ignored),
// read one after another, so that values touching in the fixed layout still read.
bool parse_reflection(const std::string& line, Reflection& r);

// Reads a whole file; blank lines are skipped, a line that is not a record is skipped with a
// warning on `diag` naming the file and the line. False when the file cannot be opened or
// read to its end (errno then tells why).
bool read_reflections(const std::string& path, std::FILE* diag, std::vector<Reflection>& out);

// The same from an open stream, `name` naming it in the warnings.
bool read_reflection_records(std::FILE* file, const std::string& name, std::FILE* diag,
                             std::vector<Reflection>& out);

// The records of one file with, for each index triple, where it stands in the file.
class IndexedReflections {
  public:
    std::vector<Reflection> records;

    // Indexes `records` (after they are all read).
    void build_index();
    // Positions of the records with this index triple, in file order.
    std::pair<const unsigned*, const unsigned*> find(int h, int k, int l) const;

  private:
    struct Group {
        int h, k, l;
        unsigned first, count;  // a run of `positions`
    };
    std::vector<unsigned> positions_;  // grouped by index triple, file order within a group
    std::vector<Group> groups_;
    std::vector<int> slots_;  // hash table of group numbers, -1 when empty
    size_t slot_of(int h, int k, int l) const;
};

class PreparedFiles {
  public:
    explicit PreparedFiles(std::FILE* diag) : diag_(diag) {}
    // The records of the file, or null when it cannot be opened (errno then tells why).
    const IndexedReflections* get(const std::string& path);

  private:
    struct Entry {
        bool readable;
        int error;
        IndexedReflections data;
    };
    std::FILE* diag_;
    std::map<std::string, Entry> files_;
};

}  // namespace ped
