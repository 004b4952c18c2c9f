// The prepared files read back: each is read once per run and kept, indexed by h k l (or by the
// key under which records are one reflection), however many comparisons use it.
#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/reflection.hpp"
#include "common/terminal.hpp"
#include "merge/symmetry/triple.hpp"

namespace ped::merge {

// The key of a reflection: records with the same key are one reflection.
using MatchKey = std::function<Triple(int h, int k, int l)>;

// Numbers for the keys of a run: a key has the same number in every file indexed with them,
// so that two files meet through an array instead of a hash table.
class KeyNumbers {
  public:
    // The key's number, a new one for a key not seen before.
    unsigned number_of(const Triple& key);
    // The key's number, or -1 for a key not seen.
    long find(const Triple& key) const;

  private:
    std::unordered_map<Triple, unsigned, TripleHash> numbers_;
};

// The records of one file with, for each key, where its records stand in the file.
class IndexedReflections {
  public:
    std::vector<Reflection> records;

    // Indexes `records` (after they are all read) by the key `key` gives, or by their own
    // indices when there is no key; the keys are numbered with `numbers` (files that will meet
    // share one), or with numbers of the file's own.
    void build_index(const MatchKey& key = nullptr, KeyNumbers* numbers = nullptr);
    // True when the index was built with a key.
    bool keyed() const { return keyed_; }
    // Positions of the records with the key of record r of `other`, in file order.
    std::pair<const unsigned*, const unsigned*> find_key_of(const IndexedReflections& other,
                                                            size_t r) const;
    // Whether r is the first record of its key in file order.
    bool first_of_key(size_t r) const { return positions_[groups_[group_of_[r]].first] == r; }
    // Records whose key an earlier record of the file has.
    size_t repeated() const { return records.size() - groups_.size(); }

  private:
    struct Group {
        Triple key;
        unsigned number;        // the key's number
        unsigned first, count;  // a run of `positions`
    };
    bool keyed_ = false;
    std::shared_ptr<KeyNumbers> own_;  // the numbers, when the file has its own
    const KeyNumbers* numbers_ = nullptr;
    std::vector<unsigned> positions_;  // grouped by key, file order within a group
    std::vector<Group> groups_;        // by key number
    std::vector<unsigned> group_of_;   // by record
    std::vector<unsigned> number_of_;  // by record: its key's number
    struct Run {
        unsigned first = 0, count = 0;  // a run of `positions`; count 0: a key the file lacks
    };
    std::vector<Run> run_by_number_;  // by key number
    std::pair<const unsigned*, const unsigned*> run_of(long number) const;
    std::pair<const unsigned*, const unsigned*> find(const Triple& key) const;
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
    KeyNumbers numbers_;
    std::map<std::string, Entry> files_;
};

}  // namespace ped::merge
