#include "app/explorer.h"

#include "analysis/collocations.h"
#include "analysis/metrics.h"
#include "corpus/big_buffer.h"
#include "corpus/numbers.h"
#include "corpus/text.h"
#include "lookup/count_word.h"
#include "overview/corpus_overview.h"

#include <algorithm>
#include <numeric>

namespace zapt {
namespace {

// Marks the author text replaces by blanks.
constexpr CharSet kRemDatPunc(kAuthorCleaningSet);
// Marks the group text replaces by blanks.
constexpr CharSet kRepItOut(kGroupCleaningSet);

bool row_in_range(const ListBox& list, int row) {
    return row >= 0 && row < list.count();
}

} // namespace

Explorer::Explorer(const DataSet& data, Effects& effects)
    : authors_(build_author_register(data.authors)), effects_(effects), glossary_(data.glossary),
      families_(data.variants) {
    buildStore(data);
    setUp();
}

Explorer::Explorer(DataSet&& data, Effects& effects)
    : authors_(build_author_register(data.authors)), effects_(effects),
      glossary_(std::move(data.glossary)), families_(std::move(data.variants)) {
    buildStore(data);
    data = DataSet(); // the store holds the texts now
    setUp();
}

void Explorer::buildStore(const DataSet& data) {
    // The figures of the rows are counted while the corpus text is indexed.
    form3_ = build_corpus_store(data.corpus, data.authors,
                                [this](const CorpusStore& s) { buildTextFigures(s); });
}

void Explorer::setUp() {
    codesUnique_ = form3_.codes.size() == form3_.lstAuthorCode.size() &&
                   authors_.lstAuthorCode == form3_.lstAuthorCode;
    form1_.lblNumOfCorpusTexts = format_whole(form3_.corpusTextCount());
    form1_.lstNonStandardForms.assign(glossary_.forms());
    form1_.lstNonStandardInterpretations.assign(glossary_.interpretations());
    for (const VariantFamily& f : families_) {
        FamilyState s;
        s.listName = f.list;
        s.stem = f.stem;
        std::vector<std::string> items = f.items;
        if (f.list == "lstThWords") sort_collated(items); // a sorted list box
        s.list.assign(std::move(items));
        form1_.families.push_back(std::move(s));
    }
}

void Explorer::buildTextFigures(const CorpusStore& store) {
    static constexpr CharSet kMarks(kPunctuationMarks);
    // The glossary's forms as an index of their own: a piece is a use when it
    // equals one. A form holding a blank can never equal a piece. Most pieces
    // are turned away by their length and first letter before any look-up.
    std::string forms;
    std::size_t longest = 0;
    for (const std::string& f : glossary_.forms()) {
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
    for (const std::string& f : glossary_.forms()) {
        if (f.empty() || f.find(' ') != std::string::npos) continue;
        maybe[sketch(f.data(), f.size())] = 1;
    }
    std::unordered_map<std::string_view, std::uint32_t> spelling_ids;

    // Name by name, through the rows as the store keeps them (side by side):
    // the figures of the name's rows and their uses (spelling numbers).
    byName_.resize(store.nameCount());
    reserve_large(sortedUses_, store.texts.chars().size() / 16);
    std::string piece_folded;
    for (std::size_t k = 0; k < byName_.size(); ++k) {
        AuthorTexts& a = byName_[k];
        a.textsFrom = store.nameTextsFrom[k];
        a.textsTo = store.nameTextsFrom[k + 1];
        a.usesFirst = sortedUses_.size();
        long long P = 0, Sw = 0, Sc = 0, blanks_all = 0;
        for (std::size_t i = a.textsFrom; i < a.textsTo; ++i) {
            const std::string_view row = store.lstTextList[store.nameTexts[i]];
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
                        sortedUses_.push_back(it->second);
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
        a.usesLast = sortedUses_.size();
        const std::size_t texts = a.count();
        a.figures.n = static_cast<int>(texts);
        a.figures.P = static_cast<int>(P);
        a.figures.Sw = static_cast<int>(Sw);
        a.figures.Sc = static_cast<int>(Sc);
        a.figures.W = static_cast<int>(blanks_all + 1);
        a.figures.length = a.rowsChars + texts + 1;
    }

    // The order of the sorted list, once for every spelling; each name's uses
    // as places in it, sorted.
    byRank_.resize(spellings_.size());
    std::iota(byRank_.begin(), byRank_.end(), 0u);
    std::stable_sort(byRank_.begin(), byRank_.end(), [&](std::uint32_t a, std::uint32_t b) {
        return collate_less(spellings_[a], spellings_[b]);
    });
    std::vector<std::uint32_t> spellingRank(spellings_.size());
    for (std::size_t r = 0; r < byRank_.size(); ++r) {
        spellingRank[byRank_[r]] = static_cast<std::uint32_t>(r);
    }
    for (std::uint32_t& u : sortedUses_) u = spellingRank[u];
    for (const AuthorTexts& a : byName_) {
        std::sort(sortedUses_.begin() + static_cast<std::ptrdiff_t>(a.usesFirst),
                  sortedUses_.begin() + static_cast<std::ptrdiff_t>(a.usesLast));
    }
}

std::span<const int> Explorer::registerRowsOfCode(const std::string& code) const {
    const long long c = form3_.codes.find(code);
    if (c < 0) return {};
    const auto k = static_cast<std::size_t>(c);
    return std::span<const int>(form3_.codeRows)
        .subspan(form3_.codeRowsFrom[k], form3_.codeRowsFrom[k + 1] - form3_.codeRowsFrom[k]);
}

const Explorer::AuthorTexts* Explorer::entryOfRow(std::size_t k) const {
    long long name = -1;
    if (k < form3_.authorName.size()) {
        name = form3_.authorName[k];
    } else {
        name = form3_.nameNumber(form3_.lblCodeName);
    }
    return name < 0 ? nullptr : &byName_[static_cast<std::size_t>(name)];
}

bool Explorer::foundIsCurrent() const {
    if (!foundEntry_ || foundEntry_->count() != form1_.lstTextsFound.size()) return false;
    for (std::size_t i = 0; i < foundEntry_->count(); ++i) {
        if (form1_.lstTextsFound[i] != rowOf(*foundEntry_, i)) return false;
    }
    return true;
}

bool Explorer::txtTextsIsCurrent() const {
    if (!foundEntry_) return false;
    const std::string& t = form1_.txtTexts;
    if (t.size() != foundEntry_->rowsLength + foundEntry_->count() + 1) return false;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < foundEntry_->count(); ++i) {
        const std::string_view r = rowOf(*foundEntry_, i);
        if (t.compare(pos, r.size(), r) != 0 || t[pos + r.size()] != ' ') return false;
        pos += r.size() + 1;
    }
    return t[pos] == ' ';
}

std::string_view Explorer::rowOf(const AuthorTexts& a, std::size_t i) const {
    return form3_.lstTextList[form3_.nameTexts[a.textsFrom + i]];
}

// The selection and Get Author Data of one author inside the group run, for
// every author but the last. They run the same steps with the same effects and
// leave the same captions, the rows collected for the group and the work
// fields of the corpus window; only the author's own buffers (lstTextsFound,
// the author texts, txtTexts and lstNonStandards) are not filled, because the
// next selection empties them before anything reads them and the last author
// of the run is selected in full.
void Explorer::measureForGroup(int row) {
    form1_.AgeTable.selected = row;
    resetFamilyLabels();
    form1_.lstClusterPunc.clear();
    form1_.lstEducation.selected = row_in_range(form1_.lstEducation, row) ? row : -1;
    resetAuthorLabels();
    form1_.lstNonStandards.clear();
    form1_.cmdAuthorData = true;
    effects_.setFocus(FocusTarget::Form1);
    const std::span<const int> rows = registerRowsOfCode(form1_.AgeTable.text());
    std::size_t k = 0;
    if (!rows.empty()) {
        k = static_cast<std::size_t>(rows.back());
        form3_.lblAuthorName = form3_.lstAuthorCode[k];
    }
    form3_.lblCodeName = k < form3_.lstCodeName.size() ? form3_.lstCodeName[k] : std::string();
    const AuthorTexts* a = entryOfRow(k);
    if (a && iequals(form1_.lblGoingGroup, "y")) {
        for (std::size_t i = 0; i < a->count(); ++i) addGroupText(rowOf(*a, i));
    }
    if (!a || a->count() == 0) effects_.showMessage("No texts found");
    effects_.setFocus(FocusTarget::AgeTable);

    // The captions of Get Author Data, from the figures counted at start-up.
    std::array<std::string, 7> c = authorCaptions(a);
    form1_.lblTextTotal = std::move(c[0]);
    form1_.lblAvTextLength = std::move(c[1]);
    form1_.lblNumOfCharacters = std::move(c[2]);
    form1_.lblAvWordClusterLength = std::move(c[3]);
    form1_.lblPuncDensity = std::move(c[4]);
    form1_.lblNonStandardFormDensity = std::move(c[5]);
    form1_.lblTotWords = std::move(c[6]);
    form1_.cmdGroupAverages = true;
}

std::array<std::string, 7> Explorer::authorCaptions(const AuthorTexts* a) const {
    std::array<std::string, 7> c{"0", "0", "0", "0", "0", "0", "0"};
    const AuthorFigures f = a ? a->figures : AuthorFigures{};
    if (f.n > 0) {
        c[6] = format_whole(f.W);
        c[4] = format_4dec(f.P / static_cast<double>(f.W));
        c[3] = format_full(static_cast<double>(f.length) / f.W);
        c[0] = format_whole(f.n);
        c[1] = format_4dec(static_cast<double>(f.Sw + f.n) / f.n);
        c[2] = format_4dec(static_cast<double>(f.Sc) / f.n);
        const auto uses = static_cast<double>(a->usesLast - a->usesFirst);
        c[5] = format_4dec(uses / f.W);
    }
    return c;
}

std::vector<const Explorer::AuthorTexts*> Explorer::groupEntries(AgeBand band,
                                                                 Gender gender) const {
    // As the query: every register row of the gender, in register order; a
    // code whose register rows have texts and an age in the band, once per
    // such row; then, as its selection would, the last register row of the code.
    std::vector<const AuthorTexts*> out;
    const std::string_view letter = gender_letter(gender);
    for (std::size_t i = 0; i < authors_.size(); ++i) {
        if (!iequals(authors_.lstAuthorGender[i], letter)) continue;
        const std::string& code = authors_.lstAuthorCode[i];
        const int own = static_cast<int>(i);
        for (int row : codesUnique_ ? std::span<const int>(&own, 1) : registerRowsOfCode(code)) {
            const auto j = static_cast<std::size_t>(row);
            if (j >= authors_.size()) continue;
            const double texts = j < form3_.lstNumOfTextsPerAuthor.size()
                                     ? read_leading_number(form3_.lstNumOfTextsPerAuthor[j])
                                     : 0.0;
            if (!(texts > 0 && in_band(read_age(authors_.lstAuthorAge[j]), band)))
                continue;
            const std::span<const int> rows = registerRowsOfCode(code);
            const std::size_t k = rows.empty() ? 0 : static_cast<std::size_t>(rows.back());
            out.push_back(entryOfRow(k));
        }
    }
    return out;
}

Explorer::GroupFigures Explorer::groupFigures(AgeBand band, Gender gender) const {
    GroupFigures g;
    const std::vector<const AuthorTexts*> entries = groupEntries(band, gender);
    g.authors.reserve(entries.size());
    // The group's sums, held and read back as the group's run holds them.
    std::array<std::string, 6> sums{"0", "0", "0", "0", "0", "0"};
    for (const AuthorTexts* a : entries) {
        g.authors.push_back(authorCaptions(a));
        const auto& c = g.authors.back();
        for (std::size_t k = 0; k < 6; ++k) {
            const double sum = read_decimal(sums[k]).value_or(0.0) + read_leading_number(c[k]);
            sums[k] = format_full(sum);
        }
    }
    const auto m = static_cast<double>(entries.size());
    g.group[0] = sums[0];
    for (std::size_t k = 1; k < 6; ++k)
        g.group[k] = entries.empty() ? "0" : format_4dec(read_decimal(sums[k]).value_or(0.0) / m);
    return g;
}

// lstGroupTexts is emptied and refilled with a whole group's rows on every
// group query. The emptied rows are kept aside and refilled, so a query does
// not free and allocate every row again.
void Explorer::clearGroupTexts() {
    // Last row first, so the rows come back in the order they were taken out:
    // the same group again finds every row's room the right size.
    auto& rows = form1_.lstGroupTexts;
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) spareRows_.push_back(std::move(*r));
    form1_.lstGroupTexts.clear();
}

void Explorer::addGroupText(std::string_view row) {
    if (spareRows_.empty()) {
        form1_.lstGroupTexts.emplace_back(row);
        return;
    }
    std::string r = std::move(spareRows_.back());
    spareRows_.pop_back();
    r.assign(row);
    form1_.lstGroupTexts.push_back(std::move(r));
}

void Explorer::resetFamilyLabels() {
    for (FamilyState& f : form1_.families) f.Individual = f.InGroup = f.InCorpus = "0";
}

void Explorer::resetAuthorLabels() {
    form1_.lblTextTotal = form1_.lblAvTextLength = form1_.lblNumOfCharacters = "0";
    form1_.lblAvWordClusterLength = form1_.lblPuncDensity = form1_.lblNonStandardFormDensity = "0";
    form1_.lblTotWords = "0";
}

// ---- Step 1: the group query -------------------------------------------------

void Explorer::cmdAgeAndGender_Click() {
    resetFamilyLabels();
    form1_.lstClusterPunc.clear();
    form1_.cmdSearchGroup = false;
    form1_.cmdSearch = false;
    clearGroupTexts();
    form1_.Text1.clear();
    form1_.cmdAuthorData = false;
    form1_.lstEducation.clear();
    resetAuthorLabels();
    form1_.lstNonStandards.clear();
    form1_.lstTextsFound.clear();
    form1_.setNumOfGroupTexts("0");
    form1_.GroupAvTextLength = form1_.GroupAvNumOfCharacters = form1_.GroupAvWordClusterLength =
        "0";
    form1_.GroupAvPuncDensity = form1_.GroupNonStandardFormsDensity = "0";
    form1_.GenderTable.clear();
    genderRows_.clear();
    form1_.AgeTable.clear();

    // The codes of every register row of the chosen gender, in register order.
    std::string_view letter = gender_letter(form1_.genderOption);
    for (std::size_t j = 0; j < authors_.size(); ++j) {
        if (iequals(authors_.lstAuthorGender[j], letter)) {
            form1_.GenderTable.push_back(authors_.lstAuthorCode[j]);
            genderRows_.push_back(static_cast<int>(j));
        }
    }
    bandFilter();
    cmdGroupAverages_Click();
}

void Explorer::bandFilter() {
    // The register rows whose code equals the row of GenderTable, in register
    // order (looked up, not searched).
    // With unique codes (the loaders make sure of it) the one row of a code is
    // the row it was copied from.
    const bool own_rows = codesUnique_ && genderRows_.size() == form1_.GenderTable.size();
    for (std::size_t i = 0; i < form1_.GenderTable.size(); ++i) {
        const std::string& code = form1_.GenderTable[i];
        const int one = own_rows ? genderRows_[i] : 0;
        for (int row : own_rows ? std::span<const int>(&one, 1) : registerRowsOfCode(code)) {
            const auto j = static_cast<std::size_t>(row);
            if (j >= authors_.size()) continue;
            double texts = j < form3_.lstNumOfTextsPerAuthor.size()
                               ? read_leading_number(form3_.lstNumOfTextsPerAuthor[j])
                               : 0.0;
            if (texts > 0 && in_band(read_age(authors_.lstAuthorAge[j]), form1_.ageOption)) {
                form1_.lstEducation.add(authors_.lstAuthorEducation[j]);
                form1_.AgeTable.add(code);
            }
        }
    }
}

// ---- Step 2: the author ------------------------------------------------------

bool Explorer::selectAgeTable(int row) {
    if (!row_in_range(form1_.AgeTable, row)) return false;
    form1_.AgeTable.selected = row;
    AgeTable_Click();
    return true;
}

void Explorer::RemDatPunc_append(std::string_view row) {
    append_cleaned(form1_.txtIndividualsTexts, row, kRemDatPunc);
    append_cleaned(form1_.txtIndividualsTexts, " ", kRemDatPunc);
}

void Explorer::AgeTable_Click() {
    resetFamilyLabels();
    form1_.lstClusterPunc.clear();
    form1_.txtIndividualsTexts.clear();
    form1_.txtIndividualsTexts2.clear();
    int row = form1_.AgeTable.selected;
    form1_.lstEducation.selected = row_in_range(form1_.lstEducation, row) ? row : -1;
    resetAuthorLabels();
    form1_.lstNonStandards.clear();
    form1_.cmdAuthorData = true;
    form1_.lstTextsFound.clear();
    effects_.setFocus(FocusTarget::Form1);

    // Code to name: the last register row with the selected code; row 0 when none.
    const std::string& code = form1_.AgeTable.text();
    const std::span<const int> rows = registerRowsOfCode(code);
    std::size_t k = 0;
    if (!rows.empty()) {
        k = static_cast<std::size_t>(rows.back());
        form3_.lblAuthorName = form3_.lstAuthorCode[k];
    }
    form3_.lblCodeName = k < form3_.lstCodeName.size() ? form3_.lstCodeName[k] : std::string();

    // The author's texts, in corpus order. lstTextsFound keeps its strings'
    // room from the last selection, so a run over a group allocates little.
    const bool going_group = iequals(form1_.lblGoingGroup, "y");
    foundEntry_ = entryOfRow(k);
    const std::size_t found = foundEntry_ ? foundEntry_->count() : 0;
    form1_.lstTextsFound.resize(found);
    if (found > 0) {
        const std::size_t total = foundEntry_->rowsLength + 2 * found;
        form1_.txtIndividualsTexts.reserve(total);
        form1_.txtIndividualsTexts2.reserve(total);
        for (std::size_t i = 0; i < found; ++i) {
            const std::string_view r = rowOf(*foundEntry_, i);
            form1_.lstTextsFound[i].assign(r);
            RemDatPunc_append(r);
            form1_.txtIndividualsTexts2 += r;
            form1_.txtIndividualsTexts2 += " %";
            if (going_group) addGroupText(r);
        }
    }
    if (form1_.lstTextsFound.empty()) effects_.showMessage("No texts found");
}

void Explorer::cmdAuthorData_Click() {
    form1_.lblPuncDensity = form1_.lblAvTextLength = form1_.lblNumOfCharacters = "0";
    form1_.lblTextTotal = form1_.lblTotWords = "0";
    // The joined rows, built in place so a run over a group reuses the room.
    std::size_t joined = 1;
    for (const std::string& r : form1_.lstTextsFound) joined += r.size() + 1;
    form1_.txtTexts.clear();
    form1_.txtTexts.reserve(joined);
    for (const std::string& r : form1_.lstTextsFound) {
        form1_.txtTexts += r;
        form1_.txtTexts += ' ';
    }
    // The figures of the rows the selection found were counted at start-up.
    const AuthorFigures f =
        foundIsCurrent() ? foundEntry_->figures : author_figures(form1_.lstTextsFound);
    form1_.txtTexts += ' ';
    if (f.n > 0) {
        form1_.lblTotWords = format_whole(f.W);
        form1_.lblPuncDensity = format_4dec(f.P / read_leading_number(form1_.lblTotWords));
        form1_.lblAvWordClusterLength = format_full(static_cast<double>(f.length) / f.W);
        form1_.lblTextTotal = format_whole(f.n);
        form1_.lblAvTextLength = format_4dec(static_cast<double>(f.Sw + f.n) / f.n);
        form1_.lblNumOfCharacters = format_4dec(static_cast<double>(f.Sc) / f.n);
    } else {
        // An author without texts: every figure shows 0 and nothing is divided.
        form1_.lblAvWordClusterLength = "0";
    }
    cmdNonStandards_Click();
    form1_.cmdGroupAverages = true;
}

void Explorer::cmdNonStandards_Click() {
    std::vector<std::string> uses;
    if (txtTextsIsCurrent()) {
        // The author's uses were found and put in the list's order at start-up.
        uses.reserve(foundEntry_->usesLast - foundEntry_->usesFirst);
        for (std::size_t u = foundEntry_->usesFirst; u < foundEntry_->usesLast; ++u) {
            uses.push_back(spellings_[byRank_[sortedUses_[u]]]);
        }
    } else {
        uses = find_non_standard_uses(form1_.txtTexts, glossary_);
        sort_collated(uses);
    }
    form1_.lstNonStandards.assign(std::move(uses));
    double words = read_leading_number(form1_.lblTotWords);
    form1_.lblNonStandardFormDensity =
        words > 0 ? format_4dec(form1_.lstNonStandards.count() / words) : "0";
}

// ---- Group averages ------------------------------------------------------------

void Explorer::cmdGroupAverages_Click() {
    effects_.setMainWidth(6000);
    effects_.showProgress();
    effects_.setMainWidth(6500);
    form1_.lblIndex = format_whole(form1_.AgeTable.selected);
    form1_.cmdSearchGroup = true;
    form1_.cmdSearch = true;
    clearGroupTexts();
    form1_.Text1.clear();
    form1_.Text2.clear();
    form1_.lblGoingGroup = "y";
    resetAuthorLabels();
    form1_.lstNonStandards.clear();
    form1_.setNumOfGroupTexts("0");
    form1_.GroupAvTextLength = form1_.GroupAvNumOfCharacters = form1_.GroupAvWordClusterLength =
        "0";
    form1_.GroupAvPuncDensity = form1_.GroupNonStandardFormsDensity = "0";

    // A group caption holds its running sum in full precision; it is read back
    // as a whole decimal number, an author's caption by its leading number.
    auto add = [](std::string& group, const std::string& author) {
        double sum = read_decimal(group).value_or(0.0) + read_leading_number(author);
        group = format_full(sum);
    };
    const int m = form1_.AgeTable.count();
    for (int i = 0; i < m; ++i) {
        if (i + 1 < m) {
            // An author whose buffers the next selection empties again: only
            // what outlasts the run is built (see measureForGroup).
            measureForGroup(i);
        } else {
            selectAgeTable(i);
            effects_.setFocus(FocusTarget::AgeTable);
            cmdAuthorData_Click();
        }
        std::string texts = form1_.NumOfGroupTexts;
        add(texts, form1_.lblTextTotal);
        form1_.setNumOfGroupTexts(texts);
        add(form1_.GroupAvTextLength, form1_.lblAvTextLength);
        add(form1_.GroupAvNumOfCharacters, form1_.lblNumOfCharacters);
        add(form1_.GroupAvWordClusterLength, form1_.lblAvWordClusterLength);
        add(form1_.GroupAvPuncDensity, form1_.lblPuncDensity);
        add(form1_.GroupNonStandardFormsDensity, form1_.lblNonStandardFormDensity);
    }
    for (std::string* caption : {&form1_.GroupAvTextLength, &form1_.GroupAvNumOfCharacters,
                                 &form1_.GroupAvWordClusterLength, &form1_.GroupAvPuncDensity,
                                 &form1_.GroupNonStandardFormsDensity}) {
        // A group without authors has nothing to divide and shows 0.
        *caption = m > 0 ? format_4dec(read_decimal(*caption).value_or(0.0) / m) : "0";
    }
    resetAuthorLabels();
    form1_.lstNonStandards.clear();

    // The group text: every collected row plus a blank, cleaned in one pass.
    std::size_t joined = 0;
    for (const std::string& r : form1_.lstGroupTexts) joined += r.size() + 1;
    form1_.Text1.reserve(joined);
    form1_.Text2.reserve(joined);
    for (const std::string& r : form1_.lstGroupTexts) {
        form1_.Text1 += r;
        form1_.Text1 += ' ';
        append_cleaned(form1_.Text2, r, kRepItOut);
        append_cleaned(form1_.Text2, " ", kRepItOut);
    }
    effects_.setMainWidth(kDesignWidth);
    effects_.closeProgress();
    effects_.setMainWidth(kDesignWidth);
}

// ---- Non-standard forms and the glossary -----------------------------------------

bool Explorer::selectNonStandards(int row) {
    if (!row_in_range(form1_.lstNonStandards, row)) return false;
    form1_.lstNonStandards.selected = row;
    lstNonStandards_Click();
    return true;
}

bool Explorer::selectNonStandardForms(int row) {
    if (!row_in_range(form1_.lstNonStandardForms, row)) return false;
    form1_.lstNonStandardForms.selected = row;
    lstNonStandardForms_Click();
    return true;
}

void Explorer::selectNonStandardFormsByProgram(int row) {
    form1_.lstNonStandardForms.selected = row;
    lstNonStandardForms_Click();
}

void Explorer::lstNonStandards_Click() {
    form1_.lblInstancesOfSearchWord = "0";
    const std::string word = form1_.lstNonStandards.text();
    const int j = glossary_.row_for_use(word);
    if (j >= 0) {
        selectNonStandardFormsByProgram(j);
        form1_.lblForm = glossary_.forms()[static_cast<std::size_t>(j)];
        form1_.lstNonStandardInterpretations.selected =
            row_in_range(form1_.lstNonStandardInterpretations, j) ? j : -1;
        form1_.lblInterpretation = glossary_.interpretation(j);
    }
    form1_.lblWordTotal = format_whole(form3_.text2Index.total());
    form1_.lblInstancesOfSearchWord = format_whole(form3_.text2Index.count(word));
    effects_.setFocus(FocusTarget::lstNonStandards);
}

void Explorer::lstNonStandardForms_Click() {
    form1_.lblCorpusTotal = "0";
    const std::string& word = form1_.lstNonStandardForms.text();
    form1_.lblWordTotal = format_whole(form3_.text2Index.total());
    form1_.lblCorpusTotal = format_whole(form3_.text2Index.count(word));
}

// ---- Variant families and the word search --------------------------------------------

bool Explorer::selectFamily(std::size_t family, int row) {
    if (family >= form1_.families.size() || !row_in_range(form1_.families[family].list, row)) {
        return false;
    }
    form1_.families[family].list.selected = row;
    family_Click(family);
    return true;
}

bool Explorer::selectEducation(int row) {
    if (!row_in_range(form1_.lstEducation, row)) return false;
    form1_.lstEducation.selected = row;
    return true;
}

bool Explorer::selectClusterPunc(int row) {
    if (!row_in_range(form1_.lstClusterPunc, row)) return false;
    form1_.lstClusterPunc.selected = row;
    return true;
}

void Explorer::family_Click(std::size_t family) {
    if (family >= form1_.families.size()) return;
    FamilyState& f = form1_.families[family];
    const std::string word = f.list.text();
    f.Individual = format_whole(count_word(form1_.txtIndividualsTexts, word));
    f.InGroup = format_whole(count_word(form1_.Text2, word));
    f.InCorpus = format_whole(form3_.text2Index.count(word));
}

void Explorer::cmdSearchGroup_Click() {
    form1_.lblInstInGroup = "0";
    form1_.lblInstInGroup = format_whole(count_word(form1_.Text2, form1_.txtSearch));
}

void Explorer::cmdSearch_Click() {
    form1_.lblInstInCorpus = "0";
    form1_.lblWordTotal = format_whole(form3_.text2Index.total());
    form1_.lblInstInCorpus = format_whole(form3_.text2Index.count(form1_.txtSearch));
}

void Explorer::txtSearch_KeyDown(int keyCode) {
    if (keyCode != 13) return;
    cmdSearchGroup_Click();
    cmdSearch_Click();
}

// ---- Punctuation ------------------------------------------------------------------------

void Explorer::cmdPuncCount_Click() {
    form1_.lblPuncCount = format_whole(count_punctuation_kind(form3_.Text1, form1_.puncOption));
}

void Explorer::cmdClusterPunctuation_Click() {
    form1_.lstClusterPunc.assign(cluster_list(form1_.txtIndividualsTexts2));
}

// ---- Collocations -------------------------------------------------------------------------

void Explorer::cmdColls_Click() {
    const std::string word = form1_.lstNonStandardForms.text();
    form11_.Text1 = collocations(form3_.Text2, form3_.text2Index, word);
    form11_.Label2 = word;
    form11_.open = true;
    effects_.showCollocationsForm();
}

void Explorer::Form11_Unload() {
    form11_ = CollocationsForm{};
}

// ---- The corpus data window -----------------------------------------------------------------

void Explorer::cmdGetCorpusData_Click() {
    if (!form4_.open) {
        form4_ = CorpusDataForm{};
        form4_.open = true;
    }
    effects_.showCorpusDataForm();
}

void Explorer::cmdAges_Click() {
    // Each click counts afresh, so a second click shows the same counts.
    AgeBreakdown b = age_breakdown(authors_, form3_);
    form4_.lblUnder18s = format_whole(b.bands[0]);
    form4_.lbl18To25 = format_whole(b.bands[1]);
    form4_.lbl25To40 = format_whole(b.bands[2]);
    form4_.lbl41To60 = format_whole(b.bands[3]);
    form4_.lbl61Plus = format_whole(b.bands[4]);
}

void Explorer::cmdGender_Click() {
    GenderBreakdown b = gender_breakdown(authors_, form3_);
    form4_.lblMale = format_whole(b.male);
    form4_.lblFemale = format_whole(b.female);
}

void Explorer::Form4_Unload() {
    form4_ = CorpusDataForm{};
}

} // namespace zapt
