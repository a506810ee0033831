// The literal baselines (see literal.h). Deliberately simple and slow: every
// step is a full pass that builds a new string, nothing is indexed or hashed.
#include "analysis/punctuation.h"
#include "bench/literal.h"

#include "app/controls.h"
#include "corpus/numbers.h"
#include "corpus/text.h"

namespace zapt::literal {
namespace {

// The marks the corpus text, the author text and the group text replace by blanks.
constexpr std::string_view kCorpusMarks[] = {".", ",", "?", "!", ":", ";", "(",
                                             ")", "/", "-", "+", "=", "\""};
constexpr std::string_view kAuthorMarks[] = {".", ",", ";", ":", "?", "!", "(", ")",
                                             "/", "+", "-", "<", ">", "_", "="};
constexpr std::string_view kGroupMarks[] = {".", ",", ";", ":", "?", "!", "(", ")", "-"};
// The punctuation marks counted in an author's texts.
constexpr std::string_view kCountedMarks[] = {".", ",", "?", ":", ";",  "!", "-",
                                              "(", ")", "/", "'", "\"", "[", "]"};

// Number of occurrences of `what` in `text`, as the length the text loses when
// every occurrence is removed.
int count_by_removal(std::string_view text, std::string_view what) {
    return static_cast<int>((text.size() - replace_all(text, what, "").size()) / what.size());
}

std::string reclean(std::string text, const std::string_view* marks, std::size_t mark_count,
                    int blank_passes) {
    for (std::size_t i = 0; i < mark_count; ++i) text = replace_all(text, marks[i], " ");
    return halve_blanks(std::move(text), blank_passes);
}

// Character classes of the word navigation in a text box.
enum class CharClass { Space, Word, Punctuation };

CharClass class_of(char c) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') return CharClass::Space;
    return zapt::is_word_character(c) ? CharClass::Word : CharClass::Punctuation;
}

// The character at `i` as a string of its own (the way Mid$ reads one).
std::string mid1(std::string_view t, std::size_t i) {
    return std::string(t.substr(i, 1));
}

std::size_t word_left(std::string_view t, std::size_t caret) {
    std::size_t i = caret;
    while (i > 0 && class_of(mid1(t, i - 1)[0]) == CharClass::Space) --i;
    if (i == 0) return 0;
    CharClass cls = class_of(mid1(t, i - 1)[0]);
    while (i > 0 && class_of(mid1(t, i - 1)[0]) == cls) --i;
    return i;
}

std::size_t word_right(std::string_view t, std::size_t caret) {
    std::size_t i = caret;
    if (i >= t.size()) return t.size();
    CharClass cls = class_of(mid1(t, i)[0]);
    while (i < t.size() && class_of(mid1(t, i)[0]) == cls) ++i;
    while (i < t.size() && class_of(mid1(t, i)[0]) == CharClass::Space) ++i;
    return i;
}

void add_caption(std::string& group, const std::string& author) {
    double sum = read_decimal(group).value_or(0.0) + read_leading_number(author);
    group = format_full(sum);
}

} // namespace

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string_view::npos;
         at = text.find(from, start)) {
        out.append(text.substr(start, at - start));
        out.append(to);
        start = at + from.size();
    }
    out.append(text.substr(start));
    return out;
}

std::string halve_blanks(std::string text, int passes) {
    for (int i = 0; i < passes; ++i) text = replace_all(text, "  ", " ");
    return text;
}

CorpusStore build_corpus_store(const std::vector<CorpusRow>& corpus,
                               const std::vector<RegisterRow>& authors) {
    CorpusStore s;
    std::string text1;
    for (const CorpusRow& row : corpus) {
        s.texts.push_back(row.text);
        s.textNames.push_back(row.author);
        std::string stored = row.text;
        while (!stored.empty() && stored.back() == ' ') stored.pop_back();
        s.rows.push_back(stored + " ");
        text1 += row.text;
        text1 += " ";
    }
    s.corpusText = halve_blanks(std::move(text1), 51);

    std::string text2 = s.corpusText;
    for (std::string_view mark : kCorpusMarks) text2 = replace_all(text2, mark, " ");
    text2 = replace_all(text2, "\r\n", " ");
    s.cleanedText = halve_blanks(std::move(text2), 50);

    for (const RegisterRow& a : authors) {
        s.authorCodes.push_back(a.code);
        s.authorNames.push_back(a.name);
        int n = 0;
        for (const std::string& name : s.textNames) n += iequals(name, a.name);
        s.textsPerAuthor.push_back(n);
        s.textsPerAuthorCaptions.push_back(std::to_string(n));
    }
    return s;
}

