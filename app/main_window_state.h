// The main window's state: what the main window shows, with one operation per user
// event. Each operation does its steps in order and runs the other handlers
// those steps name, exactly as a click on the window would.
#pragma once

#include "analysis/glossary.h"
#include "analysis/metrics.h"
#include "app/main_form.h"
#include "app/window_tables.h"
#include "authors/author_index.h"
#include "authors/group_figures.h"
#include "corpus/author_register.h"
#include "corpus/corpus.h"
#include "corpus/corpus_store.h"
#include "corpus/data_files.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace zapt {

// Where the main window shows the variant families. Its sixteen lists stand
// in fixed places, one per built-in family (kFamilyNames, in that order). A
// family whose list name is a built-in one stands in that list's place; every
// other family takes, in the data's order, a place whose built-in family the
// corpus lacks. A family that finds no place is compared in the comparison
// window only, and the main window says so: no family is left out unsaid.
struct FamilyPlaces {
    // Per place of kFamilyNames: the index of the family shown there
    // (into variantFamilies()), or -1 when the place stays empty.
    std::array<int, 16> place{};
    // The families without a place, in the data's order.
    std::vector<std::size_t> elsewhere;
    // One line for the main window ("The lists show 14 of the corpus's 20
    // families; 6 more families in Compare groups..."); empty when each family
    // stands in its own built-in list and none is left over. With no family
    // at all, where families come from.
    std::string note;
    // The families the lists show in other families' places, and those
    // without a place, by caption.
    std::string tip;
};

FamilyPlaces family_places(const std::vector<VariantFamily>& families);

class MainWindowState {
public:
    // Start-up over a loaded corpus: fills the main window's fixed lists.
    // `effects` must outlive the state.
    MainWindowState(std::shared_ptr<const Corpus> corpus, Effects& effects);

    // The state, read-only: only the operations below change it.
    const MainForm& form1() const { return form1_; }
    const CorpusForm& form3() const { return form3_; }
    const CorpusDataForm& form4() const { return form4_; }
    const CollocationsForm& form11() const { return form11_; }

    // The corpus the window shows.
    const Corpus& corpus() const { return *corpus_; }
    const std::shared_ptr<const Corpus>& sharedCorpus() const { return corpus_; }
    const CorpusStore& store() const { return store_; }
    const AuthorRegister& authors() const { return authors_; }
    const Glossary& glossary() const { return glossary_; }
    const AuthorIndex& authorIndex() const { return index_; }
    const std::vector<VariantFamily>& variantFamilies() const { return families_; }

    // Step 1: the group query.
    void cmdAgeAndGender_Click();
    // Step 2: selecting a row of AgeTable (by the user or by program).
    void AgeTable_Click();
    void cmdAuthorData_Click();
    void cmdNonStandards_Click();
    void cmdGroupAverages_Click();
    void lstNonStandards_Click();
    void lstNonStandardForms_Click();
    // A click on the list of variant family `family` (index into form1.families).
    void family_Click(std::size_t family);
    void cmdSearchGroup_Click();
    void cmdSearch_Click();
    void txtSearch_KeyDown(int keyCode);
    void cmdPuncCount_Click();
    void cmdClusterPunctuation_Click();
    void cmdColls_Click();
    void cmdGetCorpusData_Click();
    void cmdAges_Click();
    void cmdGender_Click();
    void Form4_Unload();
    void Form11_Unload();

    // A user's click on a row of a list: selects it and runs the list's handler.
    // Returns false (and changes nothing) for a row out of range.
    bool selectAgeTable(int row);
    bool selectNonStandards(int row);
    bool selectNonStandardForms(int row);
    bool selectFamily(std::size_t family, int row);
    // Rows of the lists whose click only moves their own highlight.
    bool selectEducation(int row);
    bool selectClusterPunc(int row);

    // The option buttons and the search box: they only record the choice,
    // which the next query reads.
    void ageOption_Click(AgeBand band) { form1_.ageOption = band; }
    void genderOption_Click(Gender gender) { form1_.genderOption = gender; }
    void puncOption_Click(PuncOption option) { form1_.puncOption = option; }
    void txtSearch_Change(std::string text) { form1_.txtSearch = std::move(text); }

    // What the panels show after the query of a group, worked out from the
    // author index without changing the state (see group_figures).
    using GroupFigures = zapt::GroupFigures;
    GroupFigures groupFigures(AgeBand band, Gender gender) const {
        return group_figures(index_, corpus_->bands(), band, gender);
    }

    // Tests and benchmarks set up states no window event can make (a code
    // without texts in AgeTable, say) through this friend; the windows never do.
    friend struct MainWindowStateTestAccess;

    // Twips widths of the main window.
    static constexpr int kDesignWidth = 16770;

private:
    std::shared_ptr<const Corpus> corpus_;
    const CorpusStore& store_;
    const AuthorRegister& authors_;
    const Glossary& glossary_;
    const std::vector<VariantFamily>& families_;
    const AuthorIndex& index_;
    MainForm form1_;
    CorpusForm form3_;
    CorpusDataForm form4_;
    CollocationsForm form11_;

    void RemDatPunc_append(std::string_view row);
    void resetFamilyLabels();
    void resetAuthorLabels();
    void bandFilter();
    void selectNonStandardFormsByProgram(int row);
    void setUp();
    void clearGroupTexts();
    void measureForGroup(int row);
    void addGroupText(std::string_view row);
    // Whether lstTextsFound holds the rows of the texts found_ names, as the
    // last author selection left them.
    bool foundIsCurrent() const;
    // Whether txtTexts is the joined rows of found_ plus the final blank.
    bool txtTextsIsCurrent() const;
    Effects& effects_;
    // The entry of the name of register row k (of the selected name when
    // there is no such row); nothing when no text has it.
    const AuthorEntry* entryOfRow(std::size_t k) const;
    // The entry an author selection of `code` finds (the last register row of
    // the code, row 0 when there is none), as AgeTable_Click finds it.
    const AuthorEntry* entryOfCode(const std::string& code) const;
    // Row i of an entry's texts.
    std::string_view rowOf(const AuthorEntry& a, std::size_t i) const {
        return AuthorIndex::row(store_, a, i);
    }
    // The entry whose texts the last author selection put into lstTextsFound.
    const AuthorEntry* foundEntry_ = nullptr;
    // The register row of each row of GenderTable.
    std::vector<int> genderRows_;
    // Rows taken out of lstGroupTexts, kept for their room.
    std::vector<std::string> spareRows_;
    // The group run collects lstGroupTexts on its second thread: the
    // selections inside it add no rows of their own.
    bool groupRowsByRun_ = false;
};

} // namespace zapt
