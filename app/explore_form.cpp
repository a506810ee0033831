#include "app/explore_form.h"

#include "app/corpus_source.h"
#include "corpus/metadata.h"
#include "corpus/text.h"
#include "selection/age_band.h"
#include "variation/grouping.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>

namespace zapt {
namespace {

constexpr std::size_t kMaxNameBytes = 200;

bool has_control(std::string_view s) {
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) return true;
    }
    return false;
}

// What a list of emoticons is called in the status lines.
std::string emoticons_caption(const EmoticonList& list) {
    return list.empty() ? std::string("none") : list.describe();
}

// A box's text with the blanks around it dropped; empty for text that is
// not UTF-8 or holds control characters (no path or name holds them).
std::string path_of(const std::string& text, bool* refused = nullptr) {
    if (refused) *refused = false;
    if (!valid_utf8(text) || has_control(text)) {
        if (refused) *refused = true;
        return {};
    }
    return std::string(trim_blanks(text));
}

// Why a list cannot be read from `path` before reading it: a folder reads as
// an empty file, which would pass for an empty list. Empty when it can be.
std::string not_a_file(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return path + " is a folder, not a file";
    return {};
}

std::string hidden_caption(std::size_t hidden) {
    return count_caption(hidden, "hit", "hits") +
           " not shown: " + (hidden == 1 ? "its text is" : "their texts are") + " too short";
}

} // namespace

ExploreForm::ExploreForm(const Corpus& corpus, std::string dictionary)
    : store_(&corpus.store()), authors_(&corpus.authors()), fields_(author_fields(corpus)),
      index_(corpus.parts().forms.shared()), glossary_(corpus.glossary()),
      dictionaryPath_(std::move(dictionary)) {
    Subcorpus whole;
    whole.name = "whole corpus";
    subcorpora_.list.push_back(std::move(whole));
    refreshSubcorpora();
    subcorpora_.status =
        "index of " + count_caption(index_->formCount(), "form", "forms") + " built in " +
        std::to_string(static_cast<long long>(index_->buildMilliseconds() + 0.5)) + " ms";
    // The fields a concordance line can show: each field a comparison can
    // group by on its own.
    for (const GroupBy& by : group_by_choices(fields_)) {
        if (by.fields.size() != 1) continue;
        fieldChoices_.push_back(by.fields[0]);
        fieldNames_.push_back(by.fields[0].name);
    }
    std::erase_if(concordance_.fields, [this](const std::string& f) {
        return std::find(fieldNames_.begin(), fieldNames_.end(), f) == fieldNames_.end();
    });
    const EmoticonList& list = index_->emoticons();
    emoticons_.choice = list.empty() ? EmoticonChoice::None
                        : list.describe() == EmoticonList::builtin().describe()
                            ? EmoticonChoice::Builtin
                            : EmoticonChoice::File;
    emoticons_.status = "emoticons: " + emoticons_caption(list);
    keywords_.referenceNote = "no reference corpus read";
}

ExploreForm::~ExploreForm() {
    if (work_.valid()) work_.wait();
}

std::string ExploreForm::subcorpusName(int subcorpus) const {
    const auto& list = subcorpora_.list;
    if (subcorpus == kReferenceCorpus)
        return "the reference corpus " + (reference_ ? reference_->name : std::string());
    return subcorpus >= 0 && static_cast<std::size_t>(subcorpus) < list.size()
               ? list[static_cast<std::size_t>(subcorpus)].name
               : std::string("rest of the corpus");
}

int ExploreForm::subcorpusPlace(const Subcorpus& s) const {
    const auto& list = subcorpora_.list;
    const std::string conditions = s.describe();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].name == s.name && list[i].describe() == conditions) return static_cast<int>(i);
    }
    return -1;
}

