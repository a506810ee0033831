// Numbers for strings compared without regard to case: every distinct folded
// string gets the next number when it is first added. One open-addressing
// table over one buffer of keys, so that numbering a million names costs a
// look-up each and no string of its own.
#pragma once

#include "lookup/hash_slots.h"

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
    std::size_t size() const { return starts_.size(); }

private:
    using Slot = HashSlot;
    static constexpr std::uint32_t kEmpty = HashSlot::kEmpty;

    // The slot of a folded key, or the empty slot where it would go.
    std::size_t slot(std::string_view folded, std::uint64_t hash) const;
    void grow();

    std::string keys_;                  // the folded keys, one after another
    std::vector<std::uint64_t> starts_; // per number: where its key starts in keys_
    std::vector<std::uint32_t> lengths_;
    std::vector<Slot> slots_; // a power of two long, at most half full
    std::string scratch_;
};

} // namespace zapt
