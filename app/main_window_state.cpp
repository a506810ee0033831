#include "app/main_window_state.h"

#include "analysis/collocations.h"
#include "analysis/metrics.h"
#include "corpus/big_buffer.h"
#include "corpus/numbers.h"
#include "corpus/text.h"
#include "lookup/count_word.h"
#include "overview/corpus_overview.h"
#include "variation/compare.h"

#include <algorithm>
#include <future>
#include <iterator>
#include <numeric>
#include <tuple>

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

FamilyPlaces family_places(const std::vector<VariantFamily>& families) {
    FamilyPlaces out;
    out.place.fill(-1);
    if (families.empty()) {
        // A corpus of the user's own read without families: say where they come from.
        out.note = "No variant families: Lexicon... proposes them from the corpus, or uses the "
                   "built-in British ones.";
        return out;
    }
    constexpr std::size_t kPlaces = std::size(kFamilyNames);
    std::vector<char> placed(families.size(), 0);
    // Each built-in list first, the first family of that list name.
    for (std::size_t p = 0; p < kPlaces; ++p) {
        for (std::size_t i = 0; i < families.size(); ++i) {
            if (!placed[i] && families[i].list == kFamilyNames[p].list) {
                out.place[p] = static_cast<int>(i);
                placed[i] = 1;
                break;
            }
        }
    }
    // Then the corpus's own families, in the data's order, in the free places.
    std::string moved;
    std::size_t p = 0;
    for (std::size_t i = 0; i < families.size(); ++i) {
        if (placed[i]) continue;
        while (p < kPlaces && out.place[p] >= 0) ++p;
        if (p == kPlaces) {
            out.elsewhere.push_back(i);
            continue;
        }
        out.place[p] = static_cast<int>(i);
        placed[i] = 1;
        moved += (moved.empty() ? "" : ", ") + families[i].caption;
    }
    if (moved.empty() && out.elsewhere.empty()) return out;
    const std::size_t shown = families.size() - out.elsewhere.size();
    if (out.elsewhere.empty()) {
        out.note =
            "The lists show all " + std::to_string(families.size()) + " of the corpus's families.";
    } else {
        const std::size_t more = out.elsewhere.size();
        out.note = "The lists show " + std::to_string(shown) + " of the corpus's " +
                   std::to_string(families.size()) + " families; " + std::to_string(more) +
                   (more == 1 ? " more family" : " more families") + " in Compare groups...";
    }
    if (!moved.empty()) out.tip = "In the places of the built-in lists: " + moved + ".";
    if (!out.elsewhere.empty()) {
        std::string rest;
        for (std::size_t i : out.elsewhere)
            rest += (rest.empty() ? "" : ", ") + families[i].caption;
        out.tip += std::string(out.tip.empty() ? "" : "\n") +
                   "Compared in Compare groups... only: " + rest + ".";
    }
    return out;
}

MainWindowState::MainWindowState(std::shared_ptr<const Corpus> corpus, Effects& effects)
    : corpus_(std::move(corpus)), store_(corpus_->store()), authors_(corpus_->authors()),
      glossary_(corpus_->glossary()), families_(corpus_->families()),
      index_(corpus_->authorIndex()), effects_(effects) {
    setUp();
}

void MainWindowState::setUp() {
    form1_.lblNumOfCorpusTexts = format_whole(store_.corpusTextCount());
    form1_.lstNonStandardForms.assign(glossary_.forms());
    form1_.lstNonStandardInterpretations.assign(glossary_.interpretations());
    for (const VariantFamily& f : families_) {
        FamilyState s;
        s.listName = f.list;
        s.stem = f.stem;
        s.list.assign(listed_items(f));
        form1_.families.push_back(std::move(s));
    }
}

const AuthorEntry* MainWindowState::entryOfRow(std::size_t k) const {
    if (k < store_.authorName.size()) return index_.entryOfRow(k);
    const long long name = store_.nameNumber(form3_.lblCodeName);
    return name < 0 ? nullptr : &index_[static_cast<std::size_t>(name)];
}

