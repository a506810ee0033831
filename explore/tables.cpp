#include "explore/tables.h"

#include <algorithm>
#include <charconv>

namespace zapt {
namespace {

std::string whole(std::uint64_t n) {
    return std::to_string(n);
}

} // namespace

std::string full_precision(std::optional<double> value) {
    if (!value) return {};
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, *value);
    return std::string(buf, res.ptr);
}

std::string count_caption(std::uint64_t n, const std::string& one, const std::string& many) {
    std::string digits = std::to_string(n), s;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) s += ',';
        s += digits[i];
    }
    return s + " " + (n == 1 ? one : many);
}

namespace {

// How the pieces are cut, for the "#" lines.
std::string pieces_setting(const std::string& emoticons) {
    std::string s = "each text cleaned as the cleaned corpus text (. , ? ! : ; ( ) / - + = \" "
                    "tabs and line breaks as blanks), split at blanks";
    if (!emoticons.empty() && emoticons != "none") {
        s += "; emoticons of the list are pieces of their own: a blank-separated chunk made of "
             "emoticons (closing . , ! ? set aside), or emoticons glued to the end of a word "
             "(not after a digit; the first starting with a mark)";
    }
    return s;
}

void filter_settings(ResultTable& t, const FormFilter& f) {
    if (f.noNumbers) {
        t.settings.push_back(
            {"numbers", "left out: numbers (digits only, with at most a currency sign before or "
                        "% after) and placeholders (<#>, <DECIMAL>, <EMAIL>: a tag of letters, "
                        "digits and _ in angle brackets)"});
    }
    if (!f.stopList.empty()) t.settings.push_back({"stop list", f.stopList.describe()});
}

} // namespace

ResultTable word_list_table(const WordList& list, const std::string& scope,
                            const WordListOptions& options) {
    ResultTable t;
    t.title = "Word list: " + scope;
    t.columns = {"form",          "count", "per_10k",          "texts",
                 "authors_using", "dp",    "top_author_share", "interpretation"};
    for (const WordListRow& r : list.rows) {
        t.rows.push_back({r.form, whole(r.count), full_precision(r.per10k), whole(r.texts),
                          whole(r.authors), full_precision(r.dp), full_precision(r.topShare),
                          r.interpretation});
    }
    t.settings = {
        {"scope", scope},
        {"words", whole(list.words) + " (the pieces of the scope's texts)"},
        {"pieces", pieces_setting(list.emoticons)},
        {"form", "a piece folded by full Unicode case folding, shown in its most frequent "
                 "spelling"},
        {"per_10k", "count * 10000 / words"},
        {"dp", "Gries's DP over the scope's authors, each a part of the size of their words "
               "(authors without words left out)"},
        {"top_author_share", "the largest single author's count / count; empty when no author "
                             "uses the form (only texts of no author hold it)"},
    };
    if (!list.emoticons.empty()) t.settings.push_back({"emoticons", list.emoticons});
    if (!list.texts.empty()) t.settings.push_back({"texts", list.texts});
    if (!options.pattern.empty()) t.settings.push_back({"pattern", options.pattern});
    if (options.glossaryOnly) t.settings.push_back({"filter", "glossary forms only"});
    if (options.notInDictionary) {
        t.settings.push_back({"filter", "not in a standard dictionary (the word list and the "
                                        "words of the glossary's interpretations)"});
    }
    if (options.minCount > 0) t.settings.push_back({"minimum count", whole(options.minCount)});
    if (options.minAuthors > 0)
        t.settings.push_back({"minimum authors", whole(options.minAuthors) + " authors using it"});
    filter_settings(t, options.filter);
    return t;
}

