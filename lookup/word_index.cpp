#include "lookup/word_index.h"

#include "corpus/big_buffer.h"
#include "corpus/text.h"

#include <algorithm>

namespace zapt {

std::uint64_t folded_hash(std::string_view folded) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (char c : folded) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    return h ^ (h >> 29);
}

std::size_t WordIndex::find(std::string_view folded, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (s.id == kEmpty) return i;
        if (s.hash == hash && lengths_[s.id] == folded.size() &&
            same_bytes(keys_.data() + starts_[s.id], folded.data(), folded.size())) {
            return i;
        }
    }
}

std::size_t WordIndex::find_unfolded(std::string_view piece, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (s.id == kEmpty) return i;
        if (s.hash == hash && lengths_[s.id] == piece.size()) {
            const char* key = keys_.data() + starts_[s.id];
            std::size_t k = 0;
            while (k < piece.size() && key[k] == fold_case(piece[k])) ++k;
            if (k == piece.size()) return i;
        }
    }
}

void WordIndex::grow() {
    grow_slots(slots_, 1024);
}

WordIndex::WordIndex(std::string_view buffer) {
    grow();
    // First pass: the id of every examined piece, and how often each id
    // stands. Each piece is folded and hashed as it is read.
    std::vector<std::uint32_t> ids;
    std::vector<std::uint32_t> counts;
    reserve_large(ids, static_cast<std::size_t>(std::count(buffer.begin(), buffer.end(), ' ')));
    std::string folded;
    // The pieces whose folded key is not as long as the piece (characters
    // beyond ASCII may fold to another length): their number and length.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> odd;
    const char* const s = buffer.data();
    const std::size_t n = buffer.size();
    std::size_t i = 0;
    for (;;) {
        std::size_t end = i;
        std::uint64_t h = 0xcbf29ce484222325ull;
        unsigned char high = 0;
        while (end < n && s[end] != ' ') {
            high |= static_cast<unsigned char>(s[end]);
            h = (h ^ static_cast<unsigned char>(fold_case(s[end]))) * 0x100000001b3ull;
            ++end;
        }
        if (end >= n) break; // the part after the last blank is not examined
        h ^= h >> 29;
        std::size_t slot;
        if (high & 0x80) {
            // Beyond ASCII: folded whole, then looked up as a folded key.
            fold_text_into(std::string_view(s + i, end - i), folded);
            h = folded_hash(folded);
            slot = find(folded, h);
            if (folded.size() != end - i)
                odd.emplace_back(static_cast<std::uint32_t>(ids.size()),
                                 static_cast<std::uint32_t>(end - i));
        } else {
            slot = find_unfolded(std::string_view(s + i, end - i), h);
            if (slots_[slot].id == kEmpty) {
                folded.resize(end - i);
                for (std::size_t k = i; k < end; ++k) folded[k - i] = fold_case(s[k]);
            }
        }
        if (slots_[slot].id == kEmpty) {
            const auto id = static_cast<std::uint32_t>(starts_.size());
            starts_.push_back(static_cast<std::uint32_t>(keys_.size()));
            lengths_.push_back(static_cast<std::uint32_t>(folded.size()));
            keys_ += folded;
            counts.push_back(0);
            slots_[slot] = {h, id};
            if (2 * starts_.size() > slots_.size()) grow();
            slot = find(folded, h);
        }
        const std::uint32_t id = slots_[slot].id;
        ++counts[id];
        ids.push_back(id);
        i = end + 1;
    }
    total_ = static_cast<int>(ids.size());

    // Second pass: the start of every piece, grouped by id in text order. A
    // piece is as long as its key, so each start follows from the one before.
    first_.resize(counts.size() + 1);
    std::uint32_t sum = 0;
    for (std::size_t id = 0; id < counts.size(); ++id) {
        first_[id] = sum;
        sum += counts[id];
    }
    first_[counts.size()] = sum;
    reserve_large(positions_, sum);
    positions_.resize(sum);
    std::vector<std::uint32_t> next(first_.begin(), first_.end() - 1);
    std::uint32_t start = 0;
    auto nextOdd = odd.begin();
    for (std::size_t k = 0; k < ids.size(); ++k) {
        const std::uint32_t id = ids[k];
        positions_[next[id]++] = start;
        if (nextOdd != odd.end() && nextOdd->first == k) {
            start += nextOdd->second + 1;
            ++nextOdd;
        } else {
            start += lengths_[id] + 1;
        }
    }
}

std::pair<const std::uint32_t*, const std::uint32_t*>
WordIndex::positions(std::string_view word) const {
    if (slots_.empty()) return {nullptr, nullptr};
    const std::string folded = fold_text(word);
    const Slot& s = slots_[find(folded, folded_hash(folded))];
    if (s.id == kEmpty) return {nullptr, nullptr};
    return {positions_.data() + first_[s.id], positions_.data() + first_[s.id + 1]};
}

long long WordIndex::id_of_folded(std::string_view folded) const {
    if (slots_.empty()) return -1;
    const Slot& s = slots_[find(folded, folded_hash(folded))];
    return s.id == kEmpty ? -1 : static_cast<long long>(s.id);
}

int WordIndex::count(std::string_view word) const {
    auto [b, e] = positions(word);
    return static_cast<int>(e - b);
}

} // namespace zapt
