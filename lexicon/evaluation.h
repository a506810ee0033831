// How well the proposals find the interpretations of a glossary written by
// hand: for each glossary row, whether the first candidate, or one of the
// first five, is one of the row's interpretations.
#pragma once

#include "corpus/data_files.h"
#include "lexicon/proposal.h"

#include <string>
#include <vector>

namespace zapt {

// The alternatives of a glossary interpretation, each folded, with
// typographic apostrophes and quotes made plain and remarks dropped:
// "for, four" -> {"for", "four"}; "honest (typo)" -> {"honest"};
// "ends, i.e. neighbourhood" -> {"ends", "neighbourhood"}.
std::vector<std::string> interpretation_alternatives(const std::string& interpretation);

struct EvaluationRow {
    std::string form, interpretation;
    Proposal proposal;
    int rank = 0; // 1-based place of the first right candidate; 0: none
};

struct Evaluation {
    std::vector<EvaluationRow> rows; // the glossary's rows with an interpretation
    std::size_t glossaryRows = 0;    // every row, with an interpretation or not
    std::size_t first = 0, firstFive = 0;
    // The same over the rows proposed as variants with count >= 2 outside the
    // dictionary (the rows the lexicon lists as variants).
    std::size_t listed = 0, listedFirst = 0, listedFirstFive = 0;
    std::size_t variants = 0; // rows proposed as variants
};

// Proposes each glossary form (whatever its count and the dictionary) and
// compares the candidates with the row's interpretation.
Evaluation evaluate_proposals(Proposer& proposer, const GlossaryData& glossary,
                              const ProposalSettings& settings = {});

} // namespace zapt