const AuthorEntry* MainWindowState::entryOfCode(const std::string& code) const {
    const std::span<const int> rows = index_.registerRowsOfCode(code);
    const std::size_t k = rows.empty() ? 0 : static_cast<std::size_t>(rows.back());
    if (k < store_.authorName.size()) return index_.entryOfRow(k);
    const long long name =
        store_.nameNumber(k < store_.authorNames.size() ? store_.authorNames[k] : std::string());
    return name < 0 ? nullptr : &index_[static_cast<std::size_t>(name)];
}

bool MainWindowState::foundIsCurrent() const {
    if (!foundEntry_ || foundEntry_->count() != form1_.lstTextsFound.size()) return false;
    for (std::size_t i = 0; i < foundEntry_->count(); ++i) {
        if (form1_.lstTextsFound[i] != rowOf(*foundEntry_, i)) return false;
    }
    return true;
}

bool MainWindowState::txtTextsIsCurrent() const {
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

// The selection and Get Author Data of one author inside the group run, for
// every author but the last. They run the same steps with the same effects and
// leave the same captions, the rows collected for the group and the work
// fields of the corpus window; only the author's own buffers (lstTextsFound,
// the author texts, txtTexts and lstNonStandards) are not filled, because the
// next selection empties them before anything reads them and the last author
// of the run is selected in full.
void MainWindowState::measureForGroup(int row) {
    form1_.AgeTable.selected = row;
    resetFamilyLabels();
    form1_.lstClusterPunc.clear();
    form1_.lstEducation.selected = row_in_range(form1_.lstEducation, row) ? row : -1;
    resetAuthorLabels();
    form1_.lstNonStandards.clear();
    form1_.cmdAuthorData = true;
    effects_.setFocus(FocusTarget::Form1);
    const std::span<const int> rows = index_.registerRowsOfCode(form1_.AgeTable.text());
    std::size_t k = 0;
    if (!rows.empty()) {
        k = static_cast<std::size_t>(rows.back());
        form3_.lblAuthorName = store_.authorCodes[k];
    }
    form3_.lblCodeName = k < store_.authorNames.size() ? store_.authorNames[k] : std::string();
    const AuthorEntry* a = entryOfRow(k);
    if (a && iequals(form1_.lblGoingGroup, "y") && !groupRowsByRun_) {
        for (std::size_t i = 0; i < a->count(); ++i) addGroupText(rowOf(*a, i));
    }
    if (!a || a->count() == 0) effects_.showMessage("No texts found");
    effects_.setFocus(FocusTarget::AgeTable);

    // The captions of Get Author Data, from the figures counted at start-up.
    AuthorCaptions c = author_captions(a);
    form1_.lblTextTotal = std::move(c[0]);
    form1_.lblAvTextLength = std::move(c[1]);
    form1_.lblNumOfCharacters = std::move(c[2]);
    form1_.lblAvWordClusterLength = std::move(c[3]);
    form1_.lblPuncDensity = std::move(c[4]);
    form1_.lblNonStandardFormDensity = std::move(c[5]);
    form1_.lblTotWords = std::move(c[6]);
    form1_.cmdGroupAverages = true;
}

// lstGroupTexts is emptied and refilled with a whole group's rows on every
// group query. The emptied rows are kept aside and refilled, so a query does
// not free and allocate every row again.
void MainWindowState::clearGroupTexts() {
    // Last row first, so the rows come back in the order they were taken out:
    // the same group again finds every row's room the right size.
    auto& rows = form1_.lstGroupTexts;
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) spareRows_.push_back(std::move(*r));
    form1_.lstGroupTexts.clear();
}

void MainWindowState::addGroupText(std::string_view row) {
    if (spareRows_.empty()) {
        form1_.lstGroupTexts.emplace_back(row);
        return;
    }
    std::string r = std::move(spareRows_.back());
    spareRows_.pop_back();
    r.assign(row);
    form1_.lstGroupTexts.push_back(std::move(r));
}

