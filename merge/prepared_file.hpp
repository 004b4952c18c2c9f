// The prepared files read back: each is read once per run and kept, indexed by h k l, however
// many comparisons use it.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/reflection.hpp"
#include "common/terminal.hpp"

namespace ped::merge {

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
    explicit PreparedFiles(const Terminal& t) : t_(t) {}
    // The records of the file, or null when it cannot be read (`reason` then tells why).
    const IndexedReflections* get(const std::string& path, int& reason);

  private:
    struct Entry {
        int reason;  // 0 when the file was read
        IndexedReflections data;
    };
    const Terminal& t_;
    std::map<std::string, Entry> files_;
};

}  // namespace ped::merge