std::string ExploreForm::settingsOf(Tab tab) const {
    // Fields joined by a character no box can hold apart from another.
    const char sep = '\x1f';
    auto subcorpus = [&](int i) {
        if (i == kReferenceCorpus) {
            return std::string("reference") + sep + (reference_ ? reference_->name : "") + sep +
                   (reference_ ? reference_->bands : "");
        }
        if (i < 0 || static_cast<std::size_t>(i) >= subcorpora_.list.size())
            return std::string("rest of the corpus");
        const Subcorpus& s = subcorpora_.list[static_cast<std::size_t>(i)];
        return s.name + sep + s.describe();
    };
    auto filters = [&](const Filters& f) {
        return std::to_string(f.minCount) + sep + (f.noNumbers ? "1" : "0") + sep +
               path_of(f.txtStopList);
    };
    // Every table is cut into pieces with the emoticons of the index.
    const std::string pieces = emoticons_caption(index_->emoticons());
    switch (tab) {
    case Tab::Subcorpora:
        return {};
    case Tab::WordList: {
        const WordListTab& w = wordList_;
        std::string code = w.txtCode;
        if (valid_utf8(code)) code = std::string(trim_blanks(code));
        std::string s = w.byCode ? "code" + std::string(1, sep) + code
                                 : "scope" + std::string(1, sep) + subcorpus(w.scope);
        return s + sep + (w.glossaryOnly ? "1" : "0") + (w.notInDictionary ? "1" : "0") + sep +
               w.txtPattern + sep + std::to_string(w.minAuthors) + sep + filters(w.filters) + sep +
               pieces;
    }
    case Tab::Keywords: {
        const KeywordsTab& k = keywords_;
        return subcorpus(k.a) + sep + subcorpus(k.b) + sep + std::to_string(k.minAuthors) + sep +
               filters(k.filters) + sep + pieces;
    }
    case Tab::Concordance: {
        const ConcordanceTab& c = concordance_;
        return subcorpus(c.scope) + sep + c.txtQuery + sep + (c.literal ? "form" : "pattern") +
               sep + std::to_string(c.context) + sep + pieces;
    }
    }
    return {};
}

bool ExploreForm::stale(Tab tab) const {
    switch (tab) {
    case Tab::Subcorpora:
        return false;
    case Tab::WordList:
        return wordList_.revision > 0 && settingsOf(tab) != wordList_.madeWith;
    case Tab::Keywords:
        return keywords_.revision > 0 && settingsOf(tab) != keywords_.madeWith;
    case Tab::Concordance:
        return concordance_.revision > 0 && settingsOf(tab) != concordance_.madeWith;
    }
    return false;
}

std::string ExploreForm::staleNote(Tab tab) const {
    if (!stale(tab)) return {};
    const char* button = tab == Tab::WordList   ? "List"
                         : tab == Tab::Keywords ? "Keywords"
                                                : "Search";
    return std::string("The settings have changed since this table was made: press ") + button +
           " to make it again. Until then Copy all and Export... write it as it was made, "
           "headed by the settings that made it (" +
           exportSelection(tab) + ").";
}

std::string ExploreForm::exportSelection(Tab tab) const {
    switch (tab) {
    case Tab::Subcorpora:
        return "subcorpora";
    case Tab::WordList:
        return wordList_.selection;
    case Tab::Keywords:
        return keywords_.selection;
    case Tab::Concordance:
        return concordance_.selection;
    }
    return {};
}

std::string ExploreForm::tallySelection() const {
    return concordance_.selection.empty() ? std::string()
                                          : "hits by group of the " + concordance_.selection;
}

Scope ExploreForm::scopeOf(int subcorpus) const {
    return subcorpus_scope(*index_, subcorpora_.list[static_cast<std::size_t>(subcorpus)], fields_);
}

void ExploreForm::refreshSubcorpora() {
    ResultTable& t = subcorpora_.table;
    ++subcorpora_.revision;
    t.title = "Subcorpora";
    t.columns = {"name", "conditions", "authors", "texts", "words"};
    t.rows.clear();
    bool byText = false;
    for (std::size_t i = 0; i < subcorpora_.list.size(); ++i) {
        // A subcorpus chosen by a text field holds only the texts meeting it.
        const ScopeSize size = scope_size(*index_, scopeOf(static_cast<int>(i)));
        const Subcorpus& s = subcorpora_.list[i];
        byText |= s.choosesTexts();
        t.rows.push_back({s.name, s.describe(), std::to_string(size.authors),
                          std::to_string(size.texts), std::to_string(size.words)});
    }
    t.settings = {{"authors", "register rows meeting every condition"},
                  {"words", "the pieces of their texts"},
                  {"emoticons", emoticons_caption(index_->emoticons())}};
    if (byText) {
        t.settings.push_back({"texts", "a condition on a text field keeps only the texts meeting "
                                       "it; the authors are then those with a text kept"});
    }
}

