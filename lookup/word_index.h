// An index of the pieces of one joined text buffer, built once: for every
// piece (folded to small letters) the number of times it stands among the
// examined pieces 0 to last-1, and where each of them starts. A count through
// the index gives exactly what count_word gives on the buffer it was built
// from, in the time of one hash look-up.
#pragma once

#include "lookup/hash_slots.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

class WordIndex {
public:
    WordIndex() = default;
    // `buffer` must stay unchanged while the index is used; it may hold at most
    // 4,294,967,295 characters.
    explicit WordIndex(std::string_view buffer);

    // count_word(buffer, word).
    int count(std::string_view word) const;
    // word_total(buffer).
    int total() const { return total_; }
    // The start positions of the examined pieces equal to `word` without
    // regard to case, in text order.
    std::pair<const std::uint32_t*, const std::uint32_t*> positions(std::string_view word) const;
    // Number of distinct folded pieces.
    std::size_t size() const { return starts_.size(); }
    // The id (0 to size()-1) of an already folded word, or -1 when no piece equals it.
    long long id_of_folded(std::string_view folded) const;
    // Number of examined pieces with the id.
    int count_of(long long id) const {
        return id < 0 ? 0 : static_cast<int>(first_[id + 1] - first_[id]);
    }

private:
    // Slot of `folded` (a folded word) or of the empty slot where it would go.
    std::size_t find(std::string_view folded, std::uint64_t hash) const;
    // The same for a piece of the buffer as written (folded as it is compared).
    std::size_t find_unfolded(std::string_view piece, std::uint64_t hash) const;
    void grow();

    using Slot = HashSlot;
    static constexpr std::uint32_t kEmpty = HashSlot::kEmpty;

    std::string keys_;                  // the folded words, one after another
    std::vector<std::uint32_t> starts_; // per id: start of its key in keys_
    std::vector<std::uint32_t> lengths_;
    std::vector<Slot> slots_;          // open addressing, a power of two long
    std::vector<std::uint32_t> first_; // per id: first entry in positions_; one more at the end
    std::vector<std::uint32_t> positions_;
    int total_ = 0;
};

// The hash of a word as the index folds it.
std::uint64_t folded_hash(std::string_view folded);

// Whether the n bytes at a and b are equal: a plain loop, since the words
// compared are a few letters long and a library call would cost more.
inline bool same_bytes(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

} // namespace zapt
