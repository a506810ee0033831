// The program's one table of folded words: every distinct key gets the next
// number when it is first added, the keys stand one after another in one
// buffer, and an open-addressing table of (hash, number) slots finds them. The
// slot table is a power of two long, at most half full, and probes linearly.
// The word index of a text buffer and the numbering of names and codes both
// use it; they differ only in how they fold and compare a key. A table is
// built in memory or read from a compiled file, whose arrays it then views.
#pragma once

#include "corpus/compiled_file.h"

#include <cstddef>
#include <cstdint>
#include <memory>
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
    explicit KeyTable(std::size_t firstSlots) {
        slots_.assign(firstSlots, Slot{});
        point();
    }
    KeyTable(const KeyTable& o)
        : keys_(o.keys_), starts_(o.starts_), lengths_(o.lengths_), slots_(o.slots_),
          keep_(o.keep_) {
        take_view(o);
    }
    KeyTable(KeyTable&& o) noexcept
        : keys_(std::move(o.keys_)), starts_(std::move(o.starts_)), lengths_(std::move(o.lengths_)),
          slots_(std::move(o.slots_)), keep_(std::move(o.keep_)) {
        take_view(o);
        o = KeyTable();
    }
    KeyTable& operator=(const KeyTable& o) {
        if (this != &o) *this = KeyTable(o);
        return *this;
    }
    KeyTable& operator=(KeyTable&& o) noexcept {
        keys_ = std::move(o.keys_);
        starts_ = std::move(o.starts_);
        lengths_ = std::move(o.lengths_);
        slots_ = std::move(o.slots_);
        keep_ = std::move(o.keep_);
        take_view(o);
        if (&o != this) {
            o.keys_.clear();
            o.starts_.clear();
            o.lengths_.clear();
            o.slots_.clear();
            o.keep_.reset();
            o.point();
        }
        return *this;
    }
    ~KeyTable() = default;

    std::size_t size() const { return count_; }
    std::string_view key(std::uint32_t id) const {
        return std::string_view(keyData_ + startData_[id], lengthData_[id]);
    }
    std::size_t length(std::uint32_t id) const { return lengthData_[id]; }

    // The slot of the key of hash `hash` and `length` bytes for which
    // `equals(first byte of the stored key)` holds, or the empty slot where
    // such a key would go. The table must have slots.
    template <class Equals>
    std::size_t probe(std::uint64_t hash, std::size_t length, Equals equals) const {
        const std::size_t mask = slotCount_ - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& s = slotData_[i];
            if (s.id == kEmpty) return i;
            if (s.hash == hash && lengthData_[s.id] == length &&
                equals(keyData_ + startData_[s.id]))
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
    std::uint32_t id_at(std::size_t slot) const { return slotData_[slot].id; }
    // The number of a folded key, or -1 when it was never added.
    long long id_of(std::string_view folded, std::uint64_t hash) const {
        if (slotCount_ == 0) return -1;
        const std::uint32_t id = slotData_[find(folded, hash)].id;
        return id == kEmpty ? -1 : static_cast<long long>(id);
    }
    long long id_of(std::string_view folded) const { return id_of(folded, folded_hash(folded)); }

    // Adds a folded key into the empty slot that probing for it returned, and
    // gives its number. The slots may move: probe again before using a slot.
    // Only a table built in memory takes keys.
    std::uint32_t add_at(std::size_t slot, std::string_view folded, std::uint64_t hash) {
        const auto id = static_cast<std::uint32_t>(starts_.size());
        starts_.push_back(static_cast<Offset>(keys_.size()));
        lengths_.push_back(static_cast<std::uint32_t>(folded.size()));
        keys_ += folded;
        slots_[slot] = {hash, id, 0};
        if (2 * starts_.size() > slots_.size()) grow();
        point();
        return id;
    }
    // The number of a folded key, and whether it was added now.
    std::pair<std::uint32_t, bool> add(std::string_view folded, std::uint64_t hash) {
        const std::size_t slot = find(folded, hash);
        if (slotData_[slot].id != kEmpty) return {slotData_[slot].id, false};
        return {add_at(slot, folded, hash), true};
    }

    // Its arrays as sections of a compiled file, named `name` and a suffix.
    void write(CompiledWriter& out, const std::string& name) const {
        out.add(name + ".keys", keyData_, keyBytes_);
        out.add(name + ".starts", std::span<const Offset>(startData_, count_));
        out.add(name + ".lengths", std::span<const std::uint32_t>(lengthData_, count_));
        out.add(name + ".slots", std::span<const Slot>(slotData_, slotCount_));
    }
    // The table written by write(), viewed in `file`. A CompiledError when
    // its arrays do not fit together.
    static KeyTable read(const CompiledFile& file, const std::string& name) {
        KeyTable t;
        const std::string_view keys = file.chars(name + ".keys");
        const std::span<const Offset> starts = file.array<Offset>(name + ".starts");
        const std::span<const std::uint32_t> lengths =
            file.array<std::uint32_t>(name + ".lengths", starts.size());
        const std::span<const Slot> table = file.array<Slot>(name + ".slots");
        if ((table.size() & (table.size() - 1)) != 0 || 2 * starts.size() > table.size() ||
            (!starts.empty() && starts.back() + lengths.back() > keys.size()))
            throw CompiledError("the table " + name + " does not fit together");
        t.keyData_ = keys.data();
        t.keyBytes_ = keys.size();
        t.startData_ = starts.data();
        t.lengthData_ = lengths.data();
        t.count_ = starts.size();
        t.slotData_ = table.data();
        t.slotCount_ = table.size();
        t.keep_ = file.keep();
        return t;
    }

private:
    // Written to compiled files as it stands in memory (with zeroed padding).
    struct Slot {
        std::uint64_t hash = 0;
        std::uint32_t id = kEmpty;
        std::uint32_t unused = 0;
    };
    static_assert(sizeof(Slot) == 16);

    // Points the arrays read at those built in memory.
    void point() {
        keyData_ = keys_.data();
        keyBytes_ = keys_.size();
        startData_ = starts_.data();
        lengthData_ = lengths_.data();
        count_ = starts_.size();
        slotData_ = slots_.data();
        slotCount_ = slots_.size();
    }
    void take_view(const KeyTable& o) {
        if (!keep_) return point();
        keyData_ = o.keyData_;
        keyBytes_ = o.keyBytes_;
        startData_ = o.startData_;
        lengthData_ = o.lengthData_;
        count_ = o.count_;
        slotData_ = o.slotData_;
        slotCount_ = o.slotCount_;
    }

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

    // Built in memory:
    std::string keys_;           // the keys, one after another
    std::vector<Offset> starts_; // per number: where its key starts in keys_
    std::vector<std::uint32_t> lengths_;
    std::vector<Slot> slots_;
    // What is read: the arrays above, or those of a compiled file.
    const char* keyData_ = nullptr;
    std::size_t keyBytes_ = 0;
    const Offset* startData_ = nullptr;
    const std::uint32_t* lengthData_ = nullptr;
    std::size_t count_ = 0;
    const Slot* slotData_ = nullptr;
    std::size_t slotCount_ = 0;
    std::shared_ptr<const void> keep_; // the compiled file viewed, or nothing
};

} // namespace zapt