void ExploreForm::cmdDefine_Click() {
    SubcorporaTab& s = subcorpora_;
    if (!valid_utf8(s.txtName) || has_control(s.txtName)) {
        s.status = "a name may not hold control characters";
        return;
    }
    const std::string name(trim_blanks(s.txtName));
    if (name.empty()) {
        s.status = "give the subcorpus a name";
        return;
    }
    if (name.size() > kMaxNameBytes) {
        s.status = "the name is too long";
        return;
    }
    if (iequals(name, s.list[0].name)) {
        s.status = "\"" + name + "\" is the whole corpus; choose another name";
        return;
    }
    std::string error;
    std::optional<Subcorpus> sub = parse_subcorpus(name, s.txtConditions, fields_, &error);
    if (!sub) {
        s.status = error;
        return;
    }
    if (sub->whole()) {
        s.status = "give at least one condition, e.g. age=16-25 or gender=F";
        return;
    }
    const std::size_t authors = sub->members(fields_).size();
    std::size_t at = s.list.size();
    for (std::size_t i = 1; i < s.list.size(); ++i) {
        if (iequals(s.list[i].name, name)) at = i;
    }
    if (at == s.list.size()) {
        s.list.push_back(std::move(*sub));
    } else {
        s.list[at] = std::move(*sub);
    }
    s.selected = static_cast<int>(at);
    refreshSubcorpora();
    s.status = "\"" + name + "\": " + count_caption(authors, "author", "authors");
    if (subcorporaChanged) subcorporaChanged();
}

bool ExploreForm::selectSubcorpus(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= subcorpora_.list.size()) return false;
    subcorpora_.selected = row;
    const Subcorpus& s = subcorpora_.list[static_cast<std::size_t>(row)];
    subcorpora_.txtName = row == 0 ? "" : s.name;
    std::string conditions;
    for (const SubcorpusCondition& c : s.conditions)
        conditions += (conditions.empty() ? "" : "; ") + c.name + "=" + c.text;
    subcorpora_.txtConditions = conditions;
    return true;
}

void ExploreForm::cmdDelete_Click() {
    const int gone = subcorpora_.selected;
    if (gone <= 0 || static_cast<std::size_t>(gone) >= subcorpora_.list.size()) {
        subcorpora_.status = "the whole corpus cannot be deleted";
        return;
    }
    const std::string name = subcorpora_.list[static_cast<std::size_t>(gone)].name;
    subcorpora_.list.erase(subcorpora_.list.begin() + gone);
    auto follow = [gone](int& i) {
        if (i == gone) {
            i = 0;
        } else if (i > gone) {
            --i;
        }
    };
    follow(wordList_.scope);
    follow(keywords_.a);
    if (keywords_.b >= 0) follow(keywords_.b);
    follow(concordance_.scope);
    subcorpora_.selected = 0;
    refreshSubcorpora();
    subcorpora_.status = "\"" + name + "\" deleted";
    if (subcorporaChanged) subcorporaChanged();
}

// ---- Filters of the word list and the keywords ---------------------------------

void ExploreForm::minCount_Change(Tab tab, long long k) {
    const std::uint64_t n = k < 0 ? 0 : static_cast<std::uint64_t>(k);
    if (tab == Tab::WordList) wordList_.filters.minCount = n;
    if (tab == Tab::Keywords) keywords_.filters.minCount = n;
}

void ExploreForm::noNumbers_Click(Tab tab, bool on) {
    if (tab == Tab::WordList) wordList_.filters.noNumbers = on;
    if (tab == Tab::Keywords) keywords_.filters.noNumbers = on;
}

void ExploreForm::txtStopList_Change(Tab tab, std::string path) {
    Filters* f = tab == Tab::WordList   ? &wordList_.filters
                 : tab == Tab::Keywords ? &keywords_.filters
                                        : nullptr;
    if (!f) return;
    f->txtStopList = std::move(path);
    f->stopListNote.clear();
}

void ExploreForm::stopList_Check(Tab tab) {
    if (tab == Tab::WordList) (void)filterOf(wordList_.filters, wordList_.status);
    if (tab == Tab::Keywords) (void)filterOf(keywords_.filters, keywords_.status);
}

std::optional<FormFilter> ExploreForm::filterOf(Filters& boxes, std::string& status) {
    FormFilter filter;
    filter.noNumbers = boxes.noNumbers;
    bool refused = false;
    const std::string path = path_of(boxes.txtStopList, &refused);
    if (refused) {
        boxes.stopListNote = "a file name may not hold control characters";
        status = "stop list: " + boxes.stopListNote;
        return std::nullopt;
    }
    if (path.empty()) {
        boxes.stopListNote.clear();
        return filter;
    }
    std::string error = not_a_file(path);
    std::optional<StopList> list;
    if (error.empty()) list = read_stop_list(path, &error);
    if (!list) {
        boxes.stopListNote = error;
        status = "stop list: " + error;
        return std::nullopt;
    }
    boxes.stopListNote = list->describe();
    filter.stopList = std::move(*list);
    return filter;
}

