// Text helpers shared by every subsystem.
//
// Text is held in memory as Windows-1252 bytes in std::string: one byte per
// character, so lengths, positions and counts are exact and cheap. The user
// interface converts to and from its own string type at the boundary.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zapt {

// Converts UTF-8 to Windows-1252. Returns nothing when the input is not valid
// UTF-8 or holds a character that Windows-1252 cannot represent; `bad_offset`
// then receives the byte offset of the first offending sequence.
std::optional<std::string> utf8_to_cp1252(std::string_view utf8, std::size_t* bad_offset = nullptr);

// Whether utf8_to_cp1252 would succeed, without building the result; when
// not, `bad_offset` receives the same offset.
bool fits_cp1252(std::string_view utf8, std::size_t* bad_offset = nullptr);

// Converts UTF-8 to Windows-1252, replacing every character that Windows-1252
// cannot represent (and every invalid sequence) by `replacement`. Used for text
// a user types: such a word can never equal a word of the corpus.
std::string utf8_to_cp1252_lossy(std::string_view utf8, char replacement = '\x1A');

// Converts Windows-1252 to UTF-8. The five byte values that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters.
std::string cp1252_to_utf8(std::string_view cp1252);

namespace detail {
constexpr std::array<char, 256> make_fold_table() {
    std::array<char, 256> t{};
    for (int i = 0; i < 256; ++i) t[static_cast<std::size_t>(i)] = static_cast<char>(i);
    for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<std::size_t>(c)] = static_cast<char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) t[static_cast<std::size_t>(c)] = static_cast<char>(c + 32);
    }
    t[0x8A] = static_cast<char>(0x9A); // S with caron
    t[0x8C] = static_cast<char>(0x9C); // OE ligature
    t[0x8E] = static_cast<char>(0x9E); // Z with caron
    t[0x9F] = static_cast<char>(0xFF); // Y with diaeresis
    return t;
}
inline constexpr std::array<char, 256> kFoldTable = make_fold_table();
} // namespace detail

// Letter-case folding of one Windows-1252 character: ASCII letters and the
// accented letters of Windows-1252 fold to lower case; everything else is kept.
// Inline, since every count folds each character it reads.
inline char fold_case(char c) {
    return detail::kFoldTable[static_cast<unsigned char>(c)];
}

// The whole string folded so: the one key for every comparison without regard
// to case (names, codes, words).
std::string fold_text(std::string_view s);

// Whole-string equality without regard to letter case.
bool iequals(std::string_view a, std::string_view b);

// The marks each joined text turns into blanks before its words are counted:
// the author text, and the group text.
inline constexpr std::string_view kAuthorCleaningSet = ".,;:?!()/+-<>_=";
inline constexpr std::string_view kGroupCleaningSet = ".,;:?!()-";

// The characters that a cleaning replaces by blanks, as a 256-entry table.
class CharSet {
public:
    constexpr explicit CharSet(std::string_view chars) {
        for (char c : chars) table_[static_cast<unsigned char>(c)] = true;
    }
    constexpr bool contains(char c) const { return table_[static_cast<unsigned char>(c)]; }

private:
    bool table_[256] = {};
};

// Appends `text` to `out`, replacing every character of `set` by a blank (and
// each carriage-return/line-feed pair by one blank when `crlf` is set) and
// reducing every run of blanks to one blank, including a run that begins at the
// end of what `out` already holds. This one left-to-right pass gives the same
// result as replacing mark by mark and then halving blank runs pass after pass.
void append_cleaned(std::string& out, std::string_view text, const CharSet& set, bool crlf = false);

// Reduces every run of two or more blanks to a single blank.
std::string reduce_blanks(std::string_view text);

// Removes the blanks (character 32 only) at the end of `text`.
std::string_view trim_trailing_blanks(std::string_view text);

// Number of occurrences of `c` in `text`.
int count_char(std::string_view text, char c);

// Number of non-overlapping occurrences of `needle` in `text`, scanning from
// the start and continuing behind each occurrence. An empty needle counts 0.
int count_occurrences(std::string_view text, std::string_view needle);

} // namespace zapt
