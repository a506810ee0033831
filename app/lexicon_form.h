// The state of the "Lexicon..." window as plain data, with one operation per
// user event: the proposals of the corpus's own lexicon, listed by frequency
// and filtered by kind and status; the selected form's candidates and a few
// private concordance lines; the linguist's decisions (accept a candidate,
// type an interpretation, set the kind, reject, reset, accept every variant
// above a score), each one step of an undo/redo history; and the variant
// families the accepted variants make (rename, merge, split, keep).
//
// Proposing takes about half a second on the built-in corpus and longer on a
// large one, so it runs on a second thread: the state says so in its status
// line and lists nothing until the proposals are taken in whole. No input,
// however odd, leaves the state half changed: an operation either does what
// it says or only sets the status line.
#pragma once

#include "corpus/corpus.h"
#include "lexicon/dictionary.h"
#include "lexicon/lexicon.h"
#include "lexicon/lexicon_file.h"
#include "results/result_table.h"

#include <cstddef>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <vector>

namespace zapt {

// The concordance lines shown for the selected form.
inline constexpr std::size_t kLexiconLines = 3;

class LexiconForm {
public:
    // The window over a corpus (which must outlive the state); `dictionary`
    // makes the standard dictionary in force (on the second thread).
    LexiconForm(const Corpus& corpus, std::function<StandardDictionary()> dictionary,
                ProposalSettings settings = {});
    // Over Debian's British word list.
    explicit LexiconForm(const Corpus& corpus);
    LexiconForm(const LexiconForm&) = delete;
    LexiconForm& operator=(const LexiconForm&) = delete;
    // Waits for the proposing still running.
    ~LexiconForm();

    // ---- Proposing
    // Starts proposing on the second thread (nothing when it runs or is done).
    void cmdPropose_Click();
    bool proposing() const { return work_.valid(); }
    bool ready() const { return ready_; }
    // Takes the proposals in once they are made (waiting for them when
    // `wait`); true when the state changed.
    bool poll(bool wait = false);

    // ---- The list of proposals
    // The kind and status shown (nothing: all).
    void cboKind_Change(std::optional<LexKind> kind);
    void cboStatus_Change(std::optional<LexStatus> status);
    // form, count, authors_using, kind, status, interpretation, score: one row
    // per listed entry, in list order (by count).
    const ResultTable& table() const { return table_; }
    // The entries listed, as indices into lexicon().
    const std::vector<std::size_t>& rows() const { return rows_; }
    // Selects a row of table() (-1: none): its candidates and lines.
    void lstForms_Click(int row);
    int selected() const { return selected_; }
    // The selected form's candidates: candidate, score, process.
    const ResultTable& candidates() const { return candidates_; }
    // A few private concordance lines of the selected form: code, left, hit,
    // right (the concordance's privacy rule: never more than half a text,
    // author codes only).
    const ResultTable& lines() const { return lines_; }

    // ---- Decisions on the selected form (one step each)
    // Accepts the proposal: a variant's best candidate, another kind as that
    // kind (an unresolved form has nothing to accept).
    void cmdAccept_Click();
    // Accepts a row of candidates() (a form of another kind then becomes a
    // variant of that word).
    void lstCandidates_DblClick(int candidate);
    void cmdAcceptTyped_Click(const std::string& interpretation);
    void cboSetKind_Change(LexKind kind);
    void cmdReject_Click();
    void cmdReset_Click();
    // Accepts the best candidate of every proposed variant listed whose best
    // score is at least `score` (typed: a number from 0 to 1).
    void cmdAcceptAbove_Click(const std::string& score);
    // Accepts the built-in British glossary's interpretations for the forms
    // still proposed.
    void cmdMergeBritish_Click();
    void cmdUndo_Click();
    void cmdRedo_Click();
    bool canUndo() const { return ready_ && lexicon_.canUndo(); }
    bool canRedo() const { return ready_ && lexicon_.canRedo(); }

    // ---- Families
    // family, standard, variants, kept: one row per family of
    // lexicon().families().
    const ResultTable& familiesTable() const { return families_; }
    void lstFamilies_Click(int row);
    int selectedFamily() const { return selectedFamily_; }
    void cmdRenameFamily_Click(const std::string& name);
    // Merges family `from` into the selected one.
    void cmdMergeFamily_Click(int from);
    // Moves the variants typed (blank-separated) into a new family `name`.
    void cmdSplitFamily_Click(const std::string& forms, const std::string& name);
    void chkKeep_Click(bool keep);

    // ---- Files
    // Where the lexicon is saved by default (a path without extension: see
    // save_lexicon), the corpus's name for the file, and the lexicon the
    // corpus was read with, whose decisions apply once the proposals are made.
    void setFiles(std::string base, std::string corpusName,
                  std::optional<LexiconFile> inForce = std::nullopt);
    const std::string& saveBase() const { return base_; }
    // Whether the corpus is one of the user's own (not the built-in one).
    bool ownCorpus() const { return corpus_.source() != "built-in"; }
    // What the corpus is read with now (applied_lists: "lexicon: NAME (...)",
    // "glossary: none"...), joined; empty: the built-in corpus's own lists.
    void setInForce(const std::vector<std::string>& applied);
    // The line the window shows about it.
    const std::string& inForce() const { return inForce_line_; }
    // Saves the lexicon at `base` (blank: saveBase()); the JSON file written,
    // or nothing with the status line saying why.
    std::optional<std::string> cmdSave_Click(const std::string& base);

    // ---- What the window shows and gives
    const Lexicon& lexicon() const { return lexicon_; }
    const std::string& status() const { return status_; }
    // Counts the changes of what the window shows.
    unsigned revision() const { return revision_; }
    // The lexicon to apply to the corpus: its accepted forms as the glossary,
    // its kept families, named by its caption.
    CorpusLexicon corpusLexicon() const;

private:
    void refresh(); // rows, tables and selection after any change
    void decided(bool changed, const std::string& what);
    const LexiconEntry* selectedEntry() const;

    const Corpus& corpus_;
    std::function<StandardDictionary()> makeDictionary_;
    ProposalSettings settings_;
    struct Made {
        std::vector<Proposal> proposals;
        std::string dictionary; // its name
    };
    std::future<Made> work_;
    std::string dictionaryName_;
    std::string base_, corpusName_;
    std::optional<LexiconFile> inForce_;
    std::string inForce_line_ = "In force: the built-in glossary and variant families.";
    bool ready_ = false;
    Lexicon lexicon_;
    LexiconFilter filter_;
    std::vector<std::size_t> rows_;
    ResultTable table_, candidates_, lines_, families_;
    int selected_ = -1;
    std::string selectedForm_;
    int selectedFamily_ = -1;
    std::string selectedFamilyName_;
    std::string status_;
    unsigned revision_ = 0;
};

} // namespace zapt