void MainWindowState::resetFamilyLabels() {
    for (FamilyState& f : form1_.families) f.Individual = f.InGroup = f.InCorpus = "0";
}

void MainWindowState::resetAuthorLabels() {
    form1_.lblTextTotal = form1_.lblAvTextLength = form1_.lblNumOfCharacters = "0";
    form1_.lblAvWordClusterLength = form1_.lblPuncDensity = form1_.lblNonStandardFormDensity = "0";
    form1_.lblTotWords = "0";
}

// ---- Step 1: the group query -------------------------------------------------

void MainWindowState::cmdAgeAndGender_Click() {
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
        if (iequals(authors_.genders[j], letter)) {
            form1_.GenderTable.push_back(authors_.codes[j]);
            genderRows_.push_back(static_cast<int>(j));
        }
    }
    bandFilter();
    cmdGroupAverages_Click();
}

void MainWindowState::bandFilter() {
    // The register rows whose code equals the row of GenderTable, in register
    // order (looked up, not searched).
    // With unique codes (the loaders make sure of it) the one row of a code is
    // the row it was copied from.
    const bool own_rows = index_.codesUnique() && genderRows_.size() == form1_.GenderTable.size();
    for (std::size_t i = 0; i < form1_.GenderTable.size(); ++i) {
        const std::string& code = form1_.GenderTable[i];
        const int one = own_rows ? genderRows_[i] : 0;
        for (int row : own_rows ? std::span<const int>(&one, 1) : index_.registerRowsOfCode(code)) {
            const auto j = static_cast<std::size_t>(row);
            if (j >= authors_.size()) continue;
            double texts = j < store_.textsPerAuthorCaptions.size()
                               ? read_leading_number(store_.textsPerAuthorCaptions[j])
                               : 0.0;
            if (texts > 0 && corpus_->bands().holds(read_age(authors_.ages[j]), form1_.ageOption)) {
                form1_.lstEducation.add(authors_.educations[j]);
                form1_.AgeTable.add(code);
            }
        }
    }
}

// ---- Step 2: the author ------------------------------------------------------

bool MainWindowState::selectAgeTable(int row) {
    if (!row_in_range(form1_.AgeTable, row)) return false;
    form1_.AgeTable.selected = row;
    AgeTable_Click();
    return true;
}

void MainWindowState::RemDatPunc_append(std::string_view row) {
    append_cleaned(form1_.txtIndividualsTexts, row, kRemDatPunc);
    append_cleaned(form1_.txtIndividualsTexts, " ", kRemDatPunc);
}

void MainWindowState::AgeTable_Click() {
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
    const std::span<const int> rows = index_.registerRowsOfCode(code);
    std::size_t k = 0;
    if (!rows.empty()) {
        k = static_cast<std::size_t>(rows.back());
        form3_.lblAuthorName = store_.authorCodes[k];
    }
    form3_.lblCodeName = k < store_.authorNames.size() ? store_.authorNames[k] : std::string();

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
            if (going_group && !groupRowsByRun_) addGroupText(r);
        }
    }
    if (form1_.lstTextsFound.empty()) effects_.showMessage("No texts found");
}

