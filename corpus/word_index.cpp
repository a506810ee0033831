#include "corpus/word_index.h"
#include "corpus/buckets.h"

#include "corpus/big_buffer.h"
#include "corpus/text.h"

#include <algorithm>

namespace zapt {
namespace {

constexpr std::uint32_t kEmpty = KeyTable<std::uint32_t>::kEmpty;

} // namespace

WordIndex::WordIndex(std::string_view buffer) : keys_(1024) {
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
            slot = keys_.find(folded, h);
            if (folded.size() != end - i)
                odd.emplace_back(static_cast<std::uint32_t>(ids.size()),
                                 static_cast<std::uint32_t>(end - i));
        } else {
            // Compared as folded, byte by byte, without folding the piece first.
            const char* const piece = s + i;
            slot = keys_.probe(h, end - i, [&](const char* key) {
                std::size_t k = 0;
                while (k < end - i && key[k] == fold_case(piece[k])) ++k;
                return k == end - i;
            });
            if (keys_.id_at(slot) == kEmpty) {
                folded.resize(end - i);
                for (std::size_t k = i; k < end; ++k) folded[k - i] = fold_case(s[k]);
            }
        }
        std::uint32_t id = keys_.id_at(slot);
        if (id == kEmpty) {
            id = keys_.add_at(slot, folded, h);
            counts.push_back(0);
        }
        ++counts[id];
        ids.push_back(id);
        i = end + 1;
    }
    total_ = static_cast<int>(ids.size());

    // Second pass: the start of every piece, grouped by id in text order. A
    // piece is as long as its key, so each start follows from the one before.
    std::vector<std::uint32_t> first = bucket_starts(counts);
    std::vector<std::uint32_t> positions;
    reserve_large(positions, first.back());
    positions.resize(first.back());
    BucketPlaces next(first);
    std::uint32_t start = 0;
    auto nextOdd = odd.begin();
    for (std::size_t k = 0; k < ids.size(); ++k) {
        const std::uint32_t id = ids[k];
        positions[next(id)] = start;
        if (nextOdd != odd.end() && nextOdd->first == k) {
            start += nextOdd->second + 1;
            ++nextOdd;
        } else {
            start += static_cast<std::uint32_t>(keys_.length(id)) + 1;
        }
    }
    first_ = std::move(first);
    positions_ = std::move(positions);
}

void WordIndex::write(CompiledWriter& out, const std::string& name) const {
    keys_.write(out, name + ".keys");
    out.add(name + ".first", first_);
    out.add(name + ".positions", positions_);
    out.add_value(name + ".total", static_cast<std::int64_t>(total_));
}

WordIndex WordIndex::read(const CompiledFile& file, const std::string& name) {
    WordIndex w;
    w.keys_ = KeyTable<std::uint32_t>::read(file, name + ".keys");
    w.first_ = file.column<std::uint32_t>(name + ".first", w.keys_.size() + 1);
    w.positions_ = file.column<std::uint32_t>(name + ".positions", w.first_.back());
    const std::int64_t total = file.value<std::int64_t>(name + ".total");
    if (total < 0 || static_cast<std::uint64_t>(total) != w.positions_.size())
        throw CompiledError("the word index " + name + " does not fit together");
    w.total_ = static_cast<int>(total);
    return w;
}

std::pair<const std::uint32_t*, const std::uint32_t*>
WordIndex::positions(std::string_view word) const {
    const long long id = keys_.id_of(fold_text(word));
    if (id < 0) return {nullptr, nullptr};
    return {positions_.data() + first_[id], positions_.data() + first_[id + 1]};
}

long long WordIndex::id_of_folded(std::string_view folded) const {
    return keys_.id_of(folded);
}

int WordIndex::count(std::string_view word) const {
    auto [b, e] = positions(word);
    return static_cast<int>(e - b);
}

} // namespace zapt
