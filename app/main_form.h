// The state of the main window and of the two windows that show results, as
// plain data named after their controls. The handlers change only this state;
// the windows show it.
#pragma once

#include "analysis/punctuation.h"
#include "app/controls.h"
#include "selection/age_band.h"

#include <string>
#include <vector>

namespace zapt {

// One variant family: its list and its three result labels (individual, group
// and corpus counts), named lbl<stem>Individual, lbl<stem>InGroup, lbl<stem>InCorpus.
struct FamilyState {
    std::string listName; // e.g. "lstBeen"
    std::string stem;     // e.g. "Been"
    ListBox list;
    std::string Individual = "0";
    std::string InGroup = "0";
    std::string InCorpus = "0";
};

struct MainForm {
    // Step 1: the group.
    AgeBand ageOption = AgeBand::Under18;
    Gender genderOption = Gender::Female;
    std::vector<std::string> GenderTable;
    ListBox AgeTable;
    ListBox lstEducation;

    // Group averages and the group text.
    std::string NumOfGroupTexts = "0";
    std::string lblNumOfGroupTexts2 = "0"; // mirrors NumOfGroupTexts at every moment
    std::string GroupAvTextLength = "0";
    std::string GroupAvNumOfCharacters = "0";
    std::string GroupAvWordClusterLength = "0";
    std::string GroupAvPuncDensity = "0";
    std::string GroupNonStandardFormsDensity = "0";
    std::vector<std::string> lstGroupTexts;
    std::string Text1; // the group's rows joined, uncleaned
    std::string Text2; // the group text
    std::string lblGoingGroup = "n";
    std::string lblIndex = "0";
    bool cmdGroupAverages = false; // enabled flag of the hidden command

    // Step 2: the author.
    std::vector<std::string> lstTextsFound;
    std::string txtIndividualsTexts;  // the author text (cleaned)
    std::string txtIndividualsTexts2; // the separated author text
    std::string txtTexts;             // the joined author texts for the metrics
    bool cmdAuthorData = false;
    std::string lblTextTotal = "0";
    std::string lblAvTextLength = "0";
    std::string lblNumOfCharacters = "0";
    std::string lblAvWordClusterLength = "0";
    std::string lblPuncDensity = "0";
    std::string lblNonStandardFormDensity = "0";
    std::string lblTotWords = "0";

    // Non-standard forms and the glossary.
    ListBox lstNonStandards; // sorted
    ListBox lstNonStandardForms;
    ListBox lstNonStandardInterpretations; // never shown; its selection pairs with the forms
    std::string lblForm;
    std::string lblInterpretation;
    std::string lblInstancesOfSearchWord = "0";
    std::string lblCorpusTotal = "0";
    std::string lblWordTotal = "0";

    // Word search.
    std::string txtSearch = "4get";
    bool cmdSearchGroup = false;
    bool cmdSearch = false;
    std::string lblInstInGroup = "0";
    std::string lblInstInCorpus = "0";

    // Punctuation.
    PuncOption puncOption = PuncOption::Stops;
    std::string lblPuncCount = "0";
    ListBox lstClusterPunc;

    // The sixteen variant families, in the order of the data file.
    std::vector<FamilyState> families;

    std::string lblNumOfCorpusTexts = "0";

    void setNumOfGroupTexts(std::string caption) {
        NumOfGroupTexts = caption;
        lblNumOfGroupTexts2 = std::move(caption);
    }
};

// The corpus data window: counts of authors with texts by age band and gender.
// The corpus window (Form3), never shown: the selected author's code and the
// name of the texts the selection gathers.
struct CorpusForm {
    std::string lblCodeName;
    std::string lblAuthorName;
};

struct CorpusDataForm {
    bool open = false;
    std::string lblUnder18s = "0";
    std::string lbl18To25 = "0";
    std::string lbl25To40 = "0";
    std::string lbl41To60 = "0";
    std::string lbl61Plus = "0";
    std::string lblMale = "0";
    std::string lblFemale = "0";
};

// The collocations window: the selected form and the collocation string.
struct CollocationsForm {
    bool open = false;
    std::string Label2;
    std::string Text1;
};

// Where the handlers put the keyboard focus.
enum class FocusTarget { Form1, AgeTable, lstNonStandards };

// Effects that leave the state: the windows implement them, the tests record them.
class Effects {
public:
    virtual ~Effects() = default;
    virtual void showProgress() {}
    virtual void closeProgress() {}
    virtual void setMainWidth(int /*twips*/) {}
    virtual void showMessage(const std::string& /*text*/) {}
    virtual void setFocus(FocusTarget /*target*/) {}
    virtual void showCorpusDataForm() {}
    virtual void showCollocationsForm() {}
};

} // namespace zapt
