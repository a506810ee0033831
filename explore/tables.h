// The exploring tools' results as result tables: the rows the window shows,
// copies and exports, and zapt-report prints. Statistics are written in full
// precision (the shortest decimal that reads back as the same double).
#pragma once

#include "explore/concordance.h"
#include "explore/word_list.h"
#include "results/result_table.h"
#include "selection/subcorpus.h"

#include <optional>
#include <string>
#include <vector>

namespace zapt {

// The shortest round-trip decimal of a double; empty for nothing.
std::string full_precision(std::optional<double> value);

ResultTable word_list_table(const WordList& list, const std::string& scope,
                            const WordListOptions& options);

ResultTable keywords_table(const FormIndex& index, const Keywords& k, const std::string& nameA,
                           const std::string& nameB);

// The lines of `c` in their order; at most `limit` of them (the first ones):
// code, then one column per field of `fields` (named after it: band, gender,
// a metadata column) with the author's value, then left, hit, right.
ResultTable concordance_table(const FormIndex& index, const Concordance& c,
                              const std::string& query, int context, ConcordanceSort sort,
                              std::size_t limit = static_cast<std::size_t>(-1),
                              const LineFields& fields = {});

// The hits of `c` per group of `fields`: one column per field, then lines
// (shown), hits (all) and authors (with a hit).
ResultTable concordance_tally_table(const Concordance& c, const LineFields& fields,
                                    const std::string& query);

// One row per author (register rows `rows`) and form: the code, every field of
// the register but the name, the metadata columns, then the form, its count in
// the author's texts, the author's words, and the form's share of the
// author's count of all the forms (empty when the author uses none of them).
// When `texts` is not empty (one per text of the index), only the author's
// texts marked in it count, for the count and for the words.
ResultTable authors_table(const FormIndex& index, const AuthorFields& fields,
                          const std::vector<std::size_t>& rows,
                          const std::vector<std::string>& forms, const std::string& title,
                          const std::vector<char>& texts = {});

// "1,234": a count for a status line.
std::string count_caption(std::uint64_t n, const std::string& one, const std::string& many);

} // namespace zapt
