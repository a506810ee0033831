// The groups of the comparisons and the word counts they are read from.
//
// A group is the one the group query builds: the authors of one gender and
// one age band who have texts, in register order, each with the texts tied to
// the author's code through the author's name. A group's text is the group
// text of the main window: the authors' stored rows joined, each followed by
// a blank, with the marks . , ; : ? ! ( ) - turned into blanks and blank runs
// reduced. Every row ends with a blank, so no word of the group text spans
// two authors, and a group's count of a word is the sum of its authors'
// counts.
//
// The counts come from the store's index of the cleaned corpus text: the
// cleaned corpus text turns more marks into blanks than the group text, but a
// text holding none of those extra marks has the same words under both, so
// only the few texts that hold one are indexed again here, as the group text
// cleans them. A word's places in the two indexes give its count in every
// author's texts without passing over the texts again.
#pragma once

#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "corpus/word_index.h"
#include "selection/age_band.h"
#include "selection/subcorpus.h"
#include "variation/grouping.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// One group of a comparison: an age band and a gender, or the whole corpus;
// for another grouping, its place among the index's groups.
struct GroupKey {
    bool all = false; // the whole corpus (its cleaned corpus text)
    AgeBand band = AgeBand::Under18;
    Gender gender = Gender::Female;
    int slot = -1; // a group of another grouping than the query's: its number

    friend bool operator==(const GroupKey&, const GroupKey&) = default;
};

// The groups in the order of every comparison table: the bands from the
// youngest, women before men within a band, then the whole corpus (eleven
// for the built-in bands).
std::vector<GroupKey> comparison_groups(const AgeBands& bands);

// The band as its option button reads ("<18", "18 to 25", ... "61+"); "all".
std::string band_label(const AgeBands& bands, const GroupKey& g);
// The register letter ("F", "M"); "all".
std::string gender_label(const GroupKey& g);
// "26 to 40 F"; "all".
std::string group_label(const AgeBands& bands, const GroupKey& g);

// Every author's words, counted through the store's index. The store must
// outlive the index and stay unchanged.
//
// An index may hold the authors of a subcorpus only (`within`, per register
// row): its groups then hold only those, and its whole-corpus row is theirs
// too, their texts as the group text cleans them.
class GroupIndex {
public:
    // The group query's groups, of the bands `bands`.
    GroupIndex(const CorpusStore& store, const AuthorRegister& reg, const AgeBands& bands,
               const std::vector<char>* within = nullptr);
    // The groups of `by` over the fields of `fields` (whose register is the
    // store's authors'); the fields must outlive the constructor only.
    GroupIndex(const CorpusStore& store, const AuthorFields& fields, const GroupBy& by,
               const std::vector<char>* within = nullptr);

    // The groups in the order of every comparison table, then the whole corpus.
    std::vector<GroupKey> groups() const;
    const GroupBy& groupBy() const { return by_; }
    // The age bands of the groups.
    const AgeBands& bands() const { return bands_; }
    // The values naming a group, one per column of groupBy(); "all" in each
    // for the whole corpus.
    std::vector<std::string> labels(const GroupKey& g) const;
    // Authors with texts (in the subcorpus) whose value is missing for a field.
    int leftOut() const { return leftOut_; }
    // Whether the whole-corpus row is the cleaned corpus text (no subcorpus).
    bool allIsCorpus() const { return allIsCorpus_; }
    // Whether the index holds a subcorpus's authors only.
    bool restricted() const { return !allIsCorpus_; }
    // The register rows whose texts each member of a group stands for, in
    // the order of members().
    const std::vector<std::size_t>& memberRows(const GroupKey& g) const {
        return memberRows_[group_slot(g)];
    }

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

    // The parts whose texts hold a folded word, in ascending part order, with
    // the word's count under each cleaning (one of them may be 0).
    struct PartCount {
        std::size_t part;
        int group;  // as the group text cleans the part's texts
        int corpus; // as the cleaned corpus text holds them
    };
    std::vector<PartCount> part_counts(const std::string& folded) const;
    // Where a part stands among the members of the groups: (group slot,
    // member number) pairs; the last slot is the whole corpus. slot_of()
    // gives the slot of a group.
    struct Place {
        std::uint32_t slot;
        std::uint32_t member;
    };
    const Place* places_begin(std::size_t part) const { return places_.data() + placesFrom_[part]; }
    const Place* places_end(std::size_t part) const {
        return places_.data() + placesFrom_[part + 1];
    }
    std::size_t slot_of(const GroupKey& g) const { return group_slot(g); }
    std::size_t parts() const { return partCount_; }

private:
    GroupIndex(const CorpusStore& store, const AuthorRegister& reg, const AgeBands& bands,
               const AuthorFields* fields, const GroupBy& by, const std::vector<char>* within);
    std::size_t group_slot(const GroupKey& g) const;
    // The steps of making the index, after the members are known.
    void placeParts();
    void countWords(const CorpusStore& store);

    const CorpusStore* store_;
    AgeBands bands_;
    GroupBy by_;
    std::size_t groupCount_ = 0;                   // the groups without the whole corpus
    std::vector<std::vector<std::string>> labels_; // per group of another grouping
    int leftOut_ = 0;
    bool allIsCorpus_ = true;
    std::vector<std::vector<std::size_t>> memberRows_; // per slot, as members_
    // Part k < the store's name count is the name with number k; the last
    // part stands for every name no text has.
    std::size_t partCount_ = 0;
    std::vector<std::vector<Member>> members_; // per slot; the last slot is the corpus
    std::vector<int> words_;
    std::vector<Place> places_;
    std::vector<std::uint32_t> placesFrom_; // per part, one more at the end
    // The texts the group text cuts differently, cleaned as it cleans them.
    std::vector<char> cutDifferently_; // per text
    std::string groupText_;
    std::vector<std::uint32_t> groupTextEnd_; // per such text, as in the store's cleanedTextEnd
    WordIndex groupIndex_;
};

} // namespace zapt
