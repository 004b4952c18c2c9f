// The prepared files read back: each is read once per run and kept, indexed by h k l (or by the
// key under which records are one reflection), however many comparisons use it.
#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/reflection.hpp"
#include "common/terminal.hpp"
#include "merge/laue.hpp"

namespace ped::merge {

// The key of a reflection: records with the same key are one reflection.
using MatchKey = std::function<Triple(int h, int k, int l)>;

// The records of one file with, for each key, where its records stand in the file.
class IndexedReflections {
  public:
    std::vector<Reflection> records;

    // Indexes `records` (after they are all read) by the key `key` gives, or by their own
    // indices when there is no key.
    void build_index(const MatchKey& key = nullptr);
    // True when the index was built with a key.
    bool keyed() const { return keyed_; }
    // Positions of the records with this key, in file order.
    std::pair<const unsigned*, const unsigned*> find(const Triple& key) const;
    std::pair<const unsigned*, const unsigned*> find(int h, int k, int l) const {
        return find(Triple{h, k, l});
    }
    // The key of record r, and whether r is the first record of its key in file order.
    const Triple& key_of(size_t r) const { return groups_[group_of_[r]].key; }
    bool first_of_key(size_t r) const { return positions_[groups_[group_of_[r]].first] == r; }
    // Records whose key an earlier record of the file has.
    size_t repeated() const { return records.size() - groups_.size(); }

  private:
    struct Group {
        Triple key;
        unsigned first, count;  // a run of `positions`
    };
    bool keyed_ = false;
    std::vector<unsigned> positions_;  // grouped by key, file order within a group
    std::vector<Group> groups_;
    std::vector<unsigned> group_of_;  // by record
    std::vector<int> slots_;          // hash table of group numbers, -1 when empty
    size_t slot_of(const Triple& key) const;
};

class PreparedFiles {
  public:
    // The files are indexed by `key` (by h k l when there is none).
    explicit PreparedFiles(const Terminal& t, MatchKey key = nullptr)
        : t_(t), key_(std::move(key)) {}
    // The records of the file, or null when it cannot be read (`reason` then tells why).
    const IndexedReflections* get(const std::string& path, int& reason);

  private:
    struct Entry {
        int reason;  // 0 when the file was read
        IndexedReflections data;
    };
    const Terminal& t_;
    MatchKey key_;
    std::map<std::string, Entry> files_;
};

}  // namespace ped::merge
