// The options of the merge tool: each declared once in one table (its value, its member of
// MergeOptions, its --help lines in English and French), and checked in one place: the kinds
// of value when the command line is read, what the values mean and how they go together here.
#pragma once

#include "common/options.hpp"
#include "merge/pipeline/merge_options.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

const OptionTable<MergeOptions>& merge_option_table();

// What the values mean, before anything is asked or written: a symbol that names no group, a
// cell that does not read or --cell with --cell-file, a cell file that cannot be read or holds
// no good cell, and a composition that does not read are fatal. --shells without --stats and
// a cell that neither the statistics nor the exported files use are said to be unused.
MergeOptions checked_options(const Session& s, MergeOptions given);

// --kv and --composition given without a file that uses them, said to be unused (the run says
// it once its parameters are taken).
void say_unused_export_options(const Session& s, const MergeOptions& o);

}  // namespace ped::merge
