// The groups of the comparisons and the word counts they are read from.
//
// A group is the one the group query builds: the authors of one gender and
// one age band who have texts, in register order, each with the texts tied to
// the author's code through the author's name. A group's text is the group
// text of the main window: the authors' stored rows joined, each followed by
// a blank, with the marks . , ; : ? ! ( ) - turned into blanks and blank runs
// reduced. Every row ends with a blank, so no word of the group text spans
// two authors, and a group's count of a word is the sum of its authors'
// counts: the index holds each author's words once and every comparison reads
// them without passing over the texts again.
#pragma once

#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "selection/age_band.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zapt {

// One group of a comparison: an age band and a gender, or the whole corpus.
struct GroupKey {
    bool all = false; // the whole corpus (its cleaned corpus text)
    AgeBand band = AgeBand::Under18;
    Gender gender = Gender::Female;

    friend bool operator==(const GroupKey&, const GroupKey&) = default;
};

// The eleven groups in the order of every comparison table: the bands from
// the youngest, women before men within a band, then the whole corpus.
std::vector<GroupKey> comparison_groups();

// The band as its option button reads ("<18", "18 to 25", ... "61+"); "all".
std::string band_label(const GroupKey& g);
// The register letter ("F", "M"); "all".
std::string gender_label(const GroupKey& g);
// "26 to 40 F"; "all".
std::string group_label(const GroupKey& g);

// Every author's words, counted once.
class GroupIndex {
public:
    GroupIndex(const CorpusStore& store, const AuthorRegister& reg);

    // One author of a group: the code as the yellow list shows it and the
    // author's words (`part`, for count()).
    struct Member {
        std::string code;
        std::size_t part;
    };

    // The authors of a group in the order of the yellow list; for the whole
    // corpus, every register author with texts.
    const std::vector<Member>& members(const GroupKey& g) const;
    // The word total of the group text; for the whole corpus, of the cleaned
    // corpus text.
    int words(const GroupKey& g) const;
    // Count of a word in a group's text (the whole corpus: the cleaned corpus
    // text), by the counting rule.
    int count(const GroupKey& g, std::string_view word) const;
    // Count of a word in one member's part of that group's text (for the
    // whole corpus, in the author's texts as the cleaned corpus text holds them).
    int member_count(const GroupKey& g, const Member& m, std::string_view word) const;

    // The same for a word already folded by folded_word(): a comparison folds
    // each form once and reads every author with it.
    static std::string folded_word(std::string_view word);
    int count_folded(const GroupKey& g, const std::string& folded) const;
    int member_count_folded(const GroupKey& g, const Member& m, const std::string& folded) const;

private:
    // One author's words under one cleaning: folded word -> count.
    using Counts = std::unordered_map<std::string, int>;
    struct Part {
        Counts group;  // cleaned as the group text
        Counts corpus; // cleaned as the cleaned corpus text
    };
    static int lookup(const Counts& counts, const std::string& folded);
    std::size_t group_slot(const GroupKey& g) const;

    std::vector<Part> parts_;
    std::vector<std::vector<Member>> members_; // per slot; the last slot is the corpus
    std::vector<int> words_;
    Counts corpus_; // the whole cleaned corpus text
};

} // namespace zapt
