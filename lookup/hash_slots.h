// The slots of the program's open-addressing tables of folded words: each
// slot holds a word's hash and its number, or is empty. A table is a power of
// two long and probes linearly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zapt {

struct HashSlot {
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
    std::uint64_t hash = 0;
    std::uint32_t id = kEmpty;
};

// Doubles the table (or makes it `first` long when empty) and puts every
// filled slot back where its hash now leads.
inline void grow_slots(std::vector<HashSlot>& table, std::size_t first) {
    std::vector<HashSlot> old = std::move(table);
    table.assign(old.empty() ? first : old.size() * 2, HashSlot{});
    const std::size_t mask = table.size() - 1;
    for (const HashSlot& s : old) {
        if (s.id == HashSlot::kEmpty) continue;
        std::size_t i = s.hash & mask;
        while (table[i].id != HashSlot::kEmpty) i = (i + 1) & mask;
        table[i] = s;
    }
}

} // namespace zapt
