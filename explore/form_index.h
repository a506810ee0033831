// Pieces and forms, the words every exploring tool counts.
//
// A text's pieces are the text cleaned as the cleaned corpus text is (the
// marks of kCorpusCleaningSet, tabs and line breaks turned into blanks, blank
// runs reduced), text by text, split at blanks; the emoticons of a list
// (explore/emoticons.h: ":)", ":P", "<3"...) are pieces of their own, never
// cleaned away or split into a mark and a letter. A form is a piece folded by
// the counting rule (full Unicode case folding); it is shown in its most
// frequent spelling, the first seen on a tie. The words of a subcorpus are
// its texts' pieces.
//
// The form index is built once over a corpus store: every form with a number,
// per text the sequence of its forms, per author the forms used with their
// counts, and per form where it occurs. Every query of the tools is then an
// aggregation over these, never a new pass over the texts.
#pragma once

#include "corpus/author_register.h"
#include "corpus/column.h"
#include "corpus/compiled_file.h"
#include "corpus/corpus_store.h"
#include "explore/emoticons.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zapt {

// Hashes strings and views alike, so that maps keyed by strings are searched
// by views.
struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Whether a byte separates pieces: a blank, a tab, a line break or a mark of
// the corpus cleaning.
bool is_piece_separator(char c);

// The pieces of a text, in order, as views into `text`, without emoticons.
std::vector<std::string_view> text_pieces(std::string_view text);
// The same with the emoticons of `emoticons` pieces of their own.
std::vector<std::string_view> text_pieces(std::string_view text, const EmoticonList& emoticons);

// The form of a piece: the piece folded by the counting rule.
std::string piece_form(std::string_view piece);

// One form in one author's texts.
struct FormUse {
    std::uint32_t form = 0;
    std::uint32_t count = 0; // its pieces
    std::uint32_t texts = 0; // the texts holding it
};

// The whole corpus's figures of one form.
struct FormTotal {
    std::uint64_t count = 0;
    std::uint32_t texts = 0;
    std::uint32_t authors = 0; // register rows whose texts hold it
};

class FormIndex {
public:
    FormIndex() = default;
    // Indexes every text of `store`; a text belongs to the first register row
    // whose author name equals its per-text name without regard to case (the
    // texts of a name without a row belong to no author). `authors` must
    // outlive the index; the store need not. The emoticons of `emoticons` are
    // pieces of their own (the empty list: none).
    FormIndex(const CorpusStore& store, const AuthorRegister& authors,
              const EmoticonList& emoticons = EmoticonList::builtin());

    // ---- Forms
    std::size_t formCount() const { return folded_.size(); }
    const std::string& folded(std::uint32_t form) const { return folded_[form]; }
    const std::string& shown(std::uint32_t form) const { return shown_[form]; }
    // The number of the form `word` folds to; -1 when the corpus lacks it.
    long long find(std::string_view word) const;
    // The number of a form given folded already; -1 when the corpus lacks it.
    long long findFolded(std::string_view folded) const {
        const auto it = byFolded_.find(folded);
        return it == byFolded_.end() ? -1 : static_cast<long long>(it->second);
    }

    // ---- Texts
    std::size_t textCount() const { return textFrom_.empty() ? 0 : textFrom_.size() - 1; }
    // The pieces of text t, each as its spelling's number.
    std::span<const std::uint32_t> textPieces(std::size_t t) const {
        return {pieces_.data() + textFrom_[t], pieces_.data() + textFrom_[t + 1]};
    }
    std::size_t textLength(std::size_t t) const { return textFrom_[t + 1] - textFrom_[t]; }
    // Where text t's pieces start among all pieces (and where text t+1's do).
    std::size_t firstPiece(std::size_t t) const { return textFrom_[t]; }
    // The form of piece `p` of the corpus (all texts' pieces in corpus order).
    std::uint32_t pieceForm(std::size_t p) const { return formOfSpelling_[pieces_[p]]; }
    // Piece `p` as it is spelled.
    const std::string& pieceText(std::size_t p) const { return spellings_[pieces_[p]]; }
    std::size_t pieceCount() const { return pieces_.size(); }
    // The form of a spelling.
    std::uint32_t formOfSpelling(std::uint32_t s) const { return formOfSpelling_[s]; }
    // The text holding piece `p`.
    std::size_t textOfPiece(std::size_t p) const;
    // The place of a form among the folded forms in sorted order.
    std::uint32_t formRank(std::uint32_t form) const { return rank_[form]; }
    // The register row of text t's author, or -1.
    std::int32_t textAuthor(std::size_t t) const { return textAuthor_[t]; }
    // The same for every text, in corpus order.
    const std::vector<std::int32_t>& textAuthors() const { return textAuthor_; }

