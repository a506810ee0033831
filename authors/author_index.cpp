#include "authors/author_index.h"

#include "corpus/big_buffer.h"
#include "corpus/collation.h"
#include "corpus/text.h"
#include "corpus/word_index.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <unordered_map>

namespace zapt {

namespace {

// The order of the sorted list, once for every spelling (returned); each
// name's uses made places in it, sorted.
std::vector<std::uint32_t> rank_uses(const std::deque<std::string>& spellings,
                                     const std::vector<AuthorEntry>& byName,
                                     std::vector<std::uint32_t>& sortedUses) {
    std::vector<std::uint32_t> byRank(spellings.size());
    std::iota(byRank.begin(), byRank.end(), 0u);
    std::stable_sort(byRank.begin(), byRank.end(), [&](std::uint32_t a, std::uint32_t b) {
        return collate_less(spellings[a], spellings[b]);
    });
    std::vector<std::uint32_t> spellingRank(spellings.size());
    for (std::size_t r = 0; r < byRank.size(); ++r) {
        spellingRank[byRank[r]] = static_cast<std::uint32_t>(r);
    }
    for (std::uint32_t& u : sortedUses) u = spellingRank[u];
    for (const AuthorEntry& a : byName) {
        std::sort(sortedUses.begin() + static_cast<std::ptrdiff_t>(a.usesFirst),
                  sortedUses.begin() + static_cast<std::ptrdiff_t>(a.usesLast));
    }
    return byRank;
}

} // namespace

void AuthorIndex::countTexts(const CorpusStore& store, const Glossary& glossary) {
    static constexpr CharSet kMarks(kPunctuationMarks);
    spellings_.clear();
    std::vector<AuthorEntry> byName;
    std::vector<std::uint32_t> sortedUses;
    // The glossary's forms as an index of their own: a piece is a use when it
    // equals one. A form holding a blank can never equal a piece. Most pieces
    // are turned away by their length and first letter before any look-up.
    std::string forms;
    std::size_t longest = 0;
    for (const std::string& f : glossary.forms()) {
        if (f.empty() || f.find(' ') != std::string::npos) continue;
        forms += f;
        forms += ' ';
        longest = std::max(longest, f.size());
    }
    const WordIndex form_index(forms);
    // A piece can only be a form when the bit of its length, first, second
    // and last folded letters is set.
    auto sketch = [](const char* p, std::size_t len) {
        const auto at = [&](std::size_t i) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(fold_case(p[i])));
        };
        const std::uint32_t h = (static_cast<std::uint32_t>(len) * 0x9E3779B1u) ^
                                (at(0) * 0x85EBCA77u) ^ (at(len > 1 ? 1 : 0) * 0xC2B2AE3Du) ^
                                (at(len - 1) * 0x27D4EB2Fu);
        return (h ^ (h >> 15)) & 0xFFFFu;
    };
    std::vector<std::uint8_t> maybe(0x10000, 0);
    for (const std::string& f : glossary.forms()) {
        if (f.empty() || f.find(' ') != std::string::npos) continue;
        maybe[sketch(f.data(), f.size())] = 1;
    }
    std::unordered_map<std::string_view, std::uint32_t> spelling_ids;

    // Name by name, through the rows as the store keeps them (side by side):
    // the figures of the name's rows and their uses (spelling numbers).
    byName.resize(store.nameCount());
    reserve_large(sortedUses, store.texts.chars().size() / 16);
    std::string piece_folded;
    for (std::size_t k = 0; k < byName.size(); ++k) {
        AuthorEntry& a = byName[k];
        a.textsFrom = store.nameTextsFrom[k];
        a.textsTo = store.nameTextsFrom[k + 1];
        a.usesFirst = sortedUses.size();
        long long P = 0, Sw = 0, Sc = 0, blanks_all = 0;
        for (std::size_t i = a.textsFrom; i < a.textsTo; ++i) {
            const std::string_view row = store.rows[store.nameTexts[i]];
            std::uint32_t blanks = 0, marks = 0;
            std::size_t start = 0;
            unsigned char high = 0, rowHigh = 0; // bytes beyond ASCII in the piece, the row
            for (std::size_t j = 0; j < row.size(); ++j) {
                const char c = row[j];
                marks += kMarks.contains(c);
                if (c != ' ') {
                    high |= static_cast<unsigned char>(c);
                    continue;
                }
                ++blanks;
                const std::size_t len = j - start;
                const bool wide = (high & 0x80) != 0;
                rowHigh |= high;
                high = 0;
                // A piece beyond ASCII may fold to a form of another length.
                if (len > 0 &&
                    (wide || (len <= longest && maybe[sketch(row.data() + start, len)]))) {
                    if (wide) {
                        fold_text_into(std::string_view(row.data() + start, len), piece_folded);
                    } else {
                        piece_folded.assign(row, start, len);
                        for (char& x : piece_folded) x = fold_case(x);
                    }
                    if (form_index.id_of_folded(piece_folded) >= 0) {
                        std::string_view piece(row.data() + start, len);
                        auto it = spelling_ids.find(piece);
                        if (it == spelling_ids.end()) {
                            spellings_.emplace_back(piece);
                            it = spelling_ids
                                     .emplace(spellings_.back(),
                                              static_cast<std::uint32_t>(spellings_.size() - 1))
                                     .first;
                        }
                        sortedUses.push_back(it->second);
                    }
                }
                start = j + 1;
            }
            P += marks;
            Sw += blanks;
            // Characters as a reader sees them; in plain ASCII, one a byte.
            const std::size_t chars = rowHigh & 0x80 ? char_count(row) : row.size();
            Sc += static_cast<long long>(chars);
            blanks_all += blanks + 1;
            a.rowsLength += row.size();
            a.rowsChars += chars;
        }
        a.usesLast = sortedUses.size();
        const std::size_t texts = a.count();
        a.figures.n = static_cast<int>(texts);
        a.figures.P = static_cast<int>(P);
        a.figures.Sw = static_cast<int>(Sw);
        a.figures.Sc = static_cast<int>(Sc);
        a.figures.W = static_cast<int>(blanks_all + 1);
        a.figures.length = a.rowsChars + texts + 1;
    }

    std::vector<std::uint32_t> byRank = rank_uses(spellings_, byName, sortedUses);
    byName_ = std::move(byName);
    byRank_ = std::move(byRank);
    sortedUses_ = std::move(sortedUses);
}

