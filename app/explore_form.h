// The state of the "Explore..." window as plain data, with one operation per
// user event. Four tabs: the subcorpora (the whole corpus always first), a
// word list of a subcorpus or an author code, keywords of one subcorpus
// against another or the rest of the corpus, and a concordance. Each tab's
// result is a result table (what the window shows, copies and exports) and a
// status line. No input, however odd, leaves the state half changed: an
// operation either does what it says or only sets the tab's status line.
//
// A table remembers the settings that made it: once any of them changes (a
// box, a choice, or the definition of a subcorpus it used) without the
// table being made again, the table is stale. The window marks it so, and
// its export still goes under the header of the settings that made it.
#pragma once

#include "explore/concordance.h"
#include "explore/form_index.h"
#include "explore/tables.h"
#include "explore/word_list.h"
#include "selection/subcorpus.h"
#include "variation/result_table.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zapt {

class ExploreForm {
public:
    // The window over a corpus: its store, register and glossary (which must
    // outlive the window) and the metadata columns of a corpus read from a
    // table. `dictionary` is the standard word list of the word list's filter.
    ExploreForm(const CorpusStore& store, const AuthorRegister& authors, const Glossary& glossary,
                std::vector<std::string> metadataColumns = {},
                std::vector<std::vector<std::string>> authorMetadata = {},
                std::string dictionary = kStandardWordList);
    // The same with the form index already built over `store` and `authors`
    // (a window may build it on a second thread while the corpus loads).
    ExploreForm(FormIndex index, const CorpusStore& store, const AuthorRegister& authors,
                const Glossary& glossary, std::vector<std::string> metadataColumns = {},
                std::vector<std::vector<std::string>> authorMetadata = {},
                std::string dictionary = kStandardWordList);
    ExploreForm(const ExploreForm&) = delete;
    ExploreForm& operator=(const ExploreForm&) = delete;

    enum class Tab { Subcorpora, WordList, Keywords, Concordance };
    // The B side of the keywords that is the rest of the corpus.
    static constexpr int kRestOfCorpus = -1;

    struct SubcorporaTab {
        std::vector<Subcorpus> list; // list[0] is the whole corpus
        std::string txtName, txtConditions;
        int selected = 0;
        ResultTable table;     // one row per subcorpus: name, conditions, authors, texts, words
        unsigned revision = 0; // counts the changes of `table`
        std::string status;
    };
    struct WordListTab {
        int scope = 0;       // a subcorpus
        bool byCode = false; // the forms of the author code txtCode instead
        std::string txtCode;
        bool glossaryOnly = false, notInDictionary = false;
        std::string txtPattern;
        ResultTable table;
        unsigned revision = 0; // counts the changes of `table`
        std::string status;
        std::string madeWith;  // the settings that made `table` (see settingsOf)
        std::string selection; // what the table is of, as its export header says it
    };
    struct KeywordsTab {
        int a = 0;
        int b = kRestOfCorpus;
        int minAuthors = kDefaultKeywordAuthors;
        ResultTable table;
        unsigned revision = 0; // counts the changes of `table`
        std::string status;
        std::string madeWith;  // the settings that made `table` (see settingsOf)
        std::string selection; // what the table is of, as its export header says it
    };
    struct ConcordanceTab {
        int scope = 0;
        std::string txtQuery;
        int context = kDefaultContext;
        ConcordanceSort sort = ConcordanceSort::Corpus;
        ResultTable table;
        unsigned revision = 0; // counts the changes of `table`
        std::string status;
        std::string madeWith;  // the settings that made `table` (see settingsOf)
        std::string selection; // what the table is of, as its export header says it
    };

    // The concordance tab shows at most this many lines (a table of every
    // line of the commonest word would take longer to make than to read).
    static constexpr std::size_t kLinesShown = 50000;
    // Every line of the last concordance, as copies of the whole table and
    // exports take them (the tab's table holds the first kLinesShown).
    ResultTable concordanceTable() const;

    Tab tab() const { return tab_; }
    const SubcorporaTab& subcorpora() const { return subcorpora_; }
    const WordListTab& wordList() const { return wordList_; }
    const KeywordsTab& keywords() const { return keywords_; }
    const ConcordanceTab& concordance() const { return concordance_; }
    const FormIndex& index() const { return index_; }
    const AuthorFields& fields() const { return fields_; }