// ---- Word list ---------------------------------------------------------------------

bool ExploreForm::wordScope_Click(int subcorpus) {
    if (subcorpus < 0 || static_cast<std::size_t>(subcorpus) >= subcorpora_.list.size())
        return false;
    wordList_.scope = subcorpus;
    return true;
}

void ExploreForm::wordMinAuthors_Change(long long k) {
    wordList_.minAuthors =
        static_cast<std::uint32_t>(std::clamp<long long>(k, 0, static_cast<long long>(UINT32_MAX)));
}

void ExploreForm::cmdWordList_Click() {
    WordListTab& w = wordList_;
    Scope scope;
    if (w.byCode) {
        const std::string code(valid_utf8(w.txtCode) ? trim_blanks(w.txtCode) : "");
        const long long c = code.empty() ? -1 : store_->codes.find(code);
        if (c < 0) {
            w.status =
                code.empty() ? "type an author code" : "no author has the code \"" + code + "\"";
            return;
        }
        std::vector<std::size_t> rows;
        const auto k = static_cast<std::size_t>(c);
        for (std::uint32_t i = store_->codeRowsFrom[k]; i < store_->codeRowsFrom[k + 1]; ++i)
            rows.push_back(static_cast<std::size_t>(store_->codeRows[i]));
        scope = rows_scope(*index_, rows, "author " + code);
    } else {
        scope = scopeOf(w.scope);
    }
    std::optional<FormFilter> filter = filterOf(w.filters, w.status);
    if (!filter) return;
    if (w.notInDictionary && !dictionaryRead_) {
        dictionary_ = load_standard_words(dictionaryPath_, glossary_);
        dictionaryRead_ = true;
    }
    WordListOptions options;
    options.glossaryOnly = w.glossaryOnly;
    options.notInDictionary = w.notInDictionary;
    options.pattern = w.txtPattern;
    options.minCount = w.filters.minCount;
    options.minAuthors = w.minAuthors;
    options.filter = std::move(*filter);
    // A blank box lists every form; text that is not UTF-8 reaches the pattern
    // reader, which says so.
    if (valid_utf8(options.pattern) && is_blank(options.pattern)) options.pattern.clear();
    const WordList list = word_list(*index_, scope, glossary_, &dictionary_, options);
    if (!list.error.empty()) {
        w.status = list.error;
        return;
    }
    w.table = word_list_table(list, scope.name, options);
    ++w.revision;
    w.madeWith = settingsOf(Tab::WordList);
    w.madeByCode = w.byCode;
    w.madeOf = w.byCode ? Subcorpus{} : subcorpora_.list[static_cast<std::size_t>(w.scope)];
    w.selection = "word list of " + (w.byCode ? scope.name : subcorpusName(w.scope));
    const bool phrase = compile_pattern(options.pattern).phrase();
    w.status =
        count_caption(list.rows.size(), phrase ? "phrase" : "form", phrase ? "phrases" : "forms") +
        " in " + count_caption(list.words, "word", "words");
}

// ---- Keywords ----------------------------------------------------------------------

bool ExploreForm::keywordsA_Click(int subcorpus) {
    if (subcorpus < 0 || static_cast<std::size_t>(subcorpus) >= subcorpora_.list.size())
        return false;
    keywords_.a = subcorpus;
    return true;
}

bool ExploreForm::keywordsB_Click(int subcorpus) {
    if (subcorpus == kReferenceCorpus) {
        if (!reference_) return false;
    } else if (subcorpus != kRestOfCorpus &&
               (subcorpus < 0 || static_cast<std::size_t>(subcorpus) >= subcorpora_.list.size())) {
        return false;
    }
    keywords_.b = subcorpus;
    return true;
}

