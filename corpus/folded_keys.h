// Numbers for strings compared without regard to case: every distinct folded
// string gets the next number when it is first added. One open-addressing
// table over one buffer of keys, so that numbering a million names costs a
// look-up each and no string of its own.
#pragma once

#include "corpus/key_table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

class FoldedKeys {
public:
    FoldedKeys();

    // The number of `key` (folded here), and whether it was added now.
    std::pair<std::uint32_t, bool> add(std::string_view key);
    // The number of `key` (folded here), or -1 when it was never added.
    long long find(std::string_view key) const;
    std::size_t size() const { return table_.size(); }

    // As sections of a compiled file, and read back (viewed) from one.
    void write(CompiledWriter& out, const std::string& name) const { table_.write(out, name); }
    static FoldedKeys read(const CompiledFile& file, const std::string& name);

private:
    KeyTable<std::uint64_t> table_;
    std::string scratch_;
};

} // namespace zapt