ResultTable keywords_table(const FormIndex& index, const Keywords& k, const std::string& nameA,
                           const std::string& nameB) {
    (void)index;
    ResultTable t;
    t.title = "Keywords: " + nameA + " against " + nameB +
              (k.reference.empty() ? "" : " of " + k.reference);
    t.columns = {"form",      "count_a",   "count_b",   "per_10k_a",
                 "per_10k_b", "g2",        "log_ratio", "pct_diff",
                 "authors_a", "authors_b", "side",      "top_author_share"};
    for (const KeywordRow& r : k.rows) {
        t.rows.push_back({r.shown, whole(r.a), whole(r.b), full_precision(r.stats.rateA),
                          full_precision(r.stats.rateB), full_precision(r.signedG2()),
                          full_precision(r.stats.logRatio), full_precision(r.stats.pctDiff),
                          whole(r.authorsA), whole(r.authorsB), std::string(1, r.side),
                          full_precision(r.topShare)});
    }
    const std::string ofB = k.reference.empty() ? "" : " of the reference corpus " + k.reference;
    t.settings = {
        {"a", nameA + ", " + whole(k.wordsA) + " words"},
        {"b", nameB + ofB + ", " + whole(k.wordsB) + " words"},
        {"g2", "2 (a ln(a/E1) + b ln(b/E2)), E1 = A(a+b)/(A+B), E2 = B(a+b)/(A+B), 0 ln 0 = 0; "
               "signed: positive where the rate in A is higher (a keyword of A), negative where "
               "the rate in B is higher (side b)"},
        {"log_ratio", "log2((a/A)/(b/B)), 0.5 in place of a zero count"},
        {"pct_diff", "100 (a/A - b/B)/(b/B); empty when b = 0"},
        {"side", "where the rate is higher"},
        {"author floor", std::to_string(k.minAuthors) + " authors of the form's side must use it"},
        {"top_author_share", "the side's largest single author's count / the side's count"},
        {"order", "signed g2 descending: A's keywords first, the strongest first; B's last, the "
                  "strongest last"},
        {"pieces", pieces_setting(k.emoticons)},
    };
    if (!k.emoticons.empty()) t.settings.push_back({"emoticons", k.emoticons});
    if (!k.textsA.empty()) t.settings.push_back({"texts of a", k.textsA});
    if (!k.textsB.empty()) t.settings.push_back({"texts of b", k.textsB});
    if (!k.reference.empty()) {
        t.settings.push_back({"forms", "matched across the two corpora by their folded form; "
                                       "shown as A's corpus spells them most often"});
    }
    if (k.options.minCount > 0)
        t.settings.push_back({"minimum count", whole(k.options.minCount) + " on the form's side"});
    filter_settings(t, k.options.filter);
    if (!k.error.empty()) t.settings.push_back({"no keywords", k.error});
    return t;
}

ResultTable concordance_table(const FormIndex& index, const Concordance& c,
                              const std::string& query, int context, ConcordanceSort sort,
                              std::size_t limit, const LineFields& fields) {
    ResultTable t;
    t.title = "Concordance: " + query;
    t.columns = {"code"};
    t.columns.insert(t.columns.end(), fields.columns.begin(), fields.columns.end());
    t.columns.insert(t.columns.end(), {"left", "hit", "right"});
    const std::size_t shown = std::min(limit, c.lines.size());
    const std::size_t width = t.columns.size();
    t.rows.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i) {
        const ConcordanceLine& l = c.lines[i];
        // Moved in, not copied from an initializer list: a concordance may have
        // hundreds of thousands of lines.
        std::vector<std::string>& row = t.rows.emplace_back();
        row.reserve(width);
        row.push_back(line_code(index, l));
        for (std::size_t f = 0; f < fields.columns.size(); ++f)
            row.push_back(fields.value(l.author, f));
        row.push_back(joined_pieces(index, l.from(), l.first));
        row.push_back(joined_pieces(index, l.first, l.first + l.length));
        row.push_back(joined_pieces(index, l.first + l.length, l.to()));
    }
    t.settings = {
        {"query", query},
        {"context", std::to_string(context) + " pieces each side at most, within the hit's text"},
        {"privacy", "a line shows at most half of its text's pieces, and so do the lines of one "
                    "text together"},
        {"hits", whole(c.hits) + ", of which " + whole(c.hidden) +
                     " not shown: their texts are too short, and " + whole(c.withheld) +
                     " not shown: the lines before them show half of their text"},
        {"order", sort_caption(sort)},
        {"emoticons", index.emoticons().describe()},
    };
    if (!c.texts.empty()) t.settings.push_back({"texts", c.texts});
    if (!fields.empty()) {
        std::string names;
        for (const std::string& n : fields.columns) names += (names.empty() ? "" : ", ") + n;
        t.settings.push_back({"fields", names + ": the author's value, as the comparisons "
                                                "name its group; empty for none"});
    }
    return t;
}