void MainWindowState::cmdAuthorData_Click() {
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

void MainWindowState::cmdNonStandards_Click() {
    std::vector<std::string> uses;
    if (txtTextsIsCurrent()) {
        // The author's uses were found and put in the list's order at start-up.
        uses = index_.uses(*foundEntry_);
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

void MainWindowState::cmdGroupAverages_Click() {
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
    // The group's rows (lstGroupTexts) and the group text are every text of
    // the group's authors, in the order of the authors, each text followed
    // by a blank in the text: they depend only on which authors the group
    // lists, so they are collected, joined and cleaned on a second thread
    // while the authors' figures are summed here. The rows and the two
    // strings keep their room from the last run.
    struct GroupText {
        std::vector<std::string> rows, spare;
        std::string text1, text2;
    };
    std::vector<const AuthorEntry*> entries;
    entries.reserve(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) entries.push_back(entryOfCode(form1_.AgeTable.items[i]));
    GroupText room{std::move(form1_.lstGroupTexts), std::move(spareRows_), std::move(form1_.Text1),
                   std::move(form1_.Text2)};
    form1_.lstGroupTexts.clear();
    spareRows_.clear();
    groupRowsByRun_ = true;
    struct RunEnds {
        bool& flag;
        ~RunEnds() { flag = false; }
    } runEnds{groupRowsByRun_};
    auto groupText = std::async(
        std::launch::async, [this, entries = std::move(entries), g = std::move(room)]() mutable {
            std::size_t joined = 0, count = 0;
            for (const AuthorEntry* a : entries) {
                if (!a) continue;
                joined += a->rowsLength + a->count();
                count += a->count();
            }
            g.rows.clear();
            g.rows.reserve(count);
            g.text1.clear();
            g.text2.clear();
            g.text1.reserve(joined);
            g.text2.reserve(joined);
            for (const AuthorEntry* a : entries) {
                if (!a) continue;
                for (std::size_t i = 0; i < a->count(); ++i) {
                    const std::string_view r = rowOf(*a, i);
                    if (g.spare.empty()) {
                        g.rows.emplace_back(r);
                    } else {
                        g.rows.push_back(std::move(g.spare.back()));
                        g.spare.pop_back();
                        g.rows.back().assign(r);
                    }
                    g.text1 += r;
                    g.text1 += ' ';
                }
            }
            return std::move(g);
        });
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

    GroupText g = groupText.get();
    // The cleaned group text. Cleaning row by row, each row followed by a
    // blank, is cleaning the joined rows in one pass, and that pass may be
    // cut anywhere: the two halves are cleaned side by side and joined, the
    // blank that opens the second dropped when the first ends with one (a run
    // of blanks across the cut is reduced to one either way).
    const std::string_view text1 = g.text1;
    const std::string_view later = text1.substr(text1.size() / 2);
    auto secondHalf = std::async(std::launch::async, [later] {
        std::string out;
        append_cleaned(out, later, kRepItOut);
        return out;
    });
    append_cleaned(g.text2, text1.substr(0, text1.size() / 2), kRepItOut);
    const std::string second = secondHalf.get();
    const bool merge =
        !g.text2.empty() && g.text2.back() == ' ' && !second.empty() && second.front() == ' ';
    g.text2.append(second, merge ? 1 : 0);
    form1_.lstGroupTexts = std::move(g.rows);
    spareRows_ = std::move(g.spare);
    form1_.Text1 = std::move(g.text1);
    form1_.Text2 = std::move(g.text2);
    effects_.setMainWidth(kDesignWidth);
    effects_.closeProgress();
    effects_.setMainWidth(kDesignWidth);
}

// ---- Non-standard forms and the glossary -----------------------------------------

bool MainWindowState::selectNonStandards(int row) {
    if (!row_in_range(form1_.lstNonStandards, row)) return false;
    form1_.lstNonStandards.selected = row;
    lstNonStandards_Click();
    return true;
}

bool MainWindowState::selectNonStandardForms(int row) {
    if (!row_in_range(form1_.lstNonStandardForms, row)) return false;
    form1_.lstNonStandardForms.selected = row;
    lstNonStandardForms_Click();
    return true;
}

void MainWindowState::selectNonStandardFormsByProgram(int row) {
    form1_.lstNonStandardForms.selected = row;
    lstNonStandardForms_Click();
}

void MainWindowState::lstNonStandards_Click() {
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
    form1_.lblWordTotal = format_whole(store_.cleanedIndex.total());
    form1_.lblInstancesOfSearchWord = format_whole(store_.cleanedIndex.count(word));
    effects_.setFocus(FocusTarget::lstNonStandards);
}

void MainWindowState::lstNonStandardForms_Click() {
    form1_.lblCorpusTotal = "0";
    const std::string& word = form1_.lstNonStandardForms.text();
    form1_.lblWordTotal = format_whole(store_.cleanedIndex.total());
    form1_.lblCorpusTotal = format_whole(store_.cleanedIndex.count(word));
}

// ---- Variant families and the word search --------------------------------------------

bool MainWindowState::selectFamily(std::size_t family, int row) {
    if (family >= form1_.families.size() || !row_in_range(form1_.families[family].list, row)) {
        return false;
    }
    form1_.families[family].list.selected = row;
    family_Click(family);
    return true;
}

bool MainWindowState::selectEducation(int row) {
    if (!row_in_range(form1_.lstEducation, row)) return false;
    form1_.lstEducation.selected = row;
    return true;
}

bool MainWindowState::selectClusterPunc(int row) {
    if (!row_in_range(form1_.lstClusterPunc, row)) return false;
    form1_.lstClusterPunc.selected = row;
    return true;
}

void MainWindowState::family_Click(std::size_t family) {
    if (family >= form1_.families.size()) return;
    FamilyState& f = form1_.families[family];
    const std::string word = f.list.text();
    f.Individual = format_whole(count_word(form1_.txtIndividualsTexts, word));
    f.InGroup = format_whole(count_word(form1_.Text2, word));
    f.InCorpus = format_whole(store_.cleanedIndex.count(word));
}

void MainWindowState::cmdSearchGroup_Click() {
    form1_.lblInstInGroup = "0";
    form1_.lblInstInGroup = format_whole(count_word(form1_.Text2, form1_.txtSearch));
}

void MainWindowState::cmdSearch_Click() {
    form1_.lblInstInCorpus = "0";
    form1_.lblWordTotal = format_whole(store_.cleanedIndex.total());
    form1_.lblInstInCorpus = format_whole(store_.cleanedIndex.count(form1_.txtSearch));
}

void MainWindowState::txtSearch_KeyDown(int keyCode) {
    if (keyCode != 13) return;
    cmdSearchGroup_Click();
    cmdSearch_Click();
}

// ---- Punctuation ------------------------------------------------------------------------

void MainWindowState::cmdPuncCount_Click() {
    form1_.lblPuncCount =
        format_whole(count_punctuation_kind(store_.corpusText, form1_.puncOption));
}

void MainWindowState::cmdClusterPunctuation_Click() {
    form1_.lstClusterPunc.assign(cluster_list(form1_.txtIndividualsTexts2));
}

// ---- Collocations -------------------------------------------------------------------------

void MainWindowState::cmdColls_Click() {
    const std::string word = form1_.lstNonStandardForms.text();
    form11_.Text1 = collocations(store_.cleanedText, store_.cleanedIndex, word);
    form11_.Label2 = word;
    form11_.open = true;
    effects_.showCollocationsForm();
}

void MainWindowState::Form11_Unload() {
    form11_ = CollocationsForm{};
}

// ---- The corpus data window -----------------------------------------------------------------

void MainWindowState::cmdGetCorpusData_Click() {
    if (!form4_.open) {
        form4_ = CorpusDataForm{};
        form4_.open = true;
    }
    effects_.showCorpusDataForm();
}

void MainWindowState::cmdAges_Click() {
    // Each click counts afresh, so a second click shows the same counts.
    AgeBreakdown b = age_breakdown(authors_, store_, corpus_->bands());
    form4_.lblUnder18s = format_whole(b.bands[0]);
    form4_.lbl18To25 = format_whole(b.bands[1]);
    form4_.lbl25To40 = format_whole(b.bands[2]);
    form4_.lbl41To60 = format_whole(b.bands[3]);
    form4_.lbl61Plus = format_whole(b.bands[4]);
}

void MainWindowState::cmdGender_Click() {
    GenderBreakdown b = gender_breakdown(authors_, store_);
    form4_.lblMale = format_whole(b.male);
    form4_.lblFemale = format_whole(b.female);
}

void MainWindowState::Form4_Unload() {
    form4_ = CorpusDataForm{};
}

} // namespace zapt