void ExploreForm::cmdKeywords_Click() {
    KeywordsTab& k = keywords_;
    if (k.b == kReferenceCorpus && !(reference_ && referenceIndex_)) {
        k.status = "read a reference corpus first, or choose another B";
        return;
    }
    std::optional<FormFilter> filter = filterOf(k.filters, k.status);
    if (!filter) return;
    KeywordOptions options;
    options.minAuthors = k.minAuthors;
    options.minCount = k.filters.minCount;
    options.filter = std::move(*filter);
    const Scope a = scopeOf(k.a);
    Keywords result;
    std::string nameB;
    if (k.b == kReferenceCorpus) {
        const Scope b = whole_scope(*referenceIndex_);
        result = zapt::keywords(*index_, a, *referenceIndex_, b, options, reference_->name);
        nameB = b.name;
    } else {
        const Scope b = k.b == kRestOfCorpus ? rest_scope(*index_, a) : scopeOf(k.b);
        result = zapt::keywords(*index_, a, b, options);
        nameB = b.name;
    }
    k.table = keywords_table(*index_, result, a.name, nameB);
    if (k.b == kReferenceCorpus) {
        if (!reference_->bands.empty())
            k.table.settings.push_back({"reference corpus's age bands", reference_->bands});
        for (const std::string& note : reference_->notes)
            k.table.settings.push_back({"reference corpus", note});
    }
    ++k.revision;
    k.madeWith = settingsOf(Tab::Keywords);
    k.madeOf = subcorpora_.list[static_cast<std::size_t>(k.a)];
    k.selection = "keywords of " + subcorpusName(k.a) + " against " + subcorpusName(k.b);
    k.status = count_caption(result.rows.size(), "keyword", "keywords") +
               " (A: " + count_caption(result.wordsA, "word", "words") +
               ", B: " + count_caption(result.wordsB, "word", "words") + ")";
    if (!result.error.empty()) k.status += "; " + result.error;
}

// ---- Concordance -------------------------------------------------------------------

bool ExploreForm::concordanceScope_Click(int subcorpus) {
    if (subcorpus < 0 || static_cast<std::size_t>(subcorpus) >= subcorpora_.list.size())
        return false;
    concordance_.scope = subcorpus;
    return true;
}

void ExploreForm::context_Change(int n) {
    concordance_.context = std::clamp(n, kMinContext, kMaxContext);
}

void ExploreForm::cmdConcordance_Click() {
    ConcordanceTab& c = concordance_;
    const Pattern p = c.literal ? literal_pattern(c.txtQuery) : compile_pattern(c.txtQuery);
    if (!p.ok()) {
        c.status =
            p.error.empty() ? (c.literal ? "type a form" : "type a form or a pattern") : p.error;
        return;
    }
    const Scope scope = scopeOf(c.scope);
    lines_ = zapt::concordance(*index_, p, c.context, scope.in, scope.texts);
    linesIndex_ = index_;
    linesQuery_ = c.txtQuery;
    linesLiteral_ = c.literal;
    linesContext_ = c.context;
    c.madeWith = settingsOf(Tab::Concordance);
    c.selection = "concordance of \"" + c.txtQuery + "\"" + (c.literal ? " (as a form)" : "") +
                  " in " + subcorpusName(c.scope);
    showLines();
}

void ExploreForm::sort_Click(ConcordanceSort by) {
    concordance_.sort = by;
    if (linesIndex_) showLines();
}

bool ExploreForm::lineField_Click(const std::string& name, bool on) {
    if (std::find(fieldNames_.begin(), fieldNames_.end(), name) == fieldNames_.end()) return false;
    std::vector<std::string>& chosen = concordance_.fields;
    const bool shown = std::find(chosen.begin(), chosen.end(), name) != chosen.end();
    if (shown == on) return true;
    // Kept in the order of the choices.
    std::vector<std::string> next;
    for (const std::string& f : fieldNames_) {
        const bool in = f == name ? on : std::find(chosen.begin(), chosen.end(), f) != chosen.end();
        if (in) next.push_back(f);
    }
    chosen = std::move(next);
    if (linesIndex_) showLines();
    return true;
}

LineFields ExploreForm::lineFields() const {
    std::vector<GroupField> chosen;
    for (const std::string& name : concordance_.fields) {
        for (std::size_t i = 0; i < fieldNames_.size(); ++i) {
            if (fieldNames_[i] == name) chosen.push_back(fieldChoices_[i]);
        }
    }
    return line_fields(chosen, fields_);
}

void ExploreForm::showLines() {
    ConcordanceTab& c = concordance_;
    const FormIndex& index = *linesIndex_;
    sort_lines(index, lines_.lines, c.sort);
    const LineFields fields = lineFields();
    // The window holds the first lines only; a copy of the whole table and an
    // export take every line (concordanceTable).
    c.table =
        concordance_table(index, lines_, linesQuery_, linesContext_, c.sort, kLinesShown, fields);
    c.tally = concordance_tally_table(lines_, fields, linesQuery_);
    ++c.revision;
    c.status = count_caption(lines_.lines.size(), "line", "lines");
    if (lines_.lines.size() > kLinesShown)
        c.status += " (the first " + count_caption(kLinesShown, "line", "lines") +
                    " shown; Copy all and Export... take every line)";
    if (lines_.hidden > 0) c.status += "; " + hidden_caption(lines_.hidden);
    if (lines_.withheld > 0) {
        c.status += "; " + count_caption(lines_.withheld, "hit", "hits") +
                    " not shown: the lines before show half of " +
                    (lines_.withheld == 1 ? "its text" : "their texts");
    }
    if (lines_.hits == 0 && linesLiteral_ && linesQuery_.find_first_of("*?") != std::string::npos)
        c.status += " (searched as a form: * and ? are characters)";
}