ResultTable concordance_tally_table(const Concordance& c, const LineFields& fields,
                                    const std::string& query) {
    ResultTable t;
    t.title = "Concordance hits by group: " + query;
    t.columns = fields.columns;
    t.columns.insert(t.columns.end(), {"lines", "hits", "authors"});
    for (const GroupTally& g : tally_hits(c, fields)) {
        std::vector<std::string> row = g.values;
        row.insert(row.end(), {whole(g.lines), whole(g.hits), whole(g.authors)});
        t.rows.push_back(std::move(row));
    }
    t.settings = {
        {"query", query},
        {"lines", "the lines shown (a line shows at most half of its text)"},
        {"hits", "every hit of the authors of the group, shown or not"},
        {"authors", "the group's authors with a hit"},
        {"groups", "the authors sharing a value of every field; texts of no author and authors "
                   "without a value under an empty one"},
    };
    if (!c.texts.empty()) t.settings.push_back({"texts", c.texts});
    return t;
}

ResultTable authors_table(const FormIndex& index, const AuthorFields& fields,
                          const std::vector<std::size_t>& rows,
                          const std::vector<std::string>& forms, const std::string& title,
                          const std::vector<char>& texts) {
    ResultTable t;
    t.title = title;
    t.columns = {"code", "age", "gender", "education", "native_language"};
    const std::size_t meta = fields.metadataColumns ? fields.metadataColumns->size() : 0;
    for (std::size_t c = 0; c < meta; ++c) t.columns.push_back((*fields.metadataColumns)[c]);
    t.columns.insert(t.columns.end(), {"form", "count", "words", "share"});
    std::vector<long long> ids;
    for (const std::string& f : forms) ids.push_back(index.find(f));
    const AuthorRegister& r = *fields.authors;
    std::vector<std::uint64_t> counts(forms.size());
    for (const std::size_t k : rows) {
        if (k >= index.authorCount()) continue;
        std::uint64_t words = index.authorWords(k);
        if (texts.empty()) {
            const auto uses = index.authorForms(k);
            for (std::size_t i = 0; i < forms.size(); ++i) {
                counts[i] = 0;
                if (ids[i] < 0) continue;
                const auto it = std::find_if(uses.begin(), uses.end(), [&](const FormUse& u) {
                    return u.form == static_cast<std::uint32_t>(ids[i]);
                });
                if (it != uses.end()) counts[i] = it->count;
            }
        } else {
            // The author's texts in the subcorpus only, piece by piece.
            std::fill(counts.begin(), counts.end(), 0);
            words = 0;
            for (const std::uint32_t t : index.authorTexts(k)) {
                if (t >= texts.size() || !texts[t]) continue;
                words += index.textLength(t);
                for (const std::uint32_t s : index.textPieces(t)) {
                    const std::uint32_t f = index.formOfSpelling(s);
                    for (std::size_t i = 0; i < forms.size(); ++i)
                        counts[i] += ids[i] == static_cast<long long>(f);
                }
            }
        }
        std::uint64_t listed = 0; // the author's count of all the forms
        for (std::size_t i = 0; i < forms.size(); ++i) listed += counts[i];
        for (std::size_t i = 0; i < forms.size(); ++i) {
            std::vector<std::string> row = {r.codes[k], r.ages[k], r.genders[k], r.educations[k],
                                            r.nativeLanguages[k]};
            for (std::size_t c = 0; c < meta; ++c) row.emplace_back(fields.metadata(k, c));
            const std::optional<double> share =
                listed > 0 ? std::optional<double>(static_cast<double>(counts[i]) /
                                                   static_cast<double>(listed))
                           : std::nullopt;
            row.insert(row.end(),
                       {forms[i], whole(counts[i]), whole(words), full_precision(share)});
            t.rows.push_back(std::move(row));
        }
    }
    t.settings = {{"count", "the form's pieces in the author's texts (folded alike)"},
                  {"words", "the pieces of the author's texts"},
                  {"share", "count / the author's count of all the listed forms (each form once); "
                            "empty when that is 0"},
                  {"emoticons", index.emoticons().describe()}};
    if (!texts.empty()) {
        t.settings[0].second = "the form's pieces in the author's texts of the subcorpus (folded "
                               "alike)";
        t.settings[1].second = "the pieces of the author's texts of the subcorpus";
        t.settings.push_back(
            {"texts", chosen_texts(index, texts_scope(index, rows_scope(index, rows, {}), texts))});
    }
    return t;
}

} // namespace zapt
