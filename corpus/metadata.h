// The values of an author's metadata as a linguist's table gives them: ages,
// genders, free codes and the ways of saying "not known", and the UTF-8 helpers
// the table reader compares header names and identifiers with.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zapt {

// An age: a whole number of years, an inclusive range such as 16-20, or not
// known.
struct Age {
    enum Kind { Missing, Exact, Range };
    Kind kind = Missing;
    int lo = 0; // the age, or the range's first year
    int hi = 0; // the age, or the range's last year
};

// The oldest age read; a larger number is taken for a slip (a year of birth in
// the age column, a digit too many) and reported.
inline constexpr int kMaxAge = 130;

// Whether a value says "not known": empty or blank, "unknown", "NA", "N/A" or
// "-", in any case, with blanks around it.
bool is_missing(std::string_view value);

// Reads an age: "35", "16-20" (also with blanks around the hyphen, or an en
// dash), or a missing value. Nothing when the value is none of these (a word,
// a negative or fractional number, a range whose ends are the wrong way round,
// a number above kMaxAge).
std::optional<Age> parse_age(std::string_view value);

// The register's form of an age: "35", "16-20" or "" when missing.
std::string age_string(const Age& age);

// Reads a gender: "M" for M, male or man, "F" for F, female or woman (any
// case, blanks around ignored), "" for a missing value; nothing otherwise.
std::optional<std::string> parse_gender(std::string_view value);

// A gender and an age in one cell, as "F35", "M 29", "F16-20", "35F", "F" or
// "35". Nothing when either part cannot be read.
struct GenderAge {
    std::string gender; // "M", "F" or ""
    Age age;
};
std::optional<GenderAge> parse_gender_age(std::string_view value);

// A free code (education, native language, any other column): the value
// without the blanks around it, or "" when it is missing.
std::string free_value(std::string_view value);

// UTF-8 helpers, by ICU.

// `s` without the Unicode white space at either end. `s` must be valid UTF-8.
std::string_view trim_blanks(std::string_view s);

// Whether `s` holds nothing but Unicode white space (or nothing at all).
bool is_blank(std::string_view s);

// Only the letters and digits of `s`, case-folded: the key header names are
// matched by, so that "Native language", "native_language" and
// "NativeLanguage" are one name.
std::string loose_key(std::string_view s);

} // namespace zapt
