#include "app/lexicon_form.h"

#include "app/corpus_source.h"
#include "corpus/data_files.h"
#include "explore/concordance.h"
#include "explore/pattern.h"
#include "explore/tables.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <sstream>

namespace zapt {
namespace {

std::string joined(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words) {
        if (!out.empty()) out += ' ';
        out += w;
    }
    return out;
}

std::optional<double> score_of(const std::string& typed) {
    std::string s = typed;
    s.erase(0, s.find_first_not_of(" \t"));
    s.erase(s.find_last_not_of(" \t") + 1);
    double v = 0;
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(s.data(), end, v);
    if (s.empty() || r.ec != std::errc() || r.ptr != end || !std::isfinite(v) || v < 0 || v > 1)
        return std::nullopt;
    return v;
}

} // namespace

LexiconForm::LexiconForm(const Corpus& corpus, std::function<StandardDictionary()> dictionary,
                         ProposalSettings settings)
    : corpus_(corpus), makeDictionary_(std::move(dictionary)), settings_(settings) {
    status_ = "Press Propose to list the forms outside the standard dictionary.";
    table_.title = "Lexicon proposals";
    table_.columns = {"form",   "count",          "authors_using", "kind",
                      "status", "interpretation", "score"};
    candidates_.title = "Candidates";
    candidates_.columns = {"candidate", "score", "process"};
    lines_.title = "Concordance lines";
    lines_.columns = {"code", "left", "hit", "right"};
    families_.title = "Variant families";
    families_.columns = {"family", "standard", "variants", "kept"};
}

LexiconForm::LexiconForm(const Corpus& corpus)
    : LexiconForm(corpus, [] { return StandardDictionary::choose("british"); }) {}

LexiconForm::~LexiconForm() {
    if (work_.valid()) work_.wait();
}

void LexiconForm::cmdPropose_Click() {
    if (work_.valid() || ready_) return;
    const Corpus* corpus = &corpus_;
    auto make = makeDictionary_;
    const ProposalSettings settings = settings_;
    work_ = std::async(std::launch::async, [corpus, make, settings] {
        const StandardDictionary dictionary = make();
        if (!dictionary.available())
            throw std::runtime_error("the standard dictionary " + dictionary.name() +
                                     " cannot be read (Debian's wbritish package installs it)");
        Proposer proposer(corpus->forms(), dictionary, &corpus->store());
        return Made{proposer.propose_all(settings), dictionary.name()};
    });
    status_ = "Proposing: finding the forms outside the standard dictionary and their "
              "candidates...";
    ++revision_;
}

bool LexiconForm::poll(bool wait) {
    if (!work_.valid()) return false;
    if (!wait && work_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return false;
    try {
        Made made = work_.get();
        dictionaryName_ = std::move(made.dictionary);
        lexicon_ = Lexicon(std::move(made.proposals), "corpus lexicon");
        ready_ = true;
        status_ = std::to_string(lexicon_.size()) + " forms proposed: seen at least " +
                  std::to_string(settings_.minCount) + " times, outside the standard dictionary (" +
                  dictionaryName_ + ").";
        if (inForce_) {
            apply_lexicon_file(lexicon_, *inForce_);
            // The saved decisions are where the work starts, not a step to undo.
            lexicon_.forgetHistory();
            status_ += " The decisions of " + inForce_->path + " apply.";
        }
    } catch (const std::exception& e) {
        status_ = std::string("No proposals: ") + e.what() + ".";
    }
    refresh();
    return true;
}

void LexiconForm::cboKind_Change(std::optional<LexKind> kind) {
    filter_.kind = kind;
    refresh();
}

void LexiconForm::cboStatus_Change(std::optional<LexStatus> status) {
    filter_.status = status;
    refresh();
}

void LexiconForm::lstForms_Click(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        selectedForm_.clear();
    } else {
        selectedForm_ = lexicon_.entry(rows_[static_cast<std::size_t>(row)]).proposal.form;
    }
    refresh();
}

const LexiconEntry* LexiconForm::selectedEntry() const {
    if (selected_ < 0) return nullptr;
    return &lexicon_.entry(rows_[static_cast<std::size_t>(selected_)]);
}

void LexiconForm::decided(bool changed, const std::string& what) {
    status_ = changed ? what : "Nothing changed: " + what;
    refresh();
}

