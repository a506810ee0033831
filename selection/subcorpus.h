// Subcorpora: a named filter over the author register's fields and the
// metadata columns of an opened corpus. A subcorpus is a list of conditions,
// one per field, each holding one or more values; an author is in when every
// condition holds (AND across fields) and a condition holds when any of its
// values does (OR within a field). The subcorpus without conditions is the
// whole corpus. Its texts are those of its authors.
#pragma once

#include "corpus/author_register.h"
#include "corpus/corpus.h"
#include "corpus/metadata.h"
#include "selection/age_band.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// The fields an author can be chosen by: the register's and the metadata
// columns of a corpus read from a table (per author one value per column).
// The table's text fields (a value per text, such as an id or a date) are
// named too, so that a condition or a grouping on one is told what it is.
struct AuthorFields {
    const AuthorRegister* authors = nullptr;
    const std::vector<std::string>* metadataColumns = nullptr;
    const std::vector<std::vector<std::string>>* authorMetadata = nullptr;
    const std::vector<std::string>* textColumns = nullptr;
    const AgeBands* bands = nullptr; // the bands of the "band" field

    std::size_t size() const { return authors ? authors->size() : 0; }
    // Author k's value of metadata column c; "" when not known.
    std::string_view metadata(std::size_t k, std::size_t c) const;
    // The bands of the "band" field: the corpus's, or the built-in five when
    // none are given.
    const AgeBands& ageBands() const;
};

// The fields of a corpus's authors: its register, its metadata and its bands.
AuthorFields author_fields(const Corpus& corpus);

struct SubcorpusCondition {
    enum class Field { Age, Gender, Education, NativeLanguage, Code, Metadata };
    Field field = Field::Age;
    std::size_t column = 0;          // the metadata column, for Field::Metadata
    std::string name;                // the field as the user named it
    std::string text;                // the values as the user wrote them
    std::vector<Age> ages;           // Field::Age: numbers and ranges
    std::vector<std::string> values; // every other field: "M"/"F", or folded free values

    bool holds(const AuthorFields& fields, std::size_t author) const;
};

// When `name` (matched as a field name is) names a text field of `fields`,
// why it can neither choose nor group authors and how to make it an author
// field; nothing otherwise.
std::optional<std::string> text_field_refusal(std::string_view name, const AuthorFields& fields);

// Reads "FIELD=VALUE[,VALUE...]". Field names are matched without regard to
// case, blanks and punctuation: age, gender (or sex), education, native
// language (or native), code, and any metadata column. Nothing, with `error`
// set to a sentence naming what is wrong, for an unknown field or a text
// field, a missing "=" or value, a value that cannot be read (an age such as
// "thirty", a gender other than M/F/male/female/man/woman), or a value that
// no author of `fields` has (an age range holding no author's age, a gender,
// code or free value no author has): then the sentence says which values the
// field has.
std::optional<SubcorpusCondition> parse_condition(std::string_view text, const AuthorFields& fields,
                                                  std::string* error);

struct Subcorpus {
    std::string name;
    std::vector<SubcorpusCondition> conditions; // none: the whole corpus

    bool whole() const { return conditions.empty(); }
    bool holds(const AuthorFields& fields, std::size_t author) const;
    // The register rows of its authors, ascending.
    std::vector<std::size_t> members(const AuthorFields& fields) const;
    // "age=16-25; gender=F", or "whole corpus".
    std::string describe() const;
};

// Reads a subcorpus from conditions separated by ";" or line breaks. Nothing,
// with `error` set, when any condition cannot be read.
std::optional<Subcorpus> parse_subcorpus(std::string name, std::string_view conditions,
                                         const AuthorFields& fields, std::string* error);

} // namespace zapt
