// A loaded corpus: one immutable object holding everything the corpus is.
//
//   store      every text, its author's name, the corpus text and the cleaned
//              corpus text with the word index over it (corpus_store.h)
//   authors    the register: code, name, age, gender, education, native language
//   metadata   a table's further columns: author fields (one value per author)
//              and text fields (one value per text)
//   bands      the age bands the groups are made of
//   lexicon    the glossary of non-standard forms and the variant families
//   indexes    the author index and the form index, built once
//   source     where it was read from, and what the reading left out
//
// Every tool takes a `const Corpus&` and reads the parts it knows; a part of a
// higher layer (the author index of authors/, the form index of explore/) is
// declared here and defined in its own layer, so that each layer sees only
// what lies below it. Nothing in a Corpus changes once it is made: other
// bands or another lexicon make a new Corpus that shares the unchanged parts.
//
// Which index answers which question:
//   store.cleanedIndex (corpus/word_index.h)  how often a word occurs in the
//       cleaned corpus text, and where: the main window's corpus counts, the
//       search box, the collocations window
//   AuthorIndex       (authors/author_index.h) per author name: the texts, the
//       figures of Get Author Data and the uses of glossary forms; per register
//       row the fields a group is chosen by: the group query, the group figures
//   GroupIndex        (variation/group_index.h) per group of a grouping: its
//       texts and the count of a form in the group's text, cleaned as the
//       group text is: the comparison of groups (made per grouping by the
//       comparison, held by its window)
//   FormIndex         (explore/form_index.h)  every text's pieces as forms,
//       each author's forms with their counts: word lists, keywords, the
//       concordance, collocates of a subcorpus, the lexicon's proposals
#pragma once

#include "corpus/author_register.h"
#include "corpus/corpus_store.h"
#include "corpus/data_files.h"
#include "corpus/load_report.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace zapt {

class AgeBands;    // selection/age_band.h
class Glossary;    // analysis/glossary.h
class AuthorIndex; // authors/author_index.h
class FormIndex;   // explore/form_index.h

// A part that is made once, when it is first asked for or ahead of time on
// another thread: every caller, on any thread, gets the one value, and a
// caller that comes while it is being made waits for it.
template <class T> class Once {
public:
    Once() = default;
    explicit Once(std::function<std::shared_ptr<const T>()> make)
        : state_(std::make_shared<State>()) {
        state_->make = std::move(make);
    }
    explicit Once(std::shared_ptr<const T> value) : state_(std::make_shared<State>()) {
        state_->value = std::move(value);
        std::call_once(state_->once, [] {});
    }

    const T& get() const { return *shared(); }
    const std::shared_ptr<const T>& shared() const {
        std::call_once(state_->once, [this] {
            state_->value = state_->make();
            state_->make = nullptr;
        });
        return state_->value;
    }
    bool empty() const { return !state_; }

private:
    struct State {
        std::once_flag once;
        std::function<std::shared_ptr<const T>()> make;
        std::shared_ptr<const T> value;
    };
    std::shared_ptr<State> state_;
};

// A table's columns beyond the register's fields.
struct CorpusMetadata {
    // Author fields: the names, and per author (register row) one value per
    // column, "" when not known.
    std::vector<std::string> authorColumns;
    std::vector<std::vector<std::string>> authorValues;
    // Text fields (an id, a date): the names, and per text one value per
    // column, "" when not known.
    std::vector<std::string> textColumns;
    std::vector<std::vector<std::string>> textValues;
};

// The glossary and the variant families a corpus is read with.
struct CorpusLexicon {
    GlossaryData glossaryData;
    std::shared_ptr<const Glossary> glossary; // the same, with its look-ups
    std::vector<VariantFamily> families;
    // Where they come from: for a corpus of the user's own, whether the
    // built-in (British English) lists apply.
    bool builtinGlossary = true;
    bool builtinFamilies = true;
    // The lexicon they come from, as headers name it ("lexicon: NAME (N
    // accepted forms, M kept families)"); empty when they were read from a
    // glossary and a families file, or are the built-in ones.
    std::string caption;
};

class Corpus {
public:
    struct Parts {
        std::shared_ptr<const CorpusStore> store;
        std::shared_ptr<const AuthorRegister> authors;
        std::shared_ptr<const CorpusMetadata> metadata;
        std::shared_ptr<const AgeBands> bands;
        std::shared_ptr<const CorpusLexicon> lexicon;
        Once<AuthorIndex> authorIndex;
        Once<FormIndex> forms;
        std::string source = "built-in"; // "built-in", "table PATH", "folder PATH"
        std::shared_ptr<const LoadReport> report;
    };
    explicit Corpus(Parts parts) : parts_(std::move(parts)) {}

    const CorpusStore& store() const { return *parts_.store; }
    const AuthorRegister& authors() const { return *parts_.authors; }
    const CorpusMetadata& metadata() const { return *parts_.metadata; }
    const AgeBands& bands() const { return *parts_.bands; }
    const CorpusLexicon& lexicon() const { return *parts_.lexicon; }
    const Glossary& glossary() const { return *parts_.lexicon->glossary; }
    const std::vector<VariantFamily>& families() const { return parts_.lexicon->families; }
    // Built when first asked for (the windows ask ahead, on a second thread).
    const AuthorIndex& authorIndex() const { return parts_.authorIndex.get(); }
    const FormIndex& forms() const { return parts_.forms.get(); }
    const std::string& source() const { return parts_.source; }
    const LoadReport& report() const { return *parts_.report; }
    int textCount() const { return store().corpusTextCount(); }

    // The parts, to make a corpus that shares them.
    const Parts& parts() const { return parts_; }

private:
    Parts parts_;
};

} // namespace zapt
