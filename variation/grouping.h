// The groups a comparison is made over: the group query's ten groups (age
// band by gender), or the authors sharing the value of one register field or
// metadata column, or of two crossed.
//
// An author of a chosen grouping is a register row with texts; its group is
// the tuple of its values, and an author without a value for one of the
// fields is in no group (the grouping counts them). Groups are ordered field
// by field: age bands youngest first, every other field by value (numbers by
// their size before any other value, the rest by their folded form).
#pragma once

#include "corpus/corpus_store.h"
#include "selection/subcorpus.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

struct GroupField {
    enum class Kind { AgeBand, Gender, Education, NativeLanguage, Metadata };
    Kind kind = Kind::AgeBand;
    std::size_t column = 0; // the metadata column, for Kind::Metadata
    std::string name;       // the column of the tables: "band", "education", a metadata column

    friend bool operator==(const GroupField&, const GroupField&) = default;
};

struct GroupBy {
    // None: the group query's groups, age band by gender.
    std::vector<GroupField> fields;

    bool bandByGender() const { return fields.empty(); }
    // "age band × gender", "education", "education × gender".
    std::string caption() const;
    // The columns that name a group in the tables: band, gender for the
    // query's groups, otherwise the fields' names.
    std::vector<std::string> columns() const;

    friend bool operator==(const GroupBy&, const GroupBy&) = default;
};

// The choices of a comparison: age band × gender first, then each field (age
// band, gender, education, native language, each metadata column), then each
// pair of them.
std::vector<GroupBy> group_by_choices(const AuthorFields& fields);

// Reads "FIELD" or "FIELD,FIELD" (names matched as a subcorpus's conditions
// match them; "band" is the age band). "age,gender" is the query's groups.
// Nothing, with `error` set to a sentence, for an unknown field, more than two
// fields or one field twice.
std::optional<GroupBy> parse_group_by(std::string_view text, const AuthorFields& fields,
                                      std::string* error);

// The authors of each group of a grouping other than the query's.
struct Grouping {
    std::vector<std::vector<std::string>> labels; // per group, one value per field
    std::vector<std::vector<std::size_t>> rows;   // per group, its register rows, ascending
    int leftOut = 0;                              // authors with texts in none, for a missing value
};

// Groups the register rows for which `eligible` holds (a row with texts, in
// the subcorpus compared). `by` must not be the query's groups.
Grouping group_authors(const GroupBy& by, const AuthorFields& fields,
                       const std::vector<char>& eligible);

} // namespace zapt