    // ---- Authors. Bucket k < authorCount() is register row k; bucket
    // authorCount() holds the texts of no author.
    std::size_t authorCount() const { return authorWords_.empty() ? 0 : authorWords_.size() - 1; }
    std::size_t noAuthor() const { return authorCount(); }
    std::span<const FormUse> authorForms(std::size_t bucket) const {
        return {uses_.data() + usesFrom_[bucket], uses_.data() + usesFrom_[bucket + 1]};
    }
    std::uint64_t authorWords(std::size_t bucket) const { return authorWords_[bucket]; }
    // The texts of a bucket, in corpus order.
    std::span<const std::uint32_t> authorTexts(std::size_t bucket) const {
        return {bucketTexts_.data() + bucketTextsFrom_[bucket],
                bucketTexts_.data() + bucketTextsFrom_[bucket + 1]};
    }
    const std::string& authorCode(std::size_t k) const { return authors_->codes[k]; }

    // ---- The whole corpus
    const FormTotal& total(std::uint32_t form) const { return totals_[form]; }
    std::uint64_t totalWords() const { return pieces_.size(); }
    // The pieces of a form (places among all pieces), in corpus order.
    std::span<const std::uint32_t> occurrences(std::uint32_t form) const {
        return {places_.data() + placesFrom_[form], places_.data() + placesFrom_[form + 1]};
    }

    // The emoticons read as pieces of their own.
    const EmoticonList& emoticons() const { return emoticons_; }

    // How long the index took to build (or to read from a compiled file), in
    // milliseconds.
    double buildMilliseconds() const { return buildMs_; }

    // As sections of a compiled file ("forms." and a name), and read back
    // from one, for the store and register read from the same file; only an
    // index of the built-in emoticons is written. A CompiledError when they
    // do not fit together.
    void write(CompiledWriter& out) const;
    static FormIndex read(const CompiledFile& file, const CorpusStore& store,
                          const AuthorRegister& authors);

private:
    // The steps of building the index from a store.
    std::vector<std::uint32_t> readPieces(const CorpusStore& store);
    void orderForms(const std::vector<std::uint32_t>& spellingCount);
    void countUses(std::size_t authors);
    void placeForms();
    const AuthorRegister* authors_ = nullptr;
    EmoticonList emoticons_;
    std::vector<std::string> folded_, shown_;
    Column<std::uint32_t> pieces_;       // every piece's spelling, corpus order
    std::vector<std::string> spellings_; // by number, in order of first appearance
    Column<std::uint32_t> formOfSpelling_;
    Column<std::uint32_t> rank_;           // per form
    Column<std::uint32_t> textFrom_;       // per text, its first piece; one more
    std::vector<std::int32_t> textAuthor_; // per text
    Column<FormUse> uses_;                 // per bucket, its forms in order of first use
    Column<std::size_t> usesFrom_;         // per bucket; one more
    Column<std::uint64_t> authorWords_;
    Column<std::uint32_t> bucketTexts_, bucketTextsFrom_;
    Column<FormTotal> totals_;
    Column<std::uint32_t> places_, placesFrom_;
    std::unordered_map<std::string, std::uint32_t, StringHash, std::equal_to<>> byFolded_;
    double buildMs_ = 0;
};

} // namespace zapt
