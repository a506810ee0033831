// The corpus store: the fixed corpus and the buffers derived from it once at
// start-up. Nothing here changes after it has been built.
#pragma once

#include "corpus/column.h"
#include "corpus/compiled_file.h"
#include "corpus/data_files.h"
#include "corpus/folded_keys.h"
#include "corpus/word_index.h"

#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// Marks replaced by blanks in the cleaned corpus text (with the CR/LF pair).
inline constexpr std::string_view kCorpusCleaningSet = ".,?!:;()/-+=\"";

// A view of one stored text; it turns into a string of its own where one is
// wanted (a record of the data files, say).
struct TextView : std::string_view {
    TextView() = default;
    explicit TextView(std::string_view v) : std::string_view(v) {}
    operator std::string() const { return std::string(data(), size()); }
};

// A column of texts held in one buffer: row n is a view of its characters.
// Rows may stand in the buffer in another order than their numbers (the
// store keeps the rows of one author name side by side). A column is built
// in memory or viewed in a compiled file.
class TextColumn {
public:
    class iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = TextView;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = TextView;

        iterator() = default;
        iterator(const TextColumn* c, std::size_t i) : c_(c), i_(i) {}
        TextView operator*() const { return (*c_)[i_]; }
        TextView operator[](difference_type d) const {
            return (*c_)[i_ + static_cast<std::size_t>(d)];
        }
        iterator& operator++() { return ++i_, *this; }
        iterator operator++(int) { return {c_, i_++}; }
        iterator& operator--() { return --i_, *this; }
        iterator operator--(int) { return {c_, i_--}; }
        iterator& operator+=(difference_type d) {
            i_ += static_cast<std::size_t>(d);
            return *this;
        }
        iterator& operator-=(difference_type d) {
            i_ -= static_cast<std::size_t>(d);
            return *this;
        }
        friend iterator operator+(iterator a, difference_type d) { return a += d; }
        friend iterator operator+(difference_type d, iterator a) { return a += d; }
        friend iterator operator-(iterator a, difference_type d) { return a -= d; }
        friend difference_type operator-(iterator a, iterator b) {
            return static_cast<difference_type>(a.i_) - static_cast<difference_type>(b.i_);
        }
        friend bool operator==(iterator a, iterator b) { return a.i_ == b.i_; }
        friend auto operator<=>(iterator a, iterator b) { return a.i_ <=> b.i_; }

    private:
        const TextColumn* c_ = nullptr;
        std::size_t i_ = 0;
    };

    std::size_t size() const { return keep_ ? mappedStart_.size() : start_.size(); }
    bool empty() const { return size() == 0; }
    TextView operator[](std::size_t n) const {
        if (keep_) return TextView(mappedChars_.substr(mappedStart_[n], mappedLength_[n]));
        return TextView(std::string_view(*chars_).substr(start_[n], length_[n]));
    }
    iterator begin() const { return {this, 0}; }
    iterator end() const { return {this, size()}; }

    // Room for `rows` rows of `chars` characters in all.
    void reserve(std::size_t rows, std::size_t chars);
    // Row size() is `row`, placed after every row placed so far.
    void push_back(std::string_view row);
    // Makes room for `rows` rows, to be placed by place() in any order.
    void resize(std::size_t rows);
    // Row n is `row` followed by `tail`, placed after every row placed so far.
    void place(std::size_t n, std::string_view row, std::string_view tail = {});
    // Where row n stands in chars().
    std::size_t offset(std::size_t n) const { return keep_ ? mappedStart_[n] : start_[n]; }
    std::string_view chars() const { return keep_ ? mappedChars_ : std::string_view(*chars_); }
    // Makes this column one over the characters of `other` (both then read
    // the same buffer), with room for `rows` rows, each set by view().
    void share(const TextColumn& other, std::size_t rows);
    // Row n is the `length` characters at `offset` of the shared characters.
    void view(std::size_t n, std::size_t offset, std::size_t length);

    // Row for row, whatever the rows' places.
    friend bool operator==(const TextColumn& a, const TextColumn& b);

    // As sections of a compiled file, named `name` and a suffix; without the
    // characters when `sharing` (a column whose characters it shares) writes
    // them. read() views them in `file`, with the characters of `sharing`
    // when given.
    void write(CompiledWriter& out, const std::string& name, bool withChars = true) const;
    static TextColumn read(const CompiledFile& file, const std::string& name,
                           const TextColumn* sharing = nullptr);
    // Whether two columns read the same characters.
    bool sharesChars(const TextColumn& other) const {
        return keep_ ? mappedChars_.data() == other.chars().data() : chars_ == other.chars_;
    }