void AuthorIndex::readRegister(const CorpusStore& store, const AuthorRegister& authors) {
    codes_ = store.codes;
    codeRowsFrom_ = store.codeRowsFrom;
    codeRows_ = store.codeRows;
    const bool sameCodes = authors.codes == store.authorCodes;
    codesUnique_ = sameCodes && store.codes.size() == store.authorCodes.size();
    std::vector<RegisterEntry> entries(authors.size(), RegisterEntry{});
    // Each row's code number: where the store numbered the register's own
    // codes, from the rows of each code, without folding them again.
    if (sameCodes) {
        for (std::size_t c = 0; c + 1 < codeRowsFrom_.size(); ++c) {
            for (std::size_t i = codeRowsFrom_[c]; i < codeRowsFrom_[c + 1]; ++i) {
                const auto row = static_cast<std::size_t>(codeRows_[i]);
                if (row < entries.size()) entries[row].code = static_cast<std::int32_t>(c);
            }
        }
    }
    for (std::size_t j = 0; j < authors.size(); ++j) {
        RegisterEntry& r = entries[j];
        if (j < store.authorName.size()) r.name = store.authorName[j];
        if (!sameCodes) r.code = static_cast<std::int32_t>(codes_.find(authors.codes[j]));
        r.female = iequals(authors.genders[j], gender_letter(Gender::Female));
        r.male = iequals(authors.genders[j], gender_letter(Gender::Male));
        r.hasTexts = store.authorHasTexts(j);
        r.age = read_age(authors.ages[j]);
    }
    register_ = std::move(entries);
}

