// Literal baselines: the straightforward way of doing each computation, one
// full-text pass per step, as the program's rules read word for word. They
// exist only to be timed beside the real code and to check it: each returns
// the same result as the corresponding core routine.
#pragma once

#include "analysis/glossary.h"
#include "corpus/corpus_store.h"
#include "corpus/data_files.h"
#include "selection/age_band.h"

#include <string>
#include <string_view>
#include <vector>

namespace zapt::literal {

// A full-text replace: a new string in which every occurrence of `from`,
// found left to right without overlap, is replaced by `to`.
std::string replace_all(std::string_view text, std::string_view from, std::string_view to);

// `passes` full-text replaces of every pair of blanks by one blank.
std::string halve_blanks(std::string text, int passes);

// The word count: the buffer split into a list of pieces, every piece but the
// last compared with the word.
int count_word(std::string_view buffer, std::string_view word);

// The corpus store: every text plus one blank accumulated, 51 pairwise blank
// passes; then a copy with the 13 marks replaced one mark at a time (13 passes),
// the CR/LF pair replaced, and 50 pairwise blank passes. The per-author counts
// compare every register name with every per-text name.
CorpusStore build_corpus_store(const std::vector<CorpusRow>& corpus,
                               const std::vector<RegisterRow>& authors);

// The author selection for the author whose register code is `code`.
struct AuthorSelection {
    std::string name; // the register name the code maps to
    std::vector<std::string> lstTextsFound;
    std::string txtIndividualsTexts;  // re-cleaned as a whole after every text
    std::string txtIndividualsTexts2; // the separated text
};
AuthorSelection select_author(const CorpusStore& store, std::string_view code);

// The non-standard forms of a joined text: split at blanks, every piece but
// the last compared with every glossary form, the uses inserted one by one
// into a sorted list.
std::vector<std::string> non_standard_uses(std::string_view joined,
                                           const std::vector<std::string>& forms);

// Get Author Data for the selected texts: the joined texts, the figures (each
// mark counted by a pass of its own) and the non-standard forms with their density.
struct AuthorData {
    std::string txtTexts;
    std::string lblTotWords = "0";
    std::string lblPuncDensity = "0";
    std::string lblAvWordClusterLength = "0";
    std::string lblTextTotal = "0";
    std::string lblAvTextLength = "0";
    std::string lblNumOfCharacters = "0";
    std::vector<std::string> lstNonStandards;
    std::string lblNonStandardFormDensity = "0";
};
AuthorData author_data(const std::vector<std::string>& texts_found,
                       const std::vector<std::string>& forms);

// The cluster list of a separated text, scanning it one character at a time.
std::vector<std::string> cluster_list(std::string_view separated_text);

// The group query with its averages: every author of the group selected and
// analysed in turn, then the group text built by appending each row and
// re-cleaning the whole buffer (9 mark passes, 20 pairwise blank passes).
struct GroupResult {
    std::vector<std::string> AgeTable;
    std::string NumOfGroupTexts = "0";
    std::string GroupAvTextLength = "0";
    std::string GroupAvNumOfCharacters = "0";
    std::string GroupAvWordClusterLength = "0";
    std::string GroupAvPuncDensity = "0";
    std::string GroupNonStandardFormsDensity = "0";
    std::vector<std::string> lstGroupTexts;
    std::string Text1;
    std::string Text2;
};
GroupResult group_query(const CorpusStore& store, const std::vector<RegisterRow>& authors,
                        const std::vector<std::string>& forms, AgeBand band, Gender gender);

} // namespace zapt::literal
