#include "corpus/folded_keys.h"

#include "corpus/text.h"

namespace zapt {

FoldedKeys::FoldedKeys() : table_(64) {}

std::pair<std::uint32_t, bool> FoldedKeys::add(std::string_view key) {
    fold_text_into(key, scratch_);
    return table_.add(scratch_, folded_hash(scratch_));
}

FoldedKeys FoldedKeys::read(const CompiledFile& file, const std::string& name) {
    FoldedKeys k;
    k.table_ = KeyTable<std::uint64_t>::read(file, name);
    return k;
}

long long FoldedKeys::find(std::string_view key) const {
    return table_.id_of(fold_text(key));
}

} // namespace zapt