ResultTable ExploreForm::concordanceTable() const {
    if (lines_.lines.size() <= kLinesShown) return concordance_.table;
    return concordance_table(*linesIndex_, lines_, linesQuery_, linesContext_, concordance_.sort,
                             static_cast<std::size_t>(-1), lineFields());
}

// ---- Click through -------------------------------------------------------------------

void ExploreForm::concordanceOf(const std::string& form, int scope) {
    tab_ = Tab::Concordance;
    if (!concordanceScope_Click(scope)) concordance_.scope = 0;
    concordance_.txtQuery = form;
    concordance_.literal = true;
    cmdConcordance_Click();
}

bool ExploreForm::wordListRow_Concordance(int row) {
    WordListTab& w = wordList_;
    if (row < 0 || static_cast<std::size_t>(row) >= w.table.rows.size() ||
        w.table.rows[static_cast<std::size_t>(row)].empty())
        return false;
    const std::string form = w.table.rows[static_cast<std::size_t>(row)][0];
    int scope = 0;
    if (!w.madeByCode) {
        scope = subcorpusPlace(w.madeOf);
        if (scope < 0) {
            w.status = "the subcorpus \"" + w.madeOf.name +
                       "\" this list was made of is no longer defined so; press List to make "
                       "the list again";
            return false;
        }
    }
    concordanceOf(form, scope);
    if (w.madeByCode)
        concordance_.status += " (in the whole corpus: the word list was of one author)";
    return true;
}

bool ExploreForm::keywordsRow_Concordance(int row) {
    KeywordsTab& k = keywords_;
    if (row < 0 || static_cast<std::size_t>(row) >= k.table.rows.size() ||
        k.table.rows[static_cast<std::size_t>(row)].empty())
        return false;
    const int scope = subcorpusPlace(k.madeOf);
    if (scope < 0) {
        k.status = "the subcorpus \"" + k.madeOf.name +
                   "\" these keywords were made of is no longer defined so; press Keywords to "
                   "make them again";
        return false;
    }
    concordanceOf(k.table.rows[static_cast<std::size_t>(row)][0], scope);
    return true;
}

bool ExploreForm::tallyComparison(std::string* forms, std::string* groupBy) {
    ConcordanceTab& c = concordance_;
    auto fail = [&c](std::string why) {
        c.status = std::move(why);
        return false;
    };
    if (!linesIndex_) return fail("search first: the comparison is of the form searched");
    if (c.fields.empty()) return fail("tick one or two fields to compare the form across groups");
    if (c.fields.size() > 2)
        return fail("the comparison crosses at most two fields: leave one or two ticked");
    const Pattern p = linesLiteral_ ? literal_pattern(linesQuery_) : compile_pattern(linesQuery_);
    if (!p.ok()) return fail(p.error);
    if (p.phrase()) return fail("a phrase cannot be compared across groups: search one form");
    std::string list;
    if (!p.words[0].re) {
        list = std::string(trim_blanks(p.words[0].text));
    } else {
        const std::vector<std::uint32_t> matched = matching_forms(*linesIndex_, p, 0);
        constexpr std::size_t kMaxForms = 30;
        if (matched.empty()) return fail("no form matches the pattern");
        if (matched.size() > kMaxForms) {
            return fail("the pattern matches " + count_caption(matched.size(), "form", "forms") +
                        "; a comparison takes at most " + std::to_string(kMaxForms));
        }
        for (std::uint32_t f : matched) list += (list.empty() ? "" : " ") + linesIndex_->shown(f);
    }
    std::string by;
    for (const std::string& f : c.fields) by += (by.empty() ? "" : ",") + f;
    *forms = list;
    *groupBy = by;
    return true;
}

// ---- Work on the second thread: another emoticon list, a reference corpus ------------

