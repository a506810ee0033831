#include "corpus/corpus_store.h"
#include "corpus/buckets.h"

#include "corpus/big_buffer.h"
#include "corpus/text.h"

#include <algorithm>
#include <future>
#include <ostream>

namespace zapt {

void TextColumn::reserve(std::size_t rows, std::size_t chars) {
    reserve_large(*chars_, chars);
    reserve_large(start_, rows);
    reserve_large(length_, rows);
}

void TextColumn::push_back(std::string_view row) {
    start_.push_back(0);
    length_.push_back(0);
    place(start_.size() - 1, row);
}

void TextColumn::resize(std::size_t rows) {
    start_.resize(rows);
    length_.resize(rows);
}

void TextColumn::place(std::size_t n, std::string_view row, std::string_view tail) {
    start_[n] = static_cast<std::uint32_t>(chars_->size());
    length_[n] = static_cast<std::uint32_t>(row.size() + tail.size());
    *chars_ += row;
    *chars_ += tail;
}

void TextColumn::share(const TextColumn& other, std::size_t rows) {
    chars_ = other.chars_;
    reserve_large(start_, rows);
    reserve_large(length_, rows);
    start_.assign(rows, 0);
    length_.assign(rows, 0);
}

void TextColumn::view(std::size_t n, std::size_t offset, std::size_t length) {
    start_[n] = static_cast<std::uint32_t>(offset);
    length_[n] = static_cast<std::uint32_t>(length);
}

bool operator==(const TextColumn& a, const TextColumn& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

void TextColumn::write(CompiledWriter& out, const std::string& name, bool withChars) const {
    if (withChars) {
        const std::string_view c = chars();
        out.add(name + ".chars", c.data(), c.size());
    }
    if (keep_) {
        out.add(name + ".start", mappedStart_);
        out.add(name + ".length", mappedLength_);
    } else {
        out.add(name + ".start", start_);
        out.add(name + ".length", length_);
    }
}

TextColumn TextColumn::read(const CompiledFile& file, const std::string& name,
                            const TextColumn* sharing) {
    TextColumn c;
    c.mappedChars_ = sharing ? sharing->chars() : file.chars(name + ".chars");
    c.mappedStart_ = file.array<std::uint32_t>(name + ".start");
    c.mappedLength_ = file.array<std::uint32_t>(name + ".length", c.mappedStart_.size());
    c.keep_ = file.keep();
    return c;
}

std::ostream& operator<<(std::ostream& out, const TextBuffer& b) {
    return out << b.view();
}

std::string stored_row(std::string_view text) {
    std::string row(trim_trailing_blanks(text));
    row += ' ';
    return row;
}

std::size_t CorpusStore::textAt(std::size_t position) const {
    return static_cast<std::size_t>(
        std::upper_bound(cleanedTextEnd.begin(), cleanedTextEnd.end(), position) -
        cleanedTextEnd.begin());
}

namespace {

// The corpus text: each text followed by one blank, every run of blanks
// reduced to one.
void build_corpus_text(CorpusStore& s, const std::vector<CorpusRow>& corpus, std::size_t total) {
    std::string corpusText;
    reserve_large(corpusText, total);
    corpusText.resize(total);
    char* const t1 = corpusText.data();
    std::size_t o1 = 0;
    bool blank1 = false; // the last character written was a blank
    for (const CorpusRow& row : corpus) {
        for (const char c : row.text) {
            const bool b1 = c == ' ';
            t1[o1] = c;
            o1 += !(b1 && blank1);
            blank1 = b1;
        }
        t1[o1] = ' ';
        o1 += !blank1;
        blank1 = true;
    }
    corpusText.resize(o1);
    s.corpusText = std::move(corpusText);
}

// The cleaned corpus text and its index, with where each text's stretch of
// it ends and how many blanks it holds (`blanks`).
void build_cleaned_text(CorpusStore& s, const std::vector<CorpusRow>& corpus, std::size_t total,
                        std::vector<std::uint32_t>& blanks) {
    // The corpus text with the marks (and each CR/LF pair) turned into blanks
    // too, every run of blanks reduced to one. Cleaning text by text gives
    // what cleaning the whole corpus text would, since a blank stands between
    // any two texts.
    static constexpr CharSet kClean(kCorpusCleaningSet);
    static constexpr CharSet kCutsOnlyCleanedText("/+=\"\r");
    const std::size_t n = corpus.size();
    std::string cleanedText;
    reserve_large(cleanedText, total);
    cleanedText.resize(total);
    char* const t2 = cleanedText.data();
    std::size_t o2 = 0;
    bool blank2 = false; // the last character written was a blank
    reserve_large(s.cleanedTextEnd, n);
    reserve_large(blanks, n);
    s.cleanedTextEnd.resize(n);
    blanks.resize(n);
    for (std::size_t t = 0; t < n; ++t) {
        const std::string& text = corpus[t].text;
        bool cut = false;
        std::uint32_t written = 0;
        const std::size_t len = text.size();
        for (std::size_t i = 0; i <= len; ++i) {
            const char c = i < len ? text[i] : ' ';
            cut |= kCutsOnlyCleanedText.contains(c);
            bool b2 = c == ' ' || kClean.contains(c);
            if (c == '\r' && i + 1 < len && text[i + 1] == '\n') {
                b2 = true;
                ++i; // the line feed of the pair
            }
            t2[o2] = b2 ? ' ' : c;
            o2 += !(b2 && blank2);
            written += b2 && !blank2;
            blank2 = b2;
        }
        s.cleanedTextEnd[t] = static_cast<std::uint32_t>(o2);
        blanks[t] = written;
        if (cut) s.cutDifferently.push_back(static_cast<std::uint32_t>(t));
    }
    cleanedText.resize(o2);
    s.cleanedText = std::move(cleanedText);
    s.cleanedIndex = WordIndex(s.cleanedText);
}

} // namespace

CorpusStore build_corpus_store(const std::vector<CorpusRow>& corpus,
                               const std::vector<RegisterRow>& authors,
                               const std::function<void(const CorpusStore&)>& alongside) {
    CorpusStore s;
    const std::size_t n = corpus.size();
    std::size_t total = 0, names = 0;
    for (const CorpusRow& row : corpus) {
        total += row.text.size() + 1;
        names += row.author.size();
    }
    // The cleaned corpus text on a second thread: it touches no field this
    // one fills.
    std::vector<std::uint32_t> blanks;
    std::future<void> cleaned;
    if (n >= kTextsForASecondThread) {
        cleaned =
            std::async(std::launch::async, [&] { build_cleaned_text(s, corpus, total, blanks); });
    } else {
        build_cleaned_text(s, corpus, total, blanks);
    }

    s.textNames.reserve(n, names);
    std::vector<std::uint32_t> textName;
    reserve_large(textName, n);
    textName.resize(n);
    std::vector<std::uint32_t> counts;
    for (std::size_t t = 0; t < n; ++t) {
        s.textNames.push_back(corpus[t].author);
        // A name matches another when they are equal without regard to case.
        const auto [name, added] = s.names.add(corpus[t].author);
        if (added) counts.push_back(0);
        ++counts[name];
        textName[t] = name;
    }

    // The texts of each name, in corpus order.
    s.nameTextsFrom = bucket_starts(counts);
    std::vector<std::uint32_t> nameTexts;
    reserve_large(nameTexts, n);
    nameTexts.resize(n);
    {
        BucketPlaces next(s.nameTextsFrom);
        for (std::size_t t = 0; t < n; ++t)
            nameTexts[next(textName[t])] = static_cast<std::uint32_t>(t);
    }
    s.textName = std::move(textName);
    s.nameTexts = std::move(nameTexts);

    // Each text and a blank, those of one name side by side: the text is its
    // start, its row (trailing blanks cut to one) too.
    s.rows.reserve(n, total);
    s.rows.resize(n);
    s.texts.share(s.rows, n);
    for (std::size_t i = 0; i < n; ++i) {
        if (i + 16 < n) __builtin_prefetch(&corpus[s.nameTexts[i + 16]]);
        if (i + 4 < n) __builtin_prefetch(corpus[s.nameTexts[i + 4]].text.data());
        const std::uint32_t t = s.nameTexts[i];
        const std::string& text = corpus[t].text;
        s.rows.place(t, text, " ");
        s.texts.view(t, s.rows.offset(t), text.size());
        s.rows.view(t, s.rows.offset(t), trim_trailing_blanks(text).size() + 1);
    }

    // Texts per author, through the author's name.
    const std::size_t m = authors.size();
    s.authorCodes.reserve(m);
    s.authorNames.reserve(m);
    s.textsPerAuthorCaptions.reserve(m);
    s.textsPerAuthor.reserve(m);
    s.authorName.reserve(m);
    for (const RegisterRow& a : authors) {
        s.authorCodes.push_back(a.code);
        s.authorNames.push_back(a.name);
        const long long name = s.names.find(a.name);
        const int texts_of =
            name < 0 ? 0 : static_cast<int>(counts[static_cast<std::size_t>(name)]);
        s.authorName.push_back(static_cast<std::int32_t>(name));
        s.textsPerAuthor.push_back(texts_of);
        s.textsPerAuthorCaptions.push_back(std::to_string(texts_of));
    }

    // Each text's author: the first register row of its name.
    {
        std::vector<std::int32_t> rowOfName(counts.size(), -1);
        for (std::size_t k = 0; k < m; ++k) {
            const std::int32_t name = s.authorName[k];
            if (name >= 0 && rowOfName[static_cast<std::size_t>(name)] < 0)
                rowOfName[static_cast<std::size_t>(name)] = static_cast<std::int32_t>(k);
        }
        s.textAuthor.resize(n);
        for (std::size_t t = 0; t < n; ++t) s.textAuthor[t] = rowOfName[s.textName[t]];
    }

    // The register rows of each code.
    std::vector<std::uint32_t> code_of(m), rows_of;
    for (std::size_t k = 0; k < m; ++k) {
        const auto [c, added] = s.codes.add(authors[k].code);
        if (added) rows_of.push_back(0);
        ++rows_of[c];
        code_of[k] = c;
    }
    s.codeRowsFrom = bucket_starts(rows_of);
    s.codeRows.resize(m);
    {
        BucketPlaces next(s.codeRowsFrom);
        for (std::size_t k = 0; k < m; ++k) s.codeRows[next(code_of[k])] = static_cast<int>(k);
    }

    build_corpus_text(s, corpus, total);
    if (alongside) alongside(s);
    if (cleaned.valid()) cleaned.get();
    s.nameCleanedBlanks.assign(counts.size(), 0);
    for (std::size_t t = 0; t < n; ++t) s.nameCleanedBlanks[s.textName[t]] += blanks[t];
    return s;
}

} // namespace zapt

namespace zapt {

void write_corpus_store(CompiledWriter& out, const CorpusStore& s) {
    s.texts.write(out, "store.texts");
    const bool shared = s.rows.sharesChars(s.texts);
    out.add_value("store.rowsShareTexts", static_cast<std::uint8_t>(shared));
    s.rows.write(out, "store.rows", !shared);
    s.textNames.write(out, "store.textNames");
    out.add_strings("store.authorCodes", s.authorCodes);
    out.add_strings("store.authorNames", s.authorNames);
    out.add_strings("store.textsPerAuthorCaptions", s.textsPerAuthorCaptions);
    out.add("store.textsPerAuthor", s.textsPerAuthor);
    out.add("store.corpusText", s.corpusText.data(), s.corpusText.size());
    out.add("store.cleanedText", s.cleanedText.data(), s.cleanedText.size());
    out.add("store.textName", s.textName);
    out.add("store.nameTexts", s.nameTexts);
    out.add("store.nameTextsFrom", s.nameTextsFrom);
    out.add("store.authorName", s.authorName);
    out.add("store.textAuthor", s.textAuthor);
    out.add("store.nameCleanedBlanks", s.nameCleanedBlanks);
    s.codes.write(out, "store.codes");
    out.add("store.codeRowsFrom", s.codeRowsFrom);
    out.add("store.codeRows", s.codeRows);
    out.add("store.cleanedTextEnd", s.cleanedTextEnd);
    out.add("store.cutDifferently", s.cutDifferently);
    s.cleanedIndex.write(out, "store.cleanedIndex");
    s.names.write(out, "store.names");
}

CorpusStore read_corpus_store(const CompiledFile& f) {
    CorpusStore s;
    s.texts = TextColumn::read(f, "store.texts");
    const bool shared = f.value<std::uint8_t>("store.rowsShareTexts") != 0;
    s.rows = TextColumn::read(f, "store.rows", shared ? &s.texts : nullptr);
    s.textNames = TextColumn::read(f, "store.textNames");
    const std::size_t n = s.texts.size();
    if (s.rows.size() != n || s.textNames.size() != n)
        throw CompiledError("the store's columns do not fit together");
    s.authorCodes = f.strings("store.authorCodes");
    const std::size_t m = s.authorCodes.size();
    s.authorNames = f.strings("store.authorNames");
    s.textsPerAuthorCaptions = f.strings("store.textsPerAuthorCaptions");
    if (s.authorNames.size() != m || s.textsPerAuthorCaptions.size() != m)
        throw CompiledError("the store's authors do not fit together");
    auto copy = [&](const char* name, auto& to, std::size_t count) {
        using T = typename std::remove_reference_t<decltype(to)>::value_type;
        const std::span<const T> a = f.array<T>(name, count);
        to.assign(a.begin(), a.end());
    };
    copy("store.textsPerAuthor", s.textsPerAuthor, m);
    s.corpusText = f.text("store.corpusText");
    s.cleanedText = f.text("store.cleanedText");
    s.textName = f.column<std::uint32_t>("store.textName", n);
    s.nameTexts = f.column<std::uint32_t>("store.nameTexts", n);
    s.names = FoldedKeys::read(f, "store.names");
    s.codes = FoldedKeys::read(f, "store.codes");
    copy("store.nameTextsFrom", s.nameTextsFrom, s.names.size() + 1);
    copy("store.authorName", s.authorName, m);
    copy("store.textAuthor", s.textAuthor, n);
    copy("store.nameCleanedBlanks", s.nameCleanedBlanks, s.names.size());
    copy("store.codeRowsFrom", s.codeRowsFrom, s.codes.size() + 1);
    copy("store.codeRows", s.codeRows, m);
    copy("store.cleanedTextEnd", s.cleanedTextEnd, n);
    s.cutDifferently = f.vector<std::uint32_t>("store.cutDifferently");
    s.cleanedIndex = WordIndex::read(f, "store.cleanedIndex");
    return s;
}

} // namespace zapt