const AuthorEntry* AuthorIndex::entryOfRow(std::size_t k) const {
    if (k >= register_.size() || register_[k].name < 0) return nullptr;
    const auto name = static_cast<std::size_t>(register_[k].name);
    return name < byName_.size() ? &byName_[name] : nullptr;
}

std::vector<std::string> AuthorIndex::uses(const AuthorEntry& a) const {
    std::vector<std::string> out;
    out.reserve(a.uses());
    for (std::size_t u = a.usesFirst; u < a.usesLast; ++u) out.push_back(use(u));
    return out;
}

std::span<const int> AuthorIndex::registerRowsOfCode(std::string_view code) const {
    const long long c = codes_.find(code);
    if (c < 0) return {};
    const auto k = static_cast<std::size_t>(c);
    return std::span<const int>(codeRows_).subspan(codeRowsFrom_[k],
                                                   codeRowsFrom_[k + 1] - codeRowsFrom_[k]);
}

void AuthorIndex::write(CompiledWriter& out) const {
    out.add("authors.byName", byName_);
    out.add_strings("authors.spellings",
                    std::vector<std::string>(spellings_.begin(), spellings_.end()));
    out.add("authors.byRank", byRank_);
    out.add("authors.sortedUses", sortedUses_);
    out.add("authors.register", register_);
    out.add_value("authors.codesUnique", static_cast<std::uint8_t>(codesUnique_));
}

AuthorIndex AuthorIndex::read(const CompiledFile& file, const CorpusStore& store) {
    AuthorIndex x;
    x.byName_ = file.column<AuthorEntry>("authors.byName", store.nameCount());
    for (std::string& s : file.strings("authors.spellings")) x.spellings_.push_back(std::move(s));
    x.byRank_ = file.column<std::uint32_t>("authors.byRank", x.spellings_.size());
    x.sortedUses_ = file.column<std::uint32_t>("authors.sortedUses");
    x.register_ = file.column<RegisterEntry>("authors.register", store.authorCodes.size());
    x.codesUnique_ = file.value<std::uint8_t>("authors.codesUnique") != 0;
    x.codes_ = store.codes;
    x.codeRowsFrom_ = store.codeRowsFrom;
    x.codeRows_ = store.codeRows;
    if (!x.byName_.empty() && x.byName_.back().usesLast != x.sortedUses_.size())
        throw CompiledError("the author index does not fit together");
    return x;
}

std::vector<const AuthorEntry*> AuthorIndex::groupEntries(const AgeBands& bands, AgeBand band,
                                                          Gender gender) const {
    std::vector<const AuthorEntry*> out;
    const bool female = gender == Gender::Female;
    auto rowsOf = [&](std::int32_t code) -> std::span<const int> {
        if (code < 0) return {};
        const auto k = static_cast<std::size_t>(code);
        return std::span<const int>(codeRows_).subspan(codeRowsFrom_[k],
                                                       codeRowsFrom_[k + 1] - codeRowsFrom_[k]);
    };
    for (std::size_t i = 0; i < register_.size(); ++i) {
        const RegisterEntry& r = register_[i];
        if (!(female ? r.female : r.male)) continue;
        const int own = static_cast<int>(i);
        const std::span<const int> rows = rowsOf(r.code);
        for (int row : codesUnique_ ? std::span<const int>(&own, 1) : rows) {
            const auto j = static_cast<std::size_t>(row);
            if (j >= register_.size()) continue;
            if (!(register_[j].hasTexts && bands.holds(register_[j].age, band))) continue;
            const std::size_t k = rows.empty() ? 0 : static_cast<std::size_t>(rows.back());
            out.push_back(entryOfRow(k));
        }
    }
    return out;
}

} // namespace zapt