int count_word(std::string_view buffer, std::string_view word) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : buffer) {
        if (c == ' ') {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    pieces.push_back(piece);
    int n = 0;
    for (std::size_t p = 0; p + 1 < pieces.size(); ++p) n += iequals(pieces[p], word);
    return n;
}

AuthorSelection select_author(const CorpusStore& store, std::string_view code) {
    AuthorSelection sel;
    std::size_t k = 0;
    for (std::size_t i = 0; i < store.authorCodes.size(); ++i) {
        if (iequals(store.authorCodes[i], code)) k = i;
    }
    sel.name = k < store.authorNames.size() ? store.authorNames[k] : std::string();
    for (std::size_t n = 0; n < store.textNames.size(); ++n) {
        if (!iequals(store.textNames[n], sel.name)) continue;
        const std::string_view row = store.rows[n];
        sel.lstTextsFound.emplace_back(row);
        sel.txtIndividualsTexts += row;
        sel.txtIndividualsTexts += " ";
        sel.txtIndividualsTexts =
            reclean(std::move(sel.txtIndividualsTexts), kAuthorMarks, std::size(kAuthorMarks), 21);
        sel.txtIndividualsTexts2 += row;
        sel.txtIndividualsTexts2 += " %";
    }
    return sel;
}

std::vector<std::string> non_standard_uses(std::string_view joined,
                                           const std::vector<std::string>& forms) {
    // The pieces between blanks; the last one (after the final blank) is not examined.
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < joined.size(); ++i) {
        std::string c = mid1(joined, i);
        if (c == " ") {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    pieces.push_back(piece);

    std::vector<std::string> list;
    for (std::size_t p = 0; p + 1 < pieces.size(); ++p) {
        for (const std::string& form : forms) {
            if (!iequals(pieces[p], form)) continue;
            // Into the sorted list, after every row that does not sort after it.
            std::size_t at = 0;
            while (at < list.size() && !collate_less(pieces[p], list[at])) ++at;
            list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), pieces[p]);
            // A piece that equals both forms of a case pair ("nite", "Nite") is one use.
            break;
        }
    }
    return list;
}

AuthorData author_data(const std::vector<std::string>& texts_found,
                       const std::vector<std::string>& forms) {
    AuthorData d;
    for (const std::string& row : texts_found) {
        d.txtTexts += row;
        d.txtTexts += " ";
    }
    d.txtTexts += " ";
    const int n = static_cast<int>(texts_found.size());
    if (n > 0) {
        int words = count_by_removal(d.txtTexts, " ");
        int marks = 0;
        for (std::string_view mark : kCountedMarks) marks += count_by_removal(d.txtTexts, mark);
        int row_blanks = 0, row_chars = 0;
        for (const std::string& row : texts_found) {
            row_blanks += count_by_removal(row, " ");
            row_chars += static_cast<int>(char_count(row)); // characters a reader sees
        }
        d.lblTotWords = format_whole(words);
        d.lblPuncDensity = format_4dec(marks / read_leading_number(d.lblTotWords));
        d.lblAvWordClusterLength = format_full(static_cast<double>(char_count(d.txtTexts)) / words);
        d.lblTextTotal = format_whole(n);
        d.lblAvTextLength = format_4dec(static_cast<double>(row_blanks + n) / n);
        d.lblNumOfCharacters = format_4dec(static_cast<double>(row_chars) / n);
    }
    d.lstNonStandards = non_standard_uses(d.txtTexts, forms);
    double words = read_leading_number(d.lblTotWords);
    d.lblNonStandardFormDensity =
        words > 0 ? format_4dec(static_cast<double>(d.lstNonStandards.size()) / words) : "0";
    return d;
}

std::vector<std::string> cluster_list(std::string_view text) {
    std::vector<std::string> items;
    for (std::string mark : {".", ",", "?", "!"}) {
        std::size_t from = 0;
        while (from < text.size()) {
            std::size_t at = from;
            while (at < text.size() && mid1(text, at) != mark) ++at;
            if (at == text.size()) break;
            std::size_t a = word_left(text, at);
            std::size_t b = a;
            for (int jump = 0; jump < 3; ++jump) b = word_right(text, b);
            items.push_back(std::string(text.substr(a, b - a)));
            from = advance_chars(text, at, 10);
        }
    }
    return items;
}

GroupResult group_query(const CorpusStore& store, const std::vector<RegisterRow>& authors,
                        const std::vector<std::string>& forms, AgeBand band, Gender gender) {
    GroupResult g;
    std::vector<std::string> gender_table;
    for (const RegisterRow& a : authors) {
        if (iequals(a.gender, gender_letter(gender))) gender_table.push_back(a.code);
    }
    for (const std::string& code : gender_table) {
        for (std::size_t j = 0; j < authors.size(); ++j) {
            if (!iequals(authors[j].code, code)) continue;
            double texts = j < store.textsPerAuthorCaptions.size()
                               ? read_leading_number(store.textsPerAuthorCaptions[j])
                               : 0.0;
            if (texts > 0 && AgeBands().holds(read_leading_number(authors[j].age), band)) {
                g.AgeTable.push_back(code);
            }
        }
    }

    for (const std::string& code : g.AgeTable) {
        AuthorSelection sel = select_author(store, code);
        for (const std::string& row : sel.lstTextsFound) g.lstGroupTexts.push_back(row);
        AuthorData d = author_data(sel.lstTextsFound, forms);
        add_caption(g.NumOfGroupTexts, d.lblTextTotal);
        add_caption(g.GroupAvTextLength, d.lblAvTextLength);
        add_caption(g.GroupAvNumOfCharacters, d.lblNumOfCharacters);
        add_caption(g.GroupAvWordClusterLength, d.lblAvWordClusterLength);
        add_caption(g.GroupAvPuncDensity, d.lblPuncDensity);
        add_caption(g.GroupNonStandardFormsDensity, d.lblNonStandardFormDensity);
    }
    const double m = static_cast<double>(g.AgeTable.size());
    for (std::string* caption :
         {&g.GroupAvTextLength, &g.GroupAvNumOfCharacters, &g.GroupAvWordClusterLength,
          &g.GroupAvPuncDensity, &g.GroupNonStandardFormsDensity}) {
        *caption = m > 0 ? format_4dec(read_decimal(*caption).value_or(0.0) / m) : "0";
    }

    for (const std::string& row : g.lstGroupTexts) {
        g.Text1 += row;
        g.Text1 += " ";
        g.Text2 += row;
        g.Text2 += " ";
        g.Text2 = reclean(std::move(g.Text2), kGroupMarks, std::size(kGroupMarks), 20);
    }
    return g;
}

} // namespace zapt::literal
