// Collocations: the immediate neighbours of every occurrence of a word in the
// cleaned corpus text.
#pragma once

#include "corpus/word_index.h"

#include <string>
#include <string_view>

namespace zapt {

// For every examined piece (0 to last-1) equal to `word` without regard to
// case, in text order: the piece before it and the piece after it, each
// followed by a blank. A match on the first piece has an empty word before it,
// so the before/after pairs stay aligned.
std::string collocations(std::string_view cleaned_text, std::string_view word);

// The same through an index of `cleaned_text`: only the matching pieces are visited.
std::string collocations(std::string_view cleaned_text, const WordIndex& index,
                         std::string_view word);

} // namespace zapt
