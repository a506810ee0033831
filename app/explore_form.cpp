#include "app/explore_form.h"

#include "corpus/text.h"

#include <algorithm>

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

std::string hidden_caption(std::size_t hidden) {
    return count_caption(hidden, "hit", "hits") +
           " not shown: " + (hidden == 1 ? "its text is" : "their texts are") + " too short";
}

} // namespace

ExploreForm::ExploreForm(const CorpusStore& store, const AuthorRegister& authors,
                         const Glossary& glossary, std::vector<std::string> metadataColumns,
                         std::vector<std::vector<std::string>> authorMetadata,
                         std::string dictionary)
    : ExploreForm(FormIndex(store, authors), store, authors, glossary, std::move(metadataColumns),
                  std::move(authorMetadata), std::move(dictionary)) {}

ExploreForm::ExploreForm(FormIndex index, const CorpusStore& store, const AuthorRegister& authors,
                         const Glossary& glossary, std::vector<std::string> metadataColumns,
                         std::vector<std::vector<std::string>> authorMetadata,
                         std::string dictionary)
    : store_(&store), metadataColumns_(std::move(metadataColumns)),
      authorMetadata_(std::move(authorMetadata)), fields_{&authors, &metadataColumns_,
                                                          &authorMetadata_},
      index_(std::move(index)), glossary_(glossary), dictionaryPath_(std::move(dictionary)) {
    Subcorpus whole;
    whole.name = "whole corpus";
    subcorpora_.list.push_back(std::move(whole));
    refreshSubcorpora();
    subcorpora_.status =
        "index of " + count_caption(index_.formCount(), "form", "forms") + " built in " +
        std::to_string(static_cast<long long>(index_.buildMilliseconds() + 0.5)) + " ms";
}

std::string ExploreForm::subcorpusName(int subcorpus) const {
    const auto& list = subcorpora_.list;
    return subcorpus >= 0 && static_cast<std::size_t>(subcorpus) < list.size()
               ? list[static_cast<std::size_t>(subcorpus)].name
               : std::string("rest of the corpus");
}

std::string ExploreForm::settingsOf(Tab tab) const {
    // Fields joined by a character no box can hold apart from another.
    const char sep = '\x1f';
    auto subcorpus = [&](int i) {
        if (i < 0 || static_cast<std::size_t>(i) >= subcorpora_.list.size())
            return std::string("rest of the corpus");
        const Subcorpus& s = subcorpora_.list[static_cast<std::size_t>(i)];
        return s.name + sep + s.describe();
    };
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
               w.txtPattern;
    }
    case Tab::Keywords: {
        const KeywordsTab& k = keywords_;
        return subcorpus(k.a) + sep + subcorpus(k.b) + sep + std::to_string(k.minAuthors);
    }
    case Tab::Concordance: {
        const ConcordanceTab& c = concordance_;
        return subcorpus(c.scope) + sep + c.txtQuery + sep + std::to_string(c.context);
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

Scope ExploreForm::scopeOf(int subcorpus) const {
    return subcorpus_scope(index_, subcorpora_.list[static_cast<std::size_t>(subcorpus)], fields_);
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
        const ScopeSize size = scope_size(index_, scopeOf(static_cast<int>(i)));
        const Subcorpus& s = subcorpora_.list[i];
        byText |= s.choosesTexts();
        t.rows.push_back({s.name, s.describe(), std::to_string(size.authors),
                          std::to_string(size.texts), std::to_string(size.words)});
    }
    t.settings = {{"authors", "register rows meeting every condition"},
                  {"words", "the pieces of their texts"}};
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
    if (keywords_.b != kRestOfCorpus) follow(keywords_.b);
    follow(concordance_.scope);
    subcorpora_.selected = 0;
    refreshSubcorpora();
    subcorpora_.status = "\"" + name + "\" deleted";
    if (subcorporaChanged) subcorporaChanged();
}

