// An index of the pieces of one joined text buffer, built once: for every
// piece (folded to small letters) the number of times it stands among the
// examined pieces 0 to last-1, and where each of them starts. A count through
// the index gives exactly what count_word gives on the buffer it was built
// from, in the time of one hash look-up.
#pragma once

#include "corpus/column.h"
#include "corpus/key_table.h"

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
    std::size_t size() const { return keys_.size(); }
    // The id (0 to size()-1) of an already folded word, or -1 when no piece equals it.
    long long id_of_folded(std::string_view folded) const;
    // Number of examined pieces with the id.
    int count_of(long long id) const {
        return id < 0 ? 0 : static_cast<int>(first_[id + 1] - first_[id]);
    }

    // As sections of a compiled file, and read back (viewed) from one: the
    // buffer it was built from must then be the one `file` holds.
    void write(CompiledWriter& out, const std::string& name) const;
    static WordIndex read(const CompiledFile& file, const std::string& name);

private:
    KeyTable<std::uint32_t> keys_; // the folded words; their numbers are the ids
    Column<std::uint32_t> first_;  // per id: first entry in positions_; one more at the end
    Column<std::uint32_t> positions_;
    int total_ = 0;
};

} // namespace zapt
