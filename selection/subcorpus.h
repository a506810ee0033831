// Subcorpora: a named filter over the author register's fields, the metadata
// columns of an opened corpus and its text fields. A subcorpus is a list of
// conditions, one per field, each holding one or more values; a condition
// holds when any of its values does (OR within a field), and every condition
// must hold (AND across fields). A condition on an author field chooses
// authors; one on a text field (a value per text: an id, a date) chooses
// texts. The subcorpus's texts are those of the authors meeting every author
// condition that also meet every text condition, and its authors are the
// authors meeting every author condition with, when a condition is on a text
// field, at least one text among them. The texts of no author are in the
// subcorpus without conditions alone, the whole corpus.
#pragma once

#include "corpus/author_register.h"
#include "corpus/corpus.h"
#include "corpus/metadata.h"
#include "selection/age_band.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// The fields an author can be chosen by: the register's and the metadata
// columns of a corpus read from a table (per author one value per column).
// The table's text fields (a value per text, such as an id or a date) are
// named too, so that a grouping on one is told what it is. With each text's
// values of them and each text's author, a condition on a text field chooses
// texts; without them it is refused as a grouping is.
struct AuthorFields {
    const AuthorRegister* authors = nullptr;
    const std::vector<std::string>* metadataColumns = nullptr;
    const std::vector<std::vector<std::string>>* authorMetadata = nullptr;
    const std::vector<std::string>* textColumns = nullptr;
    const AgeBands* bands = nullptr; // the bands of the "band" field
    // Per text of the corpus (corpus order): one value per text column, ""
    // when not known; and the register row of its author, or -1.
    const std::vector<std::vector<std::string>>* textMetadata = nullptr;
    const std::vector<std::int32_t>* textAuthors = nullptr;

    std::size_t size() const { return authors ? authors->size() : 0; }
    // Author k's value of metadata column c; "" when not known.
    std::string_view metadata(std::size_t k, std::size_t c) const;
    // The bands of the "band" field: the corpus's, or the built-in five when
    // none are given.
    const AgeBands& ageBands() const;
    // Whether conditions on the text fields can choose texts.
    bool choosesTexts() const;
    std::size_t textCount() const { return textAuthors ? textAuthors->size() : 0; }
    // Text t's value of text column c; "" when not known.
    std::string_view textValue(std::size_t t, std::size_t c) const;
};

// The fields of a corpus's authors: its register, its metadata and its bands.
AuthorFields author_fields(const Corpus& corpus);

// A range of values of a text field, "FROM..TO": both ends numbers (the
// text's whole value read as a number) or both ISO dates, YYYY-MM-DD (the
// date a text's value starts with, alone or followed by a time). Ends
// included.
struct TextRange {
    enum class Kind { Number, Date };
    Kind kind = Kind::Number;
    double lo = 0, hi = 0; // Kind::Number
    std::string from, to;  // Kind::Date
    bool holds(std::string_view value) const;
};
// Reads "FROM..TO" as a range; nothing when it is not one (either end not a
// number or date, or the ends of two kinds or the wrong way round).
std::optional<TextRange> parse_text_range(std::string_view text);

struct SubcorpusCondition {
    enum class Field { Age, Gender, Education, NativeLanguage, Code, Metadata, Text };
    Field field = Field::Age;
    std::size_t column = 0;          // the metadata column, or the text column for Field::Text
    std::string name;                // the field as the user named it
    std::string text;                // the values as the user wrote them
    std::vector<Age> ages;           // Field::Age: numbers and ranges
    std::vector<std::string> values; // every other field: "M"/"F", or folded free values
    std::vector<TextRange> ranges;   // Field::Text: ranges of numbers or dates

    bool onText() const { return field == Field::Text; }
    // For a condition on an author field: whether it holds for register row
    // `author`. For one on a text field: whether it holds for text `author`.
    bool holds(const AuthorFields& fields, std::size_t author) const;
};

// When `name` (matched as a field name is) names a text field of `fields`,
// why it can neither choose nor group authors (it chooses texts, where each
// text's values are at hand) and how to make it an author field; nothing
// otherwise.
std::optional<std::string> text_field_refusal(std::string_view name, const AuthorFields& fields);

// Reads "FIELD=VALUE[,VALUE...]". Field names are matched without regard to
// case, blanks and punctuation: age, gender (or sex), education, native
// language (or native), code, and any metadata column. Nothing, with `error`
// set to a sentence naming what is wrong, for an unknown field or a text
// field that `fields` cannot choose texts by, a missing "=" or value, a
// value that cannot be read (an age such as "thirty", a gender other than
// M/F/male/female/man/woman), or a value that no author of `fields` has (an
// age range holding no author's age, a gender, code or free value no author
// has) or, on a text field, no text has: then the sentence says which values
// the field has. A text field's values are compared as free values are
// (without regard to case; a missing value never matches); a value
// "FROM..TO" whose ends are both numbers or both ISO dates is a range.
std::optional<SubcorpusCondition> parse_condition(std::string_view text, const AuthorFields& fields,
                                                  std::string* error);

struct Subcorpus {
    std::string name;
    std::vector<SubcorpusCondition> conditions; // none: the whole corpus

    bool whole() const { return conditions.empty(); }
    // Whether a condition is on a text field.
    bool choosesTexts() const;
    // Whether every condition on an author field holds for register row
    // `author` (the text conditions are not asked).
    bool holds(const AuthorFields& fields, std::size_t author) const;
    // Whether every condition on a text field holds for text t.
    bool textHolds(const AuthorFields& fields, std::size_t t) const;
    // Per text of `fields`, whether it meets every text condition; empty when
    // no condition is on a text field.
    std::vector<char> textMask(const AuthorFields& fields) const;
    // The register rows of its authors, ascending: those meeting every author
    // condition and, when a condition is on a text field, with a text meeting
    // every text condition.
    std::vector<std::size_t> members(const AuthorFields& fields) const;
    // "age=16-25; gender=F", or "whole corpus".
    std::string describe() const;
};

// Reads a subcorpus from conditions separated by ";" or line breaks. Nothing,
// with `error` set, when any condition cannot be read.
std::optional<Subcorpus> parse_subcorpus(std::string name, std::string_view conditions,
                                         const AuthorFields& fields, std::string* error);

} // namespace zapt