void LexiconForm::cmdAccept_Click() {
    const LexiconEntry* e = selectedEntry();
    if (!e) {
        status_ = "Select a form first.";
        ++revision_;
        return;
    }
    const Decision& d = e->decision;
    if (d.kind == LexKind::Unresolved) {
        status_ = "\"" + e->proposal.shown +
                  "\" is unresolved: choose a candidate, type an "
                  "interpretation or set its kind.";
        ++revision_;
        return;
    }
    if (d.kind == LexKind::Variant && e->proposal.candidates.empty() && d.interpretation.empty()) {
        status_ = "\"" + e->proposal.shown + "\" has no candidate: type an interpretation.";
        ++revision_;
        return;
    }
    const std::string what =
        d.kind == LexKind::Variant
            ? "\"" + e->proposal.shown + "\" accepted as \"" +
                  (e->proposal.candidates.empty() ? d.interpretation
                                                  : e->proposal.candidates[0].text) +
                  "\"."
            : "\"" + e->proposal.shown + "\" accepted as " + kind_name(d.kind) + ".";
    decided(lexicon_.accept(e->proposal.form, 0), what);
}

void LexiconForm::lstCandidates_DblClick(int candidate) {
    const LexiconEntry* e = selectedEntry();
    if (!e) {
        status_ = "Select a form first.";
        ++revision_;
        return;
    }
    if (candidate < 0 || static_cast<std::size_t>(candidate) >= e->proposal.candidates.size()) {
        status_ = "\"" + e->proposal.shown + "\" has no such candidate.";
        ++revision_;
        return;
    }
    const auto k = static_cast<std::size_t>(candidate);
    const std::string text = e->proposal.candidates[k].text;
    const std::string what = "\"" + e->proposal.shown + "\" accepted as \"" + text + "\".";
    // A form listed as another kind becomes a variant of the word chosen.
    decided(e->decision.kind == LexKind::Variant ? lexicon_.accept(e->proposal.form, k)
                                                 : lexicon_.acceptAs(e->proposal.form, text),
            what);
}

void LexiconForm::cmdAcceptTyped_Click(const std::string& interpretation) {
    const LexiconEntry* e = selectedEntry();
    if (!e) {
        status_ = "Select a form first.";
        ++revision_;
        return;
    }
    const std::string shown = e->proposal.shown;
    if (interpretation.find_first_not_of(" \t\r\n") == std::string::npos) {
        status_ = "Type the interpretation of \"" + shown + "\" first.";
        ++revision_;
        return;
    }
    decided(lexicon_.acceptAs(e->proposal.form, interpretation),
            "\"" + shown + "\" accepted as typed.");
}

void LexiconForm::cboSetKind_Change(LexKind kind) {
    const LexiconEntry* e = selectedEntry();
    if (!e) {
        status_ = "Select a form first.";
        ++revision_;
        return;
    }
    decided(lexicon_.setKind(e->proposal.form, kind),
            "\"" + e->proposal.shown + "\" set to " + kind_name(kind) + ".");
}

void LexiconForm::cmdReject_Click() {
    const LexiconEntry* e = selectedEntry();
    if (!e) {
        status_ = "Select a form first.";
        ++revision_;
        return;
    }
    decided(lexicon_.reject(e->proposal.form), "\"" + e->proposal.shown + "\" rejected.");
}

void LexiconForm::cmdReset_Click() {
    const LexiconEntry* e = selectedEntry();
    if (!e) {
        status_ = "Select a form first.";
        ++revision_;
        return;
    }
    decided(lexicon_.reset(e->proposal.form),
            "\"" + e->proposal.shown + "\" back to its proposal.");
}

void LexiconForm::cmdAcceptAbove_Click(const std::string& score) {
    if (!ready_) {
        status_ = "Nothing to accept yet: the proposals are not made.";
        ++revision_;
        return;
    }
    const std::optional<double> s = score_of(score);
    if (!s) {
        status_ = "The score to accept above is a number from 0 to 1, not \"" + score + "\".";
        ++revision_;
        return;
    }
    const std::size_t n = lexicon_.acceptAbove(*s, filter_);
    decided(n > 0, std::to_string(n) + (n == 1 ? " variant" : " variants") +
                       " accepted (best candidate scoring " + full_precision(*s) + " or more).");
}

void LexiconForm::cmdMergeBritish_Click() {
    if (!ready_) {
        status_ = "Nothing to merge into yet: the proposals are not made.";
        ++revision_;
        return;
    }
    const std::size_t n = lexicon_.mergeGlossary(load_builtin_glossary());
    decided(n > 0, std::to_string(n) + (n == 1 ? " form" : " forms") +
                       " accepted from the built-in British English glossary.");
}

void LexiconForm::cmdUndo_Click() {
    const bool done = ready_ && lexicon_.undo();
    status_ = done ? "Undone." : "Nothing to undo.";
    refresh();
}