struct ExploreForm::Work {
    enum class Kind { Emoticons, Reference };
    Kind kind = Kind::Emoticons;
    std::string error;
    EmoticonChoice choice = EmoticonChoice::Builtin;
    std::shared_ptr<const FormIndex> index;           // the corpus's, with the new emoticons
    std::shared_ptr<const ReferenceCorpus> reference; // the reference corpus read
    std::shared_ptr<const FormIndex> referenceIndex;  // its index
};

namespace {

// The index of a reference corpus, keeping the corpus (whose register it
// reads) alive as long as itself.
std::shared_ptr<const FormIndex> reference_index(std::shared_ptr<const ReferenceCorpus> corpus,
                                                 const EmoticonList& emoticons) {
    auto* index = new FormIndex(corpus->store, corpus->authors, emoticons);
    return std::shared_ptr<const FormIndex>(index, [corpus](const FormIndex* p) { delete p; });
}

} // namespace

std::string ExploreForm::busyNote() const {
    return "wait: " + workWhat_ + " (one thing at a time)";
}

void ExploreForm::emoticons_Change(EmoticonChoice choice) {
    EmoticonsBox& e = emoticons_;
    if (working()) {
        e.status = busyNote();
        return;
    }
    const std::string inForce = emoticons_caption(index_->emoticons());
    EmoticonList list;
    if (choice == EmoticonChoice::Builtin) {
        list = EmoticonList::builtin();
    } else if (choice == EmoticonChoice::File) {
        bool refused = false;
        const std::string path = path_of(e.txtFile, &refused);
        if (refused || path.empty()) {
            e.status = (refused ? "a file name may not hold control characters"
                                : "choose a file of emoticons, one a line") +
                       std::string("; in force: ") + inForce;
            return;
        }
        std::string error = not_a_file(path);
        std::optional<EmoticonList> read;
        if (error.empty()) read = EmoticonList::read_file(path, &error);
        if (!read) {
            e.status = "emoticons: " + error + "; in force: " + inForce;
            return;
        }
        list = std::move(*read);
    }
    // The list in force already: nothing to build.
    if (choice != EmoticonChoice::File && emoticons_caption(list) == inForce) {
        e.choice = choice;
        e.status = "emoticons: " + inForce;
        return;
    }
    // The choice takes effect with the index built with it.
    workWhat_ =
        "the index of the forms is being built with the emoticons " + emoticons_caption(list);
    e.status = workWhat_ + "...";
    const CorpusStore* store = store_;
    const AuthorRegister* authors = authors_;
    std::shared_ptr<const ReferenceCorpus> reference = reference_;
    work_ = std::async(std::launch::async,
                       [store, authors, reference, choice, list = std::move(list)]() {
                           auto w = std::make_shared<Work>();
                           w->kind = Work::Kind::Emoticons;
                           w->choice = choice;
                           try {
                               w->index = std::make_shared<const FormIndex>(*store, *authors, list);
                               if (reference) {
                                   w->reference = reference;
                                   w->referenceIndex = reference_index(reference, list);
                               }
                           } catch (const std::exception& ex) {
                               w->error = ex.what();
                           } catch (...) {
                               w->error = "an unknown error";
                           }
                           return w;
                       });
}

void ExploreForm::cmdReference_Click() {
    KeywordsTab& k = keywords_;
    if (working()) {
        k.status = busyNote();
        return;
    }
    bool refused = false;
    const std::string path = path_of(k.txtReference, &refused);
    if (refused || path.empty()) {
        k.status = refused ? "a file name may not hold control characters"
                           : "give the reference corpus: a folder, a CSV or TSV table, or "
                             "built-in for the built-in sample";
        return;
    }
    bool bandsRefused = false;
    const std::string bands = path_of(k.txtReferenceBands, &bandsRefused);
    if (bandsRefused) {
        k.status = "the age bands may not hold control characters";
        return;
    }
    if (!bands.empty()) {
        std::string error;
        if (!parse_bands(bands, &error)) {
            k.status = "the reference corpus's age bands: " + error;
            return;
        }
    }
    CorpusOptions options;
    options.path = path == "built-in" ? std::string() : path;
    workWhat_ = "the reference corpus " + path + " is being read";
    k.status = workWhat_ + "...";
    EmoticonList emoticons = index_->emoticons();
    work_ = std::async(std::launch::async, [options, bands, emoticons = std::move(emoticons)]() {
        auto w = std::make_shared<Work>();
        w->kind = Work::Kind::Reference;
        try {
            LoadedCorpus loaded = read_corpus_source(options);
            auto corpus = std::make_shared<ReferenceCorpus>();
            corpus->name = loaded.name;
            corpus->bands = bands;
            corpus->notes = load_notes(loaded.report);
            corpus->store = build_corpus_store(loaded.data.corpus, loaded.data.authors);
            corpus->authors = build_author_register(loaded.data.authors);
            w->reference = corpus;
            w->referenceIndex = reference_index(corpus, emoticons);
        } catch (const std::exception& ex) {
            w->error = ex.what();
        } catch (...) {
            w->error = "an unknown error";
        }
        return w;
    });
}