private:
    // Built in memory:
    std::shared_ptr<std::string> chars_ = std::make_shared<std::string>();
    std::vector<std::uint32_t> start_;
    std::vector<std::uint32_t> length_;
    // Viewed in a compiled file, which keep_ keeps:
    std::shared_ptr<const void> keep_;
    std::string_view mappedChars_;
    std::span<const std::uint32_t> mappedStart_, mappedLength_;
};

struct CorpusStore {
    // Parallel to the corpus, indexed by text number 0..976.
    TextColumn texts;     // each text exactly as supplied
    TextColumn textNames; // the author name of each text
    TextColumn rows;      // each text without trailing blanks, plus one blank
    // (The store keeps each text followed by a blank, those of one name side
    // by side; a text's row is the start of that, so the two columns share
    // their characters.)

    // Parallel to the author register, same rows in the same order.
    std::vector<std::string> authorCodes;
    std::vector<std::string> authorNames;
    std::vector<std::string> textsPerAuthorCaptions; // counts as text ("0", "12")
    std::vector<int> textsPerAuthor;                 // the same counts as numbers

    TextBuffer corpusText; // the corpus text: every text plus a blank, blank runs reduced
    TextBuffer
        cleanedText; // the cleaned corpus text: the corpus text with punctuation turned into blanks

    // The per-text author names matched without regard to case: every
    // distinct folded name has a number (in order of first appearance).
    Column<std::uint32_t> textName;           // per text: its name's number
    Column<std::uint32_t> nameTexts;          // text numbers grouped by name, corpus order
    std::vector<std::uint32_t> nameTextsFrom; // per name: its first place in nameTexts; one more
    std::vector<std::int32_t> authorName;     // per register row: its name's number, or -1
    // Per text: the register row of its author (the first row of its name),
    // or -1 for a text of no registered author.
    std::vector<std::int32_t> textAuthor;
    // Per name: the blanks of its texts' stretches of cleanedText (one per word,
    // and the blank that opens cleanedText when its first text starts with one).
    std::vector<std::uint32_t> nameCleanedBlanks;
    // The register's codes matched without regard to case: every distinct
    // folded code has a number, with its register rows in register order.
    FoldedKeys codes;
    std::vector<std::uint32_t> codeRowsFrom; // per code: its first place in codeRows; one more
    std::vector<int> codeRows;
    // Per text: where its pieces end in cleanedText (the size of cleanedText up to and
    // including the text).
    std::vector<std::uint32_t> cleanedTextEnd;
    // The texts (ascending numbers) that the group text's marks cut into other
    // pieces than cleanedText holds: those holding a mark only cleanedText turns into a
    // blank. Every other text has the same pieces under both cleanings.
    std::vector<std::uint32_t> cutDifferently;
    // Every piece of cleanedText, for every count over it.
    WordIndex cleanedIndex;

    int corpusTextCount() const { return static_cast<int>(rows.size()); }
    bool authorHasTexts(std::size_t row) const {
        return row < textsPerAuthor.size() && textsPerAuthor[row] > 0;
    }
    std::size_t nameCount() const { return nameTextsFrom.empty() ? 0 : nameTextsFrom.size() - 1; }
    // The number of the per-text name equal to `name` without regard to
    // case, or -1 when no text has it.
    long long nameNumber(std::string_view name) const { return names.find(name); }
    // The text whose pieces include the one starting at `position` of cleanedText.
    std::size_t textAt(std::size_t position) const;

    FoldedKeys names; // the numbers of the folded names
};

// Builds the store: every buffer in one linear pass. A large corpus has its
// cleaned corpus text (cleanedText, its index and the fields derived with them)
// built on a second thread while this one fills the rest and then runs
// `alongside`, which may read every other field.
CorpusStore build_corpus_store(const std::vector<CorpusRow>& corpus,
                               const std::vector<RegisterRow>& authors,
                               const std::function<void(const CorpusStore&)>& alongside = {});
// From this many texts on, the cleaned corpus text is built on a second thread.
inline constexpr std::size_t kTextsForASecondThread = 5000;

// The store as sections of a compiled file ("store." and a name), and read
// back from one: the large arrays viewed in place, the small ones (per author,
// per name) copied. A CompiledError when the sections do not fit together.
void write_corpus_store(CompiledWriter& out, const CorpusStore& store);
CorpusStore read_corpus_store(const CompiledFile& file);

// The row text of a stored text: trailing blanks removed, one blank appended.
std::string stored_row(std::string_view text);

} // namespace zapt
