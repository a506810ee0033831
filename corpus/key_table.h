// The program's one table of folded words: every distinct key gets the next
// number when it is first added, the keys stand one after another in one
// buffer, and an open-addressing table of (hash, number) slots finds them. The
// slot table is a power of two long, at most half full, and probes linearly.
// The word index of a text buffer and the numbering of names and codes both
// use it; they differ only in how they fold and compare a key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zapt {

// The hash of a word as the tables fold it (FNV-1a over the folded bytes,
// with the high bits mixed into the low ones the slots are chosen by).
inline std::uint64_t folded_hash(std::string_view folded) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (char c : folded) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    return h ^ (h >> 29);
}

// Whether the n bytes at a and b are equal: a plain loop, since the words
// compared are a few letters long and a library call would cost more.
inline bool same_bytes(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

// `Offset` is the type of a key's start in the buffer: 32 bits where the
// buffer is known to be smaller than 4 GB.
template <class Offset> class KeyTable {
public:
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;

    // An empty table without slots: it finds nothing and takes no key.
    KeyTable() = default;
    // An empty table of `firstSlots` slots (a power of two).
    explicit KeyTable(std::size_t firstSlots) { slots_.assign(firstSlots, Slot{}); }

    std::size_t size() const { return starts_.size(); }
    std::string_view key(std::uint32_t id) const {
        return std::string_view(keys_.data() + starts_[id], lengths_[id]);
    }
    std::size_t length(std::uint32_t id) const { return lengths_[id]; }

    // The slot of the key of hash `hash` and `length` bytes for which
    // `equals(first byte of the stored key)` holds, or the empty slot where
    // such a key would go. The table must have slots.
    template <class Equals>
    std::size_t probe(std::uint64_t hash, std::size_t length, Equals equals) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& s = slots_[i];
            if (s.id == kEmpty) return i;
            if (s.hash == hash && lengths_[s.id] == length && equals(keys_.data() + starts_[s.id]))
                return i;
        }
    }
    // The slot of an already folded key, or the empty slot where it would go.
    std::size_t find(std::string_view folded, std::uint64_t hash) const {
        return probe(hash, folded.size(), [&](const char* key) {
            return same_bytes(key, folded.data(), folded.size());
        });
    }
    // The number in a slot; kEmpty for an empty slot.
    std::uint32_t id_at(std::size_t slot) const { return slots_[slot].id; }
    // The number of a folded key, or -1 when it was never added.
    long long id_of(std::string_view folded, std::uint64_t hash) const {
        if (slots_.empty()) return -1;
        const std::uint32_t id = slots_[find(folded, hash)].id;
        return id == kEmpty ? -1 : static_cast<long long>(id);
    }
    long long id_of(std::string_view folded) const { return id_of(folded, folded_hash(folded)); }

    // Adds a folded key into the empty slot that probing for it returned, and
    // gives its number. The slots may move: probe again before using a slot.
    std::uint32_t add_at(std::size_t slot, std::string_view folded, std::uint64_t hash) {
        const auto id = static_cast<std::uint32_t>(starts_.size());
        starts_.push_back(static_cast<Offset>(keys_.size()));
        lengths_.push_back(static_cast<std::uint32_t>(folded.size()));
        keys_ += folded;
        slots_[slot] = {hash, id};
        if (2 * starts_.size() > slots_.size()) grow();
        return id;
    }
    // The number of a folded key, and whether it was added now.
    std::pair<std::uint32_t, bool> add(std::string_view folded, std::uint64_t hash) {
        const std::size_t slot = find(folded, hash);
        if (slots_[slot].id != kEmpty) return {slots_[slot].id, false};
        return {add_at(slot, folded, hash), true};
    }

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::uint32_t id = kEmpty;
    };

    // Doubles the slots and puts every filled one back where its hash now leads.
    void grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.size() * 2, Slot{});
        const std::size_t mask = slots_.size() - 1;
        for (const Slot& s : old) {
            if (s.id == kEmpty) continue;
            std::size_t i = s.hash & mask;
            while (slots_[i].id != kEmpty) i = (i + 1) & mask;
            slots_[i] = s;
        }
    }

    std::string keys_;           // the keys, one after another
    std::vector<Offset> starts_; // per number: where its key starts in keys_
    std::vector<std::uint32_t> lengths_;
    std::vector<Slot> slots_;
};

} // namespace zapt