void LexiconForm::cmdRedo_Click() {
    const bool done = ready_ && lexicon_.redo();
    status_ = done ? "Redone." : "Nothing to redo.";
    refresh();
}

// ---- Families

void LexiconForm::lstFamilies_Click(int row) {
    selectedFamily_ = row >= 0 && static_cast<std::size_t>(row) < families_.rows.size() ? row : -1;
    selectedFamilyName_ =
        selectedFamily_ < 0 ? std::string() : families_.rows[static_cast<std::size_t>(row)][0];
    ++revision_;
}

void LexiconForm::cmdRenameFamily_Click(const std::string& name) {
    if (selectedFamily_ < 0) {
        status_ = "Select a family first.";
        ++revision_;
        return;
    }
    const std::vector<LexFamily> before = lexicon_.families();
    const auto own = static_cast<std::size_t>(
        std::count_if(before.begin(), before.end(), [](const LexFamily& f) { return f.own; }));
    const auto i = static_cast<std::size_t>(selectedFamily_);
    const bool changed = lexicon_.renameFamily(i, name);
    if (changed) {
        // The renamed family is the user's now: in its place among the
        // user's families, or after them.
        const std::vector<LexFamily> after = lexicon_.families();
        const std::size_t at = i < own ? i : own;
        if (at < after.size()) selectedFamilyName_ = after[at].name;
    }
    decided(changed, "family renamed \"" + name + "\".");
}

void LexiconForm::cmdMergeFamily_Click(int from) {
    if (selectedFamily_ < 0 || from < 0 ||
        static_cast<std::size_t>(from) >= families_.rows.size() || from == selectedFamily_) {
        status_ = "Select the family to keep, then the one to merge into it.";
        ++revision_;
        return;
    }
    const std::string into = families_.rows[static_cast<std::size_t>(selectedFamily_)][0];
    const std::string other = families_.rows[static_cast<std::size_t>(from)][0];
    const bool changed = lexicon_.mergeFamilies(static_cast<std::size_t>(selectedFamily_),
                                                static_cast<std::size_t>(from));
    // The merged family is now the user's: find it again by name.
    decided(changed, "\"" + other + "\" merged into \"" + into + "\".");
}

void LexiconForm::cmdSplitFamily_Click(const std::string& forms, const std::string& name) {
    if (selectedFamily_ < 0) {
        status_ = "Select a family first.";
        ++revision_;
        return;
    }
    std::vector<std::string> list;
    std::istringstream in(forms);
    for (std::string f; in >> f;) list.push_back(f);
    if (list.empty() || name.find_first_not_of(" \t") == std::string::npos) {
        status_ = "Type the variants to move and the new family's name.";
        ++revision_;
        return;
    }
    decided(lexicon_.splitFamily(static_cast<std::size_t>(selectedFamily_), list, name),
            "\"" + name + "\" split off.");
}

void LexiconForm::chkKeep_Click(bool keep) {
    if (selectedFamily_ < 0) {
        status_ = "Select a family first.";
        ++revision_;
        return;
    }
    const std::string name = families_.rows[static_cast<std::size_t>(selectedFamily_)][0];
    decided(lexicon_.keepFamily(static_cast<std::size_t>(selectedFamily_), keep),
            "\"" + name + (keep ? "\" kept." : "\" no longer kept."));
}

void LexiconForm::setFiles(std::string base, std::string corpusName,
                           std::optional<LexiconFile> inForce) {
    base_ = std::move(base);
    corpusName_ = std::move(corpusName);
    inForce_ = std::move(inForce);
    ++revision_;
}

void LexiconForm::setInForce(const std::vector<std::string>& applied) {
    if (applied.empty()) {
        inForce_line_ = "In force: the built-in glossary and variant families.";
    } else {
        inForce_line_ = "In force: ";
        for (std::size_t i = 0; i < applied.size(); ++i)
            inForce_line_ += (i ? "; " : "") + applied[i];
        inForce_line_ += ".";
    }
    ++revision_;
}