void ExploreForm::cmdClearReference_Click() {
    if (working()) {
        keywords_.status = busyNote();
        return;
    }
    reference_.reset();
    referenceIndex_.reset();
    if (keywords_.b == kReferenceCorpus) keywords_.b = kRestOfCorpus;
    keywords_.referenceNote = "no reference corpus read";
}

bool ExploreForm::takeWork(bool wait) {
    if (!work_.valid()) return false;
    if (!wait && work_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return false;
    const std::shared_ptr<Work> w = work_.get();
    workWhat_.clear();
    if (w->kind == Work::Kind::Emoticons) {
        if (!w->error.empty()) {
            emoticons_.status = "the index could not be built: " + w->error +
                                "; in force: " + emoticons_caption(index_->emoticons());
            return true;
        }
        index_ = w->index;
        if (w->reference) referenceIndex_ = w->referenceIndex;
        emoticons_.choice = w->choice;
        refreshSubcorpora();
        emoticons_.status =
            "emoticons: " + emoticons_caption(index_->emoticons()) + "; index of " +
            count_caption(index_->formCount(), "form", "forms") + " built in " +
            std::to_string(static_cast<long long>(index_->buildMilliseconds() + 0.5)) + " ms";
        return true;
    }
    KeywordsTab& k = keywords_;
    if (!w->error.empty()) {
        k.status = "the reference corpus cannot be read: " + w->error;
        return true;
    }
    reference_ = w->reference;
    referenceIndex_ = w->referenceIndex;
    k.b = kReferenceCorpus;
    const ReferenceCorpus& r = *reference_;
    k.referenceNote =
        "reference corpus: " + r.name + " (" +
        count_caption(r.authors.size(), "author", "authors") + ", " +
        count_caption(static_cast<std::uint64_t>(r.store.corpusTextCount()), "text", "texts") +
        ", " + count_caption(referenceIndex_->totalWords(), "word", "words") + ")";
    if (!r.bands.empty()) k.referenceNote += "; age bands " + r.bands;
    if (!r.notes.empty())
        k.referenceNote += "; read with " + count_caption(r.notes.size(), "problem", "problems");
    k.status = "B is the whole reference corpus " + r.name + ": press Keywords";
    return true;
}

// ---- Subcorpora kept between sessions ----------------------------------------

std::vector<std::pair<std::string, std::string>> ExploreForm::keptSubcorpora() const {
    std::vector<std::pair<std::string, std::string>> out;
    for (std::size_t i = 1; i < subcorpora_.list.size(); ++i) {
        std::string conditions;
        for (const SubcorpusCondition& c : subcorpora_.list[i].conditions)
            conditions += (conditions.empty() ? "" : "; ") + c.name + "=" + c.text;
        out.emplace_back(subcorpora_.list[i].name, std::move(conditions));
    }
    return out;
}

void ExploreForm::restoreSubcorpora(const std::vector<std::pair<std::string, std::string>>& kept) {
    const std::size_t before = subcorpora_.list.size();
    std::string left;
    for (const auto& [name, conditions] : kept) {
        std::string error;
        std::optional<Subcorpus> sub = parse_subcorpus(name, conditions, fields_, &error);
        if (sub && sub->whole()) error = "no condition";
        if (!sub || sub->whole() || name.empty() || iequals(name, subcorpora_.list[0].name)) {
            if (error.empty()) error = "not a name of a subcorpus";
            left += "; \"" + name + "\" left out: " + error;
            continue;
        }
        auto same = std::find_if(subcorpora_.list.begin() + 1, subcorpora_.list.end(),
                                 [&](const Subcorpus& s) { return iequals(s.name, name); });
        if (same == subcorpora_.list.end()) {
            subcorpora_.list.push_back(std::move(*sub));
        } else {
            *same = std::move(*sub);
        }
    }
    if (kept.empty()) return;
    refreshSubcorpora();
    subcorpora_.status =
        count_caption(subcorpora_.list.size() - before, "subcorpus", "subcorpora") +
        " of the last session back" + left;
}

} // namespace zapt
