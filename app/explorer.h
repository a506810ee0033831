// The explorer: the program's data and state, with one operation per user
// event. Each operation does its steps in order and runs the other handlers
// those steps name, exactly as a click on the window would.
#pragma once

#include "analysis/glossary.h"
#include "app/main_form.h"
#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "corpus/data_files.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace zapt {

class Explorer {
public:
    // Start-up: builds the corpus store, counts the texts per author and fills
    // the main window's fixed lists. `effects` must outlive the explorer.
    Explorer(const DataSet& data, Effects& effects);

    MainForm form1;
    CorpusStore form3;
    AuthorRegister authors;
    CorpusDataForm form4;
    CollocationsForm form11;

    const Glossary& glossary() const { return glossary_; }
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

    // Twips widths of the main window.
    static constexpr int kDesignWidth = 16770;

private:
    void RemDatPunc_append(std::string_view row);
    void resetFamilyLabels();
    void resetAuthorLabels();
    void bandFilter();
    void selectNonStandardFormsByProgram(int row);

    Effects& effects_;
    Glossary glossary_;
    std::vector<VariantFamily> families_;
    // Text numbers of each per-text author name, folded to small letters.
    std::unordered_map<std::string, std::vector<int>> textsByName_;
};

} // namespace zapt