std::optional<std::string> LexiconForm::cmdSave_Click(const std::string& typed) {
    ++revision_;
    if (!ready_) {
        status_ = "Nothing to save yet: the proposals are not made.";
        return std::nullopt;
    }
    std::string base = typed;
    base.erase(0, base.find_first_not_of(" \t"));
    base.erase(base.find_last_not_of(" \t") + 1);
    if (base.empty()) base = base_;
    if (base.empty()) {
        status_ = "Type where to save the lexicon (a path without extension).";
        return std::nullopt;
    }
    // "NAME.json" typed: the files are NAME.json, NAME.csv...
    if (base.size() > 5 && base.compare(base.size() - 5, 5, ".json") == 0)
        base.resize(base.size() - 5);
    try {
        LexiconOrigin origin;
        origin.corpus = corpusName_;
        origin.dictionary = dictionaryName_;
        origin.minCount = settings_.minCount;
        // The folder is made when missing (the settings folder, for the
        // built-in corpus, is made when first written).
        const std::filesystem::path folder = std::filesystem::path(base).parent_path();
        std::error_code made;
        if (!folder.empty()) std::filesystem::create_directories(folder, made);
        const SavedLexicon saved = save_lexicon(lexicon_, origin, base);
        std::string names;
        for (const std::string& f : saved.files) names += (names.empty() ? "" : ", ") + f;
        status_ = "Saved: " + names + ".";
        base_ = base;
        return saved.files.front();
    } catch (const std::exception& e) {
        status_ = std::string("The lexicon is not saved: ") + e.what() + ".";
        return std::nullopt;
    }
}

CorpusLexicon LexiconForm::corpusLexicon() const {
    CorpusLexicon l = make_lexicon(lexicon_.glossary(), lexicon_.keptFamilies(), false, false);
    l.caption = lexicon_.caption();
    return l;
}

// ---- Showing

void LexiconForm::refresh() {
    ++revision_;
    table_.rows.clear();
    rows_.clear();
    candidates_.rows.clear();
    lines_.rows.clear();
    families_.rows.clear();
    selected_ = -1;
    if (!ready_) return;
    rows_ = lexicon_.rows(filter_);
    for (std::size_t i : rows_) {
        const LexiconEntry& e = lexicon_.entry(i);
        const Decision& d = e.decision;
        std::string interpretation, score;
        if (d.kind == LexKind::Variant) {
            interpretation = d.interpretation;
            if (interpretation.empty() && !e.proposal.candidates.empty())
                interpretation = e.proposal.candidates[0].text;
            for (const Candidate& c : e.proposal.candidates)
                if (c.text == interpretation) {
                    score = full_precision(c.score);
                    break;
                }
        }
        table_.rows.push_back({e.proposal.shown, std::to_string(e.proposal.count),
                               std::to_string(e.proposal.authors), kind_name(d.kind),
                               status_name(d.status), interpretation, score});
    }
    // The selection follows its form; when the filter no longer lists it,
    // the row that took its place is selected.
    if (!selectedForm_.empty()) {
        const long long at = lexicon_.find(selectedForm_);
        int place = -1;
        for (std::size_t r = 0; r < rows_.size(); ++r)
            if (static_cast<long long>(rows_[r]) == at) place = static_cast<int>(r);
        if (place < 0) {
            // The next entry in list order that is still listed.
            for (std::size_t r = 0; r < rows_.size() && place < 0; ++r)
                if (static_cast<long long>(rows_[r]) > at) place = static_cast<int>(r);
        }
        selected_ = place;
        selectedForm_ = place < 0
                            ? std::string()
                            : lexicon_.entry(rows_[static_cast<std::size_t>(place)]).proposal.form;
    }
    if (const LexiconEntry* e = selectedEntry()) {
        for (const Candidate& c : e->proposal.candidates)
            candidates_.rows.push_back({c.text, full_precision(c.score), c.process});
        const FormIndex& index = corpus_.forms();
        const Concordance c = concordance(index, literal_pattern(e->proposal.form), 3);
        for (std::size_t k = 0; k < c.lines.size() && k < kLexiconLines; ++k) {
            const ConcordanceLine& l = c.lines[k];
            lines_.rows.push_back({line_code(index, l), joined(line_left(index, l)),
                                   joined(line_hit(index, l)), joined(line_right(index, l))});
        }
    }
    for (const LexFamily& f : lexicon_.families())
        families_.rows.push_back({f.name, f.standard, joined(f.variants), f.kept ? "yes" : "no"});
    // The selection follows its family by name (renaming, keeping or merging
    // moves a family among the user's own, listed first).
    if (!selectedFamilyName_.empty()) {
        for (std::size_t i = 0; i < families_.rows.size(); ++i)
            if (families_.rows[i][0] == selectedFamilyName_) {
                selectedFamily_ = static_cast<int>(i);
                break;
            }
    }
    if (selectedFamily_ >= static_cast<int>(families_.rows.size())) selectedFamily_ = -1;
    selectedFamilyName_ = selectedFamily_ < 0
                              ? std::string()
                              : families_.rows[static_cast<std::size_t>(selectedFamily_)][0];
}

} // namespace zapt
