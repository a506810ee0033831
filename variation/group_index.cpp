#include "variation/group_index.h"

#include "corpus/numbers.h"
#include "corpus/text.h"
#include "lookup/count_word.h"

namespace zapt {
namespace {

// The marks the group text turns into blanks.
constexpr CharSet kGroupTextMarks(kGroupCleaningSet);
constexpr CharSet kCorpusTextMarks(kCorpusCleaningSet);

constexpr AgeBand kBands[] = {AgeBand::Under18, AgeBand::From18To25, AgeBand::From26To40,
                              AgeBand::From41To60, AgeBand::Over60};
constexpr std::size_t kGroupSlots = 10; // five bands by two genders; slot 10 is the corpus

void add_pieces(std::unordered_map<std::string, int>& counts, std::string_view buffer) {
    for_each_piece(buffer, [&](std::string_view piece) {
        if (!piece.empty()) ++counts[fold_text(piece)];
    });
}

} // namespace

std::vector<GroupKey> comparison_groups() {
    std::vector<GroupKey> groups;
    for (AgeBand b : kBands) {
        groups.push_back({false, b, Gender::Female});
        groups.push_back({false, b, Gender::Male});
    }
    groups.push_back({true, AgeBand::Under18, Gender::Female});
    return groups;
}

std::string band_label(const GroupKey& g) {
    if (g.all) return "all";
    switch (g.band) {
    case AgeBand::Under18:
        return "<18";
    case AgeBand::From18To25:
        return "18 to 25";
    case AgeBand::From26To40:
        return "26 to 40";
    case AgeBand::From41To60:
        return "41 to 60";
    case AgeBand::Over60:
        return "61+";
    }
    return "";
}

std::string gender_label(const GroupKey& g) {
    return g.all ? "all" : std::string(gender_letter(g.gender));
}

std::string group_label(const GroupKey& g) {
    return g.all ? "all" : band_label(g) + " " + gender_label(g);
}

std::size_t GroupIndex::group_slot(const GroupKey& g) const {
    if (g.all) return kGroupSlots;
    return static_cast<std::size_t>(g.band) * 2 + (g.gender == Gender::Male ? 1 : 0);
}

GroupIndex::GroupIndex(const CorpusStore& store, const AuthorRegister& reg)
    : members_(kGroupSlots + 1), words_(kGroupSlots + 1, 0) {
    // The texts of each author name, in corpus order.
    std::unordered_map<std::string, std::vector<std::size_t>> texts_by_name;
    for (std::size_t n = 0; n < store.lstTextAuthors.size(); ++n) {
        texts_by_name[fold_text(store.lstTextAuthors[n])].push_back(n);
    }
    // One part per author name: the words of that name's texts under both cleanings.
    std::unordered_map<std::string, std::size_t> part_of_name;
    struct Shape {
        int blanks = 0;             // blanks of the part under the group text's cleaning
        bool leading_blank = false; // it starts with a blank
    };
    std::vector<Shape> shapes;
    auto part_for = [&](const std::string& name) {
        std::string key = fold_text(name);
        auto found = part_of_name.find(key);
        if (found != part_of_name.end()) return found->second;
        Part p;
        Shape shape;
        std::string group_text, corpus_text;
        auto texts = texts_by_name.find(key);
        if (texts != texts_by_name.end()) {
            for (std::size_t n : texts->second) {
                append_cleaned(group_text, store.lstTextList[n], kGroupTextMarks);
                append_cleaned(group_text, " ", kGroupTextMarks);
                std::string one;
                append_cleaned(one, store.texts[n], kCorpusTextMarks, /*crlf=*/true);
                append_cleaned(one, " ", kCorpusTextMarks);
                corpus_text += one;
            }
        }
        add_pieces(p.group, group_text);
        add_pieces(p.corpus, corpus_text);
        shape.blanks = word_total(group_text);
        shape.leading_blank = !group_text.empty() && group_text.front() == ' ';
        parts_.push_back(std::move(p));
        shapes.push_back(shape);
        part_of_name.emplace(std::move(key), parts_.size() - 1);
        return parts_.size() - 1;
    };

    // The last register row of each code names the author's texts.
    std::unordered_map<std::string, std::size_t> last_row_of_code;
    std::unordered_map<std::string, std::vector<std::size_t>> rows_of_code;
    for (std::size_t j = 0; j < store.lstAuthorCode.size(); ++j) {
        last_row_of_code[fold_text(store.lstAuthorCode[j])] = j;
    }
    for (std::size_t j = 0; j < reg.size(); ++j)
        rows_of_code[fold_text(reg.lstAuthorCode[j])].push_back(j);

    // The group query's band filter: by gender in register order, then every
    // register row with that code that has texts and an age in the band.
    for (Gender gender : {Gender::Female, Gender::Male}) {
        for (std::size_t i = 0; i < reg.size(); ++i) {
            if (!iequals(reg.lstAuthorGender[i], gender_letter(gender))) continue;
            const std::string& code = reg.lstAuthorCode[i];
            for (std::size_t j : rows_of_code[fold_text(code)]) {
                const double texts = j < store.lstNumOfTextsPerAuthor.size()
                                         ? read_leading_number(store.lstNumOfTextsPerAuthor[j])
                                         : 0.0;
                if (texts <= 0) continue;
                const double age = read_leading_number(reg.lstAuthorAge[j]);
                for (AgeBand band : kBands) {
                    if (!in_band(age, band)) continue;
                    auto last = last_row_of_code.find(fold_text(code));
                    const std::size_t k = last == last_row_of_code.end() ? 0 : last->second;
                    const std::string name =
                        k < store.lstCodeName.size() ? store.lstCodeName[k] : std::string();
                    members_[group_slot({false, band, gender})].push_back({code, part_for(name)});
                }
            }
        }
    }
    // A group text is its members' parts joined: a part that starts with a
    // blank loses it against the blank that ends the text before it.
    for (std::size_t slot = 0; slot < kGroupSlots; ++slot) {
        int words = 0;
        bool first = true;
        for (const Member& m : members_[slot]) {
            const Shape& s = shapes[m.part];
            words += s.blanks - (!first && s.leading_blank ? 1 : 0);
            if (s.blanks > 0) first = false;
        }
        words_[slot] = words;
    }
    // The whole corpus: every register author with texts, and the cleaned corpus text.
    for (std::size_t j = 0; j < store.lstAuthorCode.size(); ++j) {
        if (store.authorHasTexts(j)) {
            members_[kGroupSlots].push_back(
                {store.lstAuthorCode[j], part_for(store.lstCodeName[j])});
        }
    }
    words_[kGroupSlots] = word_total(store.Text2);
    add_pieces(corpus_, store.Text2);
}

int GroupIndex::lookup(const Counts& counts, const std::string& folded) {
    auto it = counts.find(folded);
    return it == counts.end() ? 0 : it->second;
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
    if (word.empty()) return 0; // no empty piece is held; the forms are never empty
    if (g.all) return lookup(corpus_, word);
    int n = 0;
    for (const Member& m : members(g)) n += lookup(parts_[m.part].group, word);
    return n;
}

int GroupIndex::member_count_folded(const GroupKey& g, const Member& m,
                                    const std::string& word) const {
    if (word.empty() || m.part >= parts_.size()) return 0;
    return lookup(g.all ? parts_[m.part].corpus : parts_[m.part].group, word);
}

} // namespace zapt
