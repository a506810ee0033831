// The corpus by author, built once at start-up from the store, the register
// and the glossary: for every per-text author name its texts, the figures of
// Get Author Data, the rows' lengths and the uses of glossary forms in the
// order of the sorted list; for every register row its name, gender, age and
// whether it has texts, so that the authors of any group are found without
// running a query. The corpus holds one; the main window, the comparison of groups and every
// other tool read it.
#pragma once

#include "analysis/glossary.h"
#include "analysis/metrics.h"
#include "corpus/author_register.h"
#include "corpus/column.h"
#include "corpus/compiled_file.h"
#include "corpus/corpus_store.h"
#include "selection/age_band.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// The texts of one per-text author name, with the figures of their rows.
struct AuthorEntry {
    std::size_t textsFrom = 0; // the texts: store.nameTexts[textsFrom, textsTo)
    std::size_t textsTo = 0;
    AuthorFigures figures;
    std::size_t rowsLength = 0; // the rows' lengths added up, in bytes
    std::size_t rowsChars = 0;  // the same in characters
    std::size_t usesFirst = 0;  // the uses: places [usesFirst, usesLast) of the index
    std::size_t usesLast = 0;
    std::size_t count() const { return textsTo - textsFrom; }
    std::size_t uses() const { return usesLast - usesFirst; }
};

class AuthorIndex {
public:
    AuthorIndex() = default;
    AuthorIndex(const CorpusStore& store, const AuthorRegister& authors, const Glossary& glossary) {
        countTexts(store, glossary);
        readRegister(store, authors);
    }

    // The two halves of building, for a store whose cleaned text is still
    // being indexed: countTexts reads the store's rows and names only.
    void countTexts(const CorpusStore& store, const Glossary& glossary);
    void readRegister(const CorpusStore& store, const AuthorRegister& authors);

    // Per name number of the store.
    std::size_t size() const { return byName_.size(); }
    const AuthorEntry& operator[](std::size_t name) const { return byName_[name]; }
    // The entry of the name of register row k; nothing when the row is
    // beyond the register or no text has its name.
    const AuthorEntry* entryOfRow(std::size_t k) const;
    // Use u of an entry (usesFirst <= u < usesLast) as the author wrote it.
    const std::string& use(std::size_t u) const { return spellings_[byRank_[sortedUses_[u]]]; }
    // An entry's uses in the sorted list's order.
    std::vector<std::string> uses(const AuthorEntry& a) const;
    // Row i of an entry's texts in `store` (the store the index was built from).
    static std::string_view row(const CorpusStore& store, const AuthorEntry& a, std::size_t i) {
        return store.rows[store.nameTexts[a.textsFrom + i]];
    }

    // The register rows whose code equals `code` without regard to case, in
    // register order.
    std::span<const int> registerRowsOfCode(std::string_view code) const;
    // Whether every register row has a code of its own (the loaders make sure
    // of it): a code's one row is then the row it was read from.
    bool codesUnique() const { return codesUnique_; }
    // The entries of the authors a group query lists, in the order it lists
    // them: every register row of the gender, in register order, whose code
    // has a register row with texts and an age in the band (once per such
    // row); each as its selection finds it, through the code's last row.
    std::vector<const AuthorEntry*> groupEntries(const AgeBands& bands, AgeBand band,
                                                 Gender gender) const;

    // As sections of a compiled file ("authors." and a name), and read back
    // from one, over the store read from the same file. A CompiledError when
    // they do not fit together.
    void write(CompiledWriter& out) const;
    static AuthorIndex read(const CompiledFile& file, const CorpusStore& store);

private:
    Column<AuthorEntry> byName_;
    // Every spelling of a use as written, and the uses of each author as
    // places in the sorted list's order (byRank_ gives the spelling of a place).
    std::deque<std::string> spellings_;
    Column<std::uint32_t> byRank_;
    Column<std::uint32_t> sortedUses_;

    // Per register row.
    struct RegisterEntry {
        std::int32_t name = -1; // the store's name number, or -1
        std::int32_t code = -1; // the number of its folded code, or -1
        bool female = false, male = false;
        bool hasTexts = false;
        AgeSpan age;
    };
    Column<RegisterEntry> register_;
    // The register rows of each code number: codeRows_[codeRowsFrom_[c], codeRowsFrom_[c + 1]).
    FoldedKeys codes_;
    std::vector<std::uint32_t> codeRowsFrom_;
    std::vector<int> codeRows_;
    bool codesUnique_ = false;
};

} // namespace zapt
