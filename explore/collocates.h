// The collocates of a form within a subcorpus, counted over the form index:
// the exploring tools' pieces (emoticons pieces of their own), the texts of
// the subcorpus only (its authors' texts, those meeting its text conditions
// when it has any), and pairs inside one text. The measures are
// the collocation tables' (variation/collocation_table.h) with N the words of
// the subcorpus's texts and F the frequencies in them.
#pragma once

#include "explore/word_list.h"
#include "results/result_table.h"
#include "variation/collocation_table.h"

#include <string>
#include <string_view>

namespace zapt {

// The collocates of `form` (folded as every piece is) within `scope`: for
// each of its occurrences in the scope's texts, the words up to `span` places
// either side within the same text. `settings.withinText` is always true
// (the texts of a subcorpus are no running text); span and minimum frequency
// are held to their ranges. The table has no occurrence rows.
CollocationTable scope_collocates(const FormIndex& index, const Scope& scope, std::string_view form,
                                  CollocationSettings settings);

// word, left, right, corpus_frequency, mi, log_dice, ll, t_score, as the
// collocates of the whole corpus are written, with the settings naming the
// subcorpus, its words and the pieces, and `texts`, the texts chosen (see
// chosen_texts), when not empty.
ResultTable scope_collocates_table(const FormIndex& index, const CollocationTable& t,
                                   const std::string& scope, const std::string& texts = {});

} // namespace zapt