    void tab_Click(Tab tab) { tab_ = tab; }

    // Whether the tab's table was made with settings other than those in the
    // boxes now (never for a tab without a table, nor for the subcorpora,
    // whose table follows every change at once).
    bool stale(Tab tab) const;
    // What the window says under a stale table; empty when it is not stale.
    std::string staleNote(Tab tab) const;
    // What the tab's table is of, for its export header ("keywords of young
    // against rest of the corpus"): always the settings that made the table.
    std::string exportSelection(Tab tab) const;

    // Subcorpora: a name and conditions ("age=16-25; gender=F", one per line
    // or separated by ";"); Define adds it, or replaces the one of that name.
    void txtName_Change(std::string text) { subcorpora_.txtName = std::move(text); }
    void txtConditions_Change(std::string text) { subcorpora_.txtConditions = std::move(text); }
    void cmdDefine_Click();
    // Selecting a subcorpus puts its name and conditions into the boxes.
    bool selectSubcorpus(int row);
    // Deletes the selected subcorpus (never the whole corpus); the tabs that
    // used it go back to the whole corpus.
    void cmdDelete_Click();

    // Word list.
    bool wordScope_Click(int subcorpus);
    void byCode_Click(bool on) { wordList_.byCode = on; }
    void txtCode_Change(std::string text) { wordList_.txtCode = std::move(text); }
    void glossaryOnly_Click(bool on) { wordList_.glossaryOnly = on; }
    void notInDictionary_Click(bool on) { wordList_.notInDictionary = on; }
    void txtPattern_Change(std::string text) { wordList_.txtPattern = std::move(text); }
    void cmdWordList_Click();

    // Keywords.
    bool keywordsA_Click(int subcorpus);
    bool keywordsB_Click(int subcorpus); // kRestOfCorpus for the rest
    void minAuthors_Change(int k) { keywords_.minAuthors = k < 0 ? 0 : k; }
    void cmdKeywords_Click();

    // Concordance.
    bool concordanceScope_Click(int subcorpus);
    void txtQuery_Change(std::string text) { concordance_.txtQuery = std::move(text); }
    void context_Change(int n);
    void cmdConcordance_Click();
    // Orders the lines shown; a new search keeps the order.
    void sort_Click(ConcordanceSort by);

    // Subcorpora kept between sessions, as (name, conditions): those of an
    // earlier session are read again (one that cannot be read now is left out
    // and named in the status line), and each change of the list (Define,
    // Delete) is reported to `subcorporaChanged`.
    void restoreSubcorpora(const std::vector<std::pair<std::string, std::string>>& kept);
    std::vector<std::pair<std::string, std::string>> keptSubcorpora() const;
    std::function<void()> subcorporaChanged;
    // The text fields of a table, named as such when a condition uses one;
    // with each text's values of them (one row per text of the corpus, one
    // value per column), a condition on a text field chooses texts.
    void setTextColumns(std::vector<std::string> columns,
                        std::vector<std::vector<std::string>> values = {});

private:
    Scope scopeOf(int subcorpus) const;
    // The settings of a tab as the boxes hold them now, as one text; a
    // subcorpus counts by its name and conditions.
    std::string settingsOf(Tab tab) const;
    std::string subcorpusName(int subcorpus) const;
    void refreshSubcorpora();
    void showLines();

    const CorpusStore* store_;
    std::vector<std::string> metadataColumns_;
    std::vector<std::vector<std::string>> authorMetadata_;
    std::vector<std::string> textColumns_;
    std::vector<std::vector<std::string>> textMetadata_;
    AuthorFields fields_;
    FormIndex index_;
    GlossaryForms glossary_;
    std::string dictionaryPath_;
    StandardWords dictionary_;
    bool dictionaryRead_ = false;
    Tab tab_ = Tab::Subcorpora;
    SubcorporaTab subcorpora_;
    WordListTab wordList_;
    KeywordsTab keywords_;
    ConcordanceTab concordance_;
    Concordance lines_; // the last search's lines, in the order shown
    std::string linesQuery_;
    int linesContext_ = kDefaultContext;
};

} // namespace zapt
