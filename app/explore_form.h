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

#include "corpus/author_register.h"
#include "corpus/corpus.h"
#include "corpus/corpus_store.h"
#include "explore/concordance.h"
#include "explore/emoticons.h"
#include "explore/form_index.h"
#include "explore/tables.h"
#include "explore/word_list.h"
#include "results/result_table.h"
#include "selection/subcorpus.h"

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zapt {

// A second corpus whose whole is B of the keywords (a reference corpus): read
// as Open corpus reads one, its pieces cut with the window's emoticon list.
struct ReferenceCorpus {
    std::string name;  // "built-in", "table PATH", "folder PATH"
    std::string bands; // its age bands as given (they change no figure); empty: none given
    CorpusStore store;
    AuthorRegister authors;
    std::vector<std::string> notes; // what its reading changed or left out
};

class ExploreForm {
public:
    // The window over a corpus (which must outlive the window): its texts,
    // authors and their fields, glossary and form index. `dictionary` is the
    // standard word list of the word list's filter.
    explicit ExploreForm(const Corpus& corpus, std::string dictionary = kStandardWordList);
    ExploreForm(const ExploreForm&) = delete;
    ExploreForm& operator=(const ExploreForm&) = delete;
    // Waits for work still running on the second thread.
    ~ExploreForm();

    enum class Tab { Subcorpora, WordList, Keywords, Concordance };
    // The B side of the keywords that is the rest of the corpus.
    static constexpr int kRestOfCorpus = -1;
    // The B side of the keywords that is the whole reference corpus.
    static constexpr int kReferenceCorpus = -2;

    // The forms a word list or the keywords leave out: a count floor, numbers
    // and placeholders, and a stop list read from a file when the table is
    // made.
    struct Filters {
        std::uint64_t minCount = 0;
        bool noNumbers = false;
        std::string txtStopList;  // a file; empty: none
        std::string stopListNote; // "FILE (12 forms)", or why it cannot be read
    };

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
        std::uint32_t minAuthors = 0; // forms used by at least this many authors
        Filters filters;
        ResultTable table;
        unsigned revision = 0; // counts the changes of `table`
        std::string status;
        std::string madeWith;  // the settings that made `table` (see settingsOf)
        std::string selection; // what the table is of, as its export header says it
        Subcorpus madeOf;      // the subcorpus that made `table` (none for a code's list)
        bool madeByCode = false;
    };
    struct KeywordsTab {
        int a = 0;
        int b = kRestOfCorpus;
        int minAuthors = kDefaultKeywordAuthors;
        Filters filters;
        // The reference corpus to read: a folder, a table or "built-in", with
        // its age bands (optional, as --bands reads them).
        std::string txtReference, txtReferenceBands;
        std::string referenceNote; // which reference corpus is in force, or why none
        ResultTable table;
        unsigned revision = 0; // counts the changes of `table`
        std::string status;
        std::string madeWith;  // the settings that made `table` (see settingsOf)
        std::string selection; // what the table is of, as its export header says it
        Subcorpus madeOf;      // A of `table`
    };
    struct ConcordanceTab {
        int scope = 0;
        std::string txtQuery;
        bool literal = false; // the query is a form (or a phrase of forms): * and ? are characters
        int context = kDefaultContext;
        ConcordanceSort sort = ConcordanceSort::Corpus;
        // The author fields shown beside each line, named as fieldChoices()
        // names them, in that order.
        std::vector<std::string> fields{"band", "gender"};
        ResultTable table;
        unsigned revision = 0; // counts the changes of `table` and `tally`
        ResultTable tally;     // the hits per group of the fields
        std::string status;
        std::string madeWith;  // the settings that made `table` (see settingsOf)
        std::string selection; // what the table is of, as its export header says it
    };

    // The emoticon list in force: the form index cuts the pieces with it.
    enum class EmoticonChoice { Builtin, File, None };
    struct EmoticonsBox {
        EmoticonChoice choice = EmoticonChoice::Builtin;
        std::string txtFile;
        std::string status; // the list in force, or what is being built, or why not
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
    const EmoticonsBox& emoticons() const { return emoticons_; }
    const FormIndex& index() const { return *index_; }
    const AuthorFields& fields() const { return fields_; }
    // The reference corpus read (none yet: null).
    const ReferenceCorpus* reference() const { return reference_.get(); }

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
    // The same for the concordance's tally of hits per group.
    std::string tallySelection() const;

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
    void wordMinAuthors_Change(long long k);
    void cmdWordList_Click();

    // The filters of the word list (Tab::WordList) and of the keywords
    // (Tab::Keywords); other tabs are left alone.
    void minCount_Change(Tab tab, long long k);
    void noNumbers_Click(Tab tab, bool on);
    void txtStopList_Change(Tab tab, std::string path);
    // Reads the stop list named in the box, to say how many forms it holds
    // (or why it cannot be read) before a table is made with it.
    void stopList_Check(Tab tab);

    // Keywords.
    bool keywordsA_Click(int subcorpus);
    // A subcorpus, kRestOfCorpus, or kReferenceCorpus once one is read.
    bool keywordsB_Click(int subcorpus);
    void minAuthors_Change(int k) { keywords_.minAuthors = k < 0 ? 0 : k; }
    void cmdKeywords_Click();
    // The reference corpus: a folder, a CSV/TSV table or "built-in" (a file
    // of that name is "./built-in"), with age bands as --bands reads them.
    void txtReference_Change(std::string path) { keywords_.txtReference = std::move(path); }
    void txtReferenceBands_Change(std::string bands) {
        keywords_.txtReferenceBands = std::move(bands);
    }
    // Starts reading the corpus named in the box on a second thread (see
    // working and takeWork); once read it is B. A corpus that cannot be read
    // leaves everything as it was and says why in the keywords' status line.
    void cmdReference_Click();
    // Forgets the reference corpus; B becomes the rest of the corpus.
    void cmdClearReference_Click();

    // Concordance.
    bool concordanceScope_Click(int subcorpus);
    void txtQuery_Change(std::string text) { concordance_.txtQuery = std::move(text); }
    void literal_Click(bool on) { concordance_.literal = on; }
    void context_Change(int n);
    void cmdConcordance_Click();
    // Orders the lines shown; a new search keeps the order.
    void sort_Click(ConcordanceSort by);
    // The author fields a line can show: band, gender, education,
    // native_language and the metadata columns of the corpus.
    const std::vector<std::string>& fieldChoices() const { return fieldNames_; }
    // Shows field `name` beside the lines or not; the lines and the tally are
    // shown again at once. False for a name not among fieldChoices().
    bool lineField_Click(const std::string& name, bool on);

    // The emoticon list: the built-in one, a file of one's own, or none.
    // Reads a file at once (one that cannot be read changes nothing and says
    // why), then builds the form index with the list on a second thread (see
    // working and takeWork); every table made before is then stale.
    void txtEmoticonsFile_Change(std::string path) { emoticons_.txtFile = std::move(path); }
    void emoticons_Change(EmoticonChoice choice);

    // Work on the second thread: a form index with another emoticon list, or
    // a reference corpus being read. Only one at a time; asking for another
    // meanwhile says to wait.
    bool working() const { return work_.valid(); }
    // Takes finished work in: true when it was (the state changed). With
    // `wait`, waits for it first.
    bool takeWork(bool wait = false);

    // Click through. The concordance of the form of a row of the word list or
    // the keywords (a table row), in the subcorpus that made the table (the
    // keywords' A), the form searched as it is written (* and ? are
    // characters). False, with the tab's status saying why, when the row or
    // its subcorpus is gone.
    bool wordListRow_Concordance(int row);
    bool keywordsRow_Concordance(int row);
    // The concordance of `form` as written, in subcorpus `scope` (0: the
    // whole corpus), on the concordance tab.
    void concordanceOf(const std::string& form, int scope = 0);
    // What the comparison window compares for the concordance's tally: the
    // form (for a pattern, every form of its lines) as the comparison's own
    // forms, over the grouping of the tally's fields (one or two). False, with
    // the concordance's status saying why, when there is nothing to compare
    // that way.
    bool tallyComparison(std::string* forms, std::string* groupBy);

    // Subcorpora kept between sessions, as (name, conditions): those of an
    // earlier session are read again (one that cannot be read now is left out
    // and named in the status line), and each change of the list (Define,
    // Delete) is reported to `subcorporaChanged`.
    void restoreSubcorpora(const std::vector<std::pair<std::string, std::string>>& kept);
    std::vector<std::pair<std::string, std::string>> keptSubcorpora() const;
    std::function<void()> subcorporaChanged;

private:
    Scope scopeOf(int subcorpus) const;
    // The settings of a tab as the boxes hold them now, as one text; a
    // subcorpus counts by its name and conditions.
    std::string settingsOf(Tab tab) const;
    std::string subcorpusName(int subcorpus) const;
    // The place of a subcorpus of that name and those conditions; -1 when none.
    int subcorpusPlace(const Subcorpus& s) const;
    void refreshSubcorpora();
    void showLines();
    LineFields lineFields() const;
    // The filters of a tab's boxes, the stop list read; nothing with the
    // tab's status set when it cannot be read.
    std::optional<FormFilter> filterOf(Filters& boxes, std::string& status);
    std::string busyNote() const;

    struct Work;
    const CorpusStore* store_;
    const AuthorRegister* authors_;
    AuthorFields fields_;
    std::shared_ptr<const FormIndex> index_;
    std::vector<GroupField> fieldChoices_;
    std::vector<std::string> fieldNames_;
    GlossaryForms glossary_;
    std::string dictionaryPath_;
    StandardWords dictionary_;
    bool dictionaryRead_ = false;
    Tab tab_ = Tab::Subcorpora;
    SubcorporaTab subcorpora_;
    WordListTab wordList_;
    KeywordsTab keywords_;
    ConcordanceTab concordance_;
    EmoticonsBox emoticons_;
    std::shared_ptr<const ReferenceCorpus> reference_;
    std::shared_ptr<const FormIndex> referenceIndex_; // cut with the same emoticons as index_
    Concordance lines_;                               // the last search's lines, in the order shown
    std::shared_ptr<const FormIndex> linesIndex_;     // the index the lines were found in
    std::string linesQuery_;
    bool linesLiteral_ = false;
    int linesContext_ = kDefaultContext;
    std::future<std::shared_ptr<Work>> work_;
    std::string workWhat_; // what the work is doing, for the status lines
};

} // namespace zapt
