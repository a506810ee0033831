#include "lookup/folded_keys.h"

#include "corpus/text.h"
#include "lookup/word_index.h"

namespace zapt {

FoldedKeys::FoldedKeys() {
    grow();
}

std::size_t FoldedKeys::slot(std::string_view folded, std::uint64_t hash) const {
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

void FoldedKeys::grow() {
    grow_slots(slots_, 64);
}

std::pair<std::uint32_t, bool> FoldedKeys::add(std::string_view key) {
    fold_text_into(key, scratch_);
    const std::uint64_t h = folded_hash(scratch_);
    std::size_t i = slot(scratch_, h);
    if (slots_[i].id != kEmpty) return {slots_[i].id, false};
    const auto id = static_cast<std::uint32_t>(starts_.size());
    starts_.push_back(keys_.size());
    lengths_.push_back(static_cast<std::uint32_t>(scratch_.size()));
    keys_ += scratch_;
    slots_[i] = {h, id};
    if (2 * starts_.size() > slots_.size()) grow();
    return {id, true};
}

long long FoldedKeys::find(std::string_view key) const {
    const std::string folded = fold_text(key);
    const Slot& s = slots_[slot(folded, folded_hash(folded))];
    return s.id == kEmpty ? -1 : static_cast<long long>(s.id);
}

} // namespace zapt
