#include "variation/group_index.h"
#include "corpus/buckets.h"

#include "corpus/folded_keys.h"
#include "corpus/numbers.h"
#include "corpus/text.h"

#include <algorithm>

namespace zapt {
namespace {

// The marks the group text turns into blanks.
constexpr CharSet kGroupTextMarks(kGroupCleaningSet);

// The first text at or after `from` whose end lies beyond `position`: a
// galloping search, since the positions asked for only grow.
std::size_t text_after(const std::vector<std::uint32_t>& ends, std::size_t from,
                       std::size_t position) {
    std::size_t step = 1, lo = from;
    while (lo + step < ends.size() && ends[lo + step] <= position) {
        lo += step;
        step *= 2;
    }
    const std::size_t hi = std::min(ends.size(), lo + step + 1);
    return static_cast<std::size_t>(std::upper_bound(ends.begin() + static_cast<std::ptrdiff_t>(lo),
                                                     ends.begin() + static_cast<std::ptrdiff_t>(hi),
                                                     position) -
                                    ends.begin());
}

} // namespace

std::vector<GroupKey> comparison_groups(const AgeBands& bands) {
    std::vector<GroupKey> groups;
    for (AgeBand b : bands.bands()) {
        groups.push_back({false, b, Gender::Female});
        groups.push_back({false, b, Gender::Male});
    }
    groups.push_back({true, AgeBand::Under18, Gender::Female});
    return groups;
}

std::string band_label(const AgeBands& bands, const GroupKey& g) {
    return g.all ? "all" : bands.caption(g.band);
}

std::string gender_label(const GroupKey& g) {
    return g.all ? "all" : std::string(gender_letter(g.gender));
}

std::string group_label(const AgeBands& bands, const GroupKey& g) {
    return g.all ? "all" : band_label(bands, g) + " " + gender_label(g);
}

std::size_t GroupIndex::group_slot(const GroupKey& g) const {
    if (g.all) return groupCount_;
    if (g.slot >= 0) return static_cast<std::size_t>(g.slot);
    return static_cast<std::size_t>(g.band) * 2 + (g.gender == Gender::Male ? 1 : 0);
}

std::vector<GroupKey> GroupIndex::groups() const {
    if (by_.bandByGender()) return comparison_groups(bands_);
    std::vector<GroupKey> out;
    for (std::size_t s = 0; s < groupCount_; ++s) {
        GroupKey g;
        g.slot = static_cast<int>(s);
        out.push_back(g);
    }
    out.push_back({true, AgeBand::Under18, Gender::Female});
    return out;
}

std::vector<std::string> GroupIndex::labels(const GroupKey& g) const {
    if (g.all) return std::vector<std::string>(by_.columns().size(), "all");
    if (by_.bandByGender()) return {band_label(bands_, g), gender_label(g)};
    return labels_[group_slot(g)];
}

GroupIndex::GroupIndex(const CorpusStore& store, const AuthorRegister& reg, const AgeBands& bands,
                       const std::vector<char>* within)
    : GroupIndex(store, reg, bands, nullptr, GroupBy{}, within) {}

GroupIndex::GroupIndex(const CorpusStore& store, const AuthorFields& fields, const GroupBy& by,
                       const std::vector<char>* within)
    : GroupIndex(store, *fields.authors, fields.ageBands(), &fields, by, within) {}

GroupIndex::GroupIndex(const CorpusStore& store, const AuthorRegister& reg, const AgeBands& bands,
                       const AuthorFields* fields, const GroupBy& by,
                       const std::vector<char>* within)
    : store_(&store), bands_(bands), by_(by), allIsCorpus_(within == nullptr),
      partCount_(store.nameCount() + 1) {
    auto inside = [&](std::size_t row) {
        return !within || (row < within->size() && (*within)[row]);
    };
    Grouping grouping;
    if (by_.bandByGender()) {
        groupCount_ = 2 * bands_.size();
    } else {
        std::vector<char> eligible(reg.size(), 0);
        for (std::size_t j = 0; j < reg.size(); ++j)
            eligible[j] = store.authorHasTexts(j) && inside(j);
        const AuthorFields own{&reg, nullptr, nullptr, nullptr, &bands_};
        grouping = group_authors(by_, fields ? *fields : own, eligible);
        groupCount_ = grouping.rows.size();
        labels_ = std::move(grouping.labels);
        leftOut_ = grouping.leftOut;
    }
    members_.resize(groupCount_ + 1);
    memberRows_.resize(groupCount_ + 1);
    words_.assign(groupCount_ + 1, 0);
    const std::size_t textless = partCount_ - 1; // the part of every name no text has
    auto part_of_row = [&](std::size_t k) -> std::size_t {
        const long long name =
            k < store.authorName.size() ? store.authorName[k] : store.nameNumber(std::string());
        return name < 0 ? textless : static_cast<std::size_t>(name);
    };

    // The last register row of each code names the author's texts. The
    // register is nearly always the store's own, whose codes are numbered.
    const bool own_register = reg.codes == store.authorCodes;
    FoldedKeys codes;
    std::vector<std::uint32_t> code_of(reg.size()), code_rows_from;
    std::vector<int> code_rows(reg.size());
    if (!own_register) {
        std::vector<std::uint32_t> counts;
        for (std::size_t j = 0; j < reg.size(); ++j) {
            const auto [c, added] = codes.add(reg.codes[j]);
            if (added) counts.push_back(0);
            ++counts[c];
            code_of[j] = c;
        }
        code_rows_from = bucket_starts(counts);
        BucketPlaces next(code_rows_from);
        for (std::size_t j = 0; j < reg.size(); ++j)
            code_rows[next(code_of[j])] = static_cast<int>(j);
    }
    const std::vector<std::uint32_t>& rows_from =
        own_register ? store.codeRowsFrom : code_rows_from;
    const std::vector<int>& rows = own_register ? store.codeRows : code_rows;
    auto code_number = [&](std::size_t i) -> std::size_t {
        return own_register ? static_cast<std::size_t>(store.codes.find(reg.codes[i])) : code_of[i];
    };
    auto last_row = [&](const std::string& code) -> std::size_t {
        const long long c = store.codes.find(code);
        return c < 0 ? 0
                     : static_cast<std::size_t>(
                           store.codeRows[store.codeRowsFrom[static_cast<std::size_t>(c) + 1] - 1]);
    };

    auto add = [&](std::size_t slot, const std::string& code, std::size_t row) {
        members_[slot].push_back({code, part_of_row(row)});
        memberRows_[slot].push_back(row);
    };
    // Another grouping: each group's authors in register order, each with
    // the texts of the code's last row, as a selection finds them.
    for (std::size_t s = 0; s < grouping.rows.size(); ++s) {
        for (std::size_t i : grouping.rows[s]) add(s, reg.codes[i], last_row(reg.codes[i]));
    }
    // The group query's band filter: by gender in register order, then every
    // register row with that code that has texts and an age in the band.
    for (Gender gender : {Gender::Female, Gender::Male}) {
        if (!by_.bandByGender()) break;
        for (std::size_t i = 0; i < reg.size(); ++i) {
            if (!iequals(reg.genders[i], gender_letter(gender)) || !inside(i)) continue;
            const std::string& code = reg.codes[i];
            const std::size_t c = code_number(i);
            for (std::uint32_t r = rows_from[c]; r < rows_from[c + 1]; ++r) {
                const auto j = static_cast<std::size_t>(rows[r]);
                const double texts = j < store.textsPerAuthorCaptions.size()
                                         ? read_leading_number(store.textsPerAuthorCaptions[j])
                                         : 0.0;
                if (texts <= 0) continue;
                const AgeSpan age = read_age(reg.ages[j]);
                for (AgeBand band : bands_.bands()) {
                    if (!bands_.holds(age, band)) continue;
                    add(group_slot({false, band, gender}), code, last_row(code));
                }
            }
        }
    }
    // The whole corpus: every register author with texts.
    for (std::size_t j = 0; j < store.authorCodes.size(); ++j) {
        if (store.authorHasTexts(j) && inside(j)) add(groupCount_, store.authorCodes[j], j);
    }
    placeParts();
    countWords(store);
}

// Where each part stands among the members.
void GroupIndex::placeParts() {
    std::vector<std::uint32_t> counts(partCount_, 0);
    for (const auto& slot : members_) {
        for (const Member& m : slot) ++counts[m.part];
    }
    placesFrom_ = bucket_starts(counts);
    places_.resize(placesFrom_.back());
    BucketPlaces next(placesFrom_);
    for (std::size_t s = 0; s < members_.size(); ++s) {
        for (std::size_t a = 0; a < members_[s].size(); ++a) {
            places_[next(members_[s][a].part)] = {static_cast<std::uint32_t>(s),
                                                  static_cast<std::uint32_t>(a)};
        }
    }
}

// The words of each group: its members' parts in the group text.
void GroupIndex::countWords(const CorpusStore& store) {
    // A part's group text holds a blank per word, and one more when its first
    // row starts with a blank or a mark; joined after another part's text,
    // that opening blank merges with the blank that ends it. A text the group
    // text cuts like the cleaned corpus text has as many words there as
    // blanks in its stretch of the cleaned text (the first may open with one more).
    struct Shape {
        long long blanks = 0;
        bool leading_blank = false;
    };
    std::vector<Shape> shapes(partCount_);
    for (std::size_t k = 0; k + 1 < partCount_; ++k) shapes[k].blanks = store.nameCleanedBlanks[k];
    const std::size_t n = store.cleanedTextEnd.size();
    if (n > 0 && !store.cleanedText.empty() && store.cleanedText[0] == ' ')
        --shapes[store.textName[0]].blanks;
    // The texts the group text cuts differently, cleaned as it cleans them:
    // their words counted afresh.
    cutDifferently_.assign(n, 0);
    std::string one;
    for (std::uint32_t t : store.cutDifferently) {
        cutDifferently_[t] = 1;
        const std::size_t from = t == 0 ? 0 : store.cleanedTextEnd[t - 1];
        Shape& s = shapes[store.textName[t]];
        s.blanks -= std::count(store.cleanedText.begin() + static_cast<std::ptrdiff_t>(from),
                               store.cleanedText.begin() + store.cleanedTextEnd[t], ' ') -
                    (t == 0 && store.cleanedTextEnd[0] > 0 && store.cleanedText[0] == ' ' ? 1 : 0);
        const std::string_view row = store.rows[t];
        one.clear();
        append_cleaned(one, row, kGroupTextMarks);
        s.blanks +=
            std::count(one.begin(), one.end(), ' ') - (!one.empty() && one.front() == ' ' ? 1 : 0);
        append_cleaned(groupText_, row, kGroupTextMarks);
        groupTextEnd_.push_back(static_cast<std::uint32_t>(groupText_.size()));
    }
    groupIndex_ = WordIndex(groupText_);
    for (std::size_t k = 0; k + 1 < partCount_; ++k) {
        if (store.nameTextsFrom[k] == store.nameTextsFrom[k + 1]) continue;
        const char c = store.rows[store.nameTexts[store.nameTextsFrom[k]]][0];
        shapes[k].leading_blank = c == ' ' || kGroupTextMarks.contains(c);
        shapes[k].blanks += shapes[k].leading_blank;
    }
    // A subcorpus's whole-corpus row is its authors' group text too.
    const std::size_t counted = allIsCorpus_ ? groupCount_ : groupCount_ + 1;
    for (std::size_t slot = 0; slot < counted; ++slot) {
        long long words = 0;
        bool first = true;
        for (const Member& m : members_[slot]) {
            const Shape& s = shapes[m.part];
            words += s.blanks - (!first && s.leading_blank ? 1 : 0);
            if (s.blanks > 0) first = false;
        }
        words_[slot] = static_cast<int>(words);
    }
    if (allIsCorpus_) words_[groupCount_] = store.cleanedIndex.total();
}

std::vector<GroupIndex::PartCount> GroupIndex::part_counts(const std::string& folded) const {
    std::vector<PartCount> out;
    if (folded.empty()) return out; // no empty piece is counted; the forms are never empty
    const CorpusStore& store = *store_;
    std::vector<int> group(partCount_, 0), corpus(partCount_, 0);
    std::vector<std::uint32_t> touched;
    auto touch = [&](std::size_t part) {
        if (group[part] == 0 && corpus[part] == 0)
            touched.push_back(static_cast<std::uint32_t>(part));
    };
    // The word in the cleaned corpus text: every text's count there, and the
    // group text's count for the texts both cut alike.
    auto [b, e] = store.cleanedIndex.positions(folded);
    std::size_t t = 0;
    for (const std::uint32_t* p = b; p != e; ++p) {
        t = text_after(store.cleanedTextEnd, t, *p);
        const std::size_t part = store.textName[t];
        touch(part);
        ++corpus[part];
        group[part] += !cutDifferently_[t];
    }
    // The group text's count in the texts it cuts differently.
    auto [gb, ge] = groupIndex_.positions(folded);
    std::size_t s = 0;
    for (const std::uint32_t* p = gb; p != ge; ++p) {
        s = text_after(groupTextEnd_, s, *p);
        const std::size_t part = store.textName[store.cutDifferently[s]];
        touch(part);
        ++group[part];
    }
    std::sort(touched.begin(), touched.end());
    out.reserve(touched.size());
    for (std::uint32_t part : touched) out.push_back({part, group[part], corpus[part]});
    return out;
}

std::string GroupIndex::folded_word(std::string_view word) {
    return fold_text(word);
}

const std::vector<GroupIndex::Member>& GroupIndex::members(const GroupKey& g) const {
    return members_[group_slot(g)];
}

int GroupIndex::words(const GroupKey& g) const {
    return words_[group_slot(g)];
}

int GroupIndex::count(const GroupKey& g, std::string_view word) const {
    return count_folded(g, fold_text(word));
}

int GroupIndex::member_count(const GroupKey& g, const Member& m, std::string_view word) const {
    return member_count_folded(g, m, fold_text(word));
}

int GroupIndex::count_folded(const GroupKey& g, const std::string& word) const {
    if (word.empty()) return 0;
    if (g.all && allIsCorpus_) return store_->cleanedIndex.count(word);
    const std::size_t slot = group_slot(g);
    int n = 0;
    for (const PartCount& pc : part_counts(word)) {
        for (const Place* p = places_begin(pc.part); p != places_end(pc.part); ++p) {
            if (p->slot == slot) n += pc.group;
        }
    }
    return n;
}

int GroupIndex::member_count_folded(const GroupKey& g, const Member& m,
                                    const std::string& word) const {
    if (word.empty() || m.part >= partCount_) return 0;
    for (const PartCount& pc : part_counts(word)) {
        if (pc.part == m.part) return g.all && allIsCorpus_ ? pc.corpus : pc.group;
    }
    return 0;
}

} // namespace zapt