bool ExploreForm::wordScope_Click(int subcorpus) {
    if (subcorpus < 0 || static_cast<std::size_t>(subcorpus) >= subcorpora_.list.size())
        return false;
    wordList_.scope = subcorpus;
    return true;
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
        scope = rows_scope(index_, rows, "author " + code);
    } else {
        scope = scopeOf(w.scope);
    }
    if (w.notInDictionary && !dictionaryRead_) {
        dictionary_ = load_standard_words(dictionaryPath_, glossary_);
        dictionaryRead_ = true;
    }
    WordListOptions options;
    options.glossaryOnly = w.glossaryOnly;
    options.notInDictionary = w.notInDictionary;
    options.pattern = w.txtPattern;
    // A blank box lists every form; text that is not UTF-8 reaches the pattern
    // reader, which says so.
    if (valid_utf8(options.pattern) && is_blank(options.pattern)) options.pattern.clear();
    const WordList list = word_list(index_, scope, glossary_, &dictionary_, options);
    if (!list.error.empty()) {
        w.status = list.error;
        return;
    }
    w.table = word_list_table(list, scope.name, options);
    ++w.revision;
    w.madeWith = settingsOf(Tab::WordList);
    w.selection = "word list of " + (w.byCode ? scope.name : subcorpusName(w.scope));
    const bool phrase = compile_pattern(options.pattern).phrase();
    w.status =
        count_caption(list.rows.size(), phrase ? "phrase" : "form", phrase ? "phrases" : "forms") +
        " in " + count_caption(list.words, "word", "words");
}

bool ExploreForm::keywordsA_Click(int subcorpus) {
    if (subcorpus < 0 || static_cast<std::size_t>(subcorpus) >= subcorpora_.list.size())
        return false;
    keywords_.a = subcorpus;
    return true;
}

bool ExploreForm::keywordsB_Click(int subcorpus) {
    if (subcorpus != kRestOfCorpus &&
        (subcorpus < 0 || static_cast<std::size_t>(subcorpus) >= subcorpora_.list.size()))
        return false;
    keywords_.b = subcorpus;
    return true;
}

void ExploreForm::cmdKeywords_Click() {
    KeywordsTab& k = keywords_;
    const Scope a = scopeOf(k.a);
    const Scope b = k.b == kRestOfCorpus ? rest_scope(index_, a) : scopeOf(k.b);
    const Keywords result = zapt::keywords(index_, a, b, k.minAuthors);
    k.table = keywords_table(index_, result, a.name, b.name);
    ++k.revision;
    k.madeWith = settingsOf(Tab::Keywords);
    k.selection = "keywords of " + subcorpusName(k.a) + " against " + subcorpusName(k.b);
    k.status = count_caption(result.rows.size(), "keyword", "keywords") +
               " (A: " + count_caption(result.wordsA, "word", "words") +
               ", B: " + count_caption(result.wordsB, "word", "words") + ")";
    if (!result.error.empty()) k.status += "; " + result.error;
}

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
    const Pattern p = compile_pattern(c.txtQuery);
    if (!p.ok()) {
        c.status = p.error.empty() ? "type a form or a pattern" : p.error;
        return;
    }
    const Scope scope = scopeOf(c.scope);
    lines_ = zapt::concordance(index_, p, c.context, scope.in, scope.texts);
    linesQuery_ = c.txtQuery;
    linesContext_ = c.context;
    c.madeWith = settingsOf(Tab::Concordance);
    c.selection = "concordance of \"" + c.txtQuery + "\" in " + subcorpusName(c.scope);
    showLines();
}

void ExploreForm::sort_Click(ConcordanceSort by) {
    concordance_.sort = by;
    if (!linesQuery_.empty()) showLines();
}

void ExploreForm::showLines() {
    ConcordanceTab& c = concordance_;
    sort_lines(index_, lines_.lines, c.sort);
    // The window holds the first lines only; a copy of the whole table and an
    // export take every line (concordanceTable).
    c.table = concordance_table(index_, lines_, linesQuery_, linesContext_, c.sort, kLinesShown);
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
}

ResultTable ExploreForm::concordanceTable() const {
    if (lines_.lines.size() <= kLinesShown) return concordance_.table;
    return concordance_table(index_, lines_, linesQuery_, linesContext_, concordance_.sort);
}

// ---- Subcorpora kept between sessions ----------------------------------------

void ExploreForm::setTextColumns(std::vector<std::string> columns,
                                 std::vector<std::vector<std::string>> values) {
    textColumns_ = std::move(columns);
    fields_.textColumns = &textColumns_;
    // The values choose texts only when there is a row for each text.
    const bool perText = !values.empty() && values.size() == index_.textCount();
    textMetadata_ = perText ? std::move(values) : std::vector<std::vector<std::string>>{};
    fields_.textMetadata = perText ? &textMetadata_ : nullptr;
    fields_.textAuthors = perText ? &index_.textAuthors() : nullptr;
}

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
