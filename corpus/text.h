// Text helpers shared by every subsystem.
//
// Text is held in memory as UTF-8 in std::string. Positions and buffer sizes
// are in bytes; wherever a figure counts characters, a character is what a
// reader sees as one (an extended grapheme cluster: "e" with a combining
// accent, a flag, a thumbs-up with its skin tone), and every comparison
// without regard to case uses full Unicode case folding. Both come from ICU;
// plain ASCII text, the usual case, takes a quick path of its own that gives
// the same result. The built-in sample is written in the Windows-1252
// character set; its characters read and count as they always did.
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

// Converts Windows-1252 to UTF-8. The five byte values that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters.
std::string cp1252_to_utf8(std::string_view cp1252);

// Letter-case folding of one ASCII character; every other byte (each byte of
// a character beyond ASCII) is kept. Inline, since every count folds each
// character it reads; text beyond ASCII goes through fold_text.
inline char fold_case(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Whether every byte of `s` is ASCII.
bool is_ascii(std::string_view s);

// The whole string with full Unicode case folding (the default folding of
// ICU, as Python's str.casefold): the one key for every comparison without
// regard to case (names, codes, words). "Straße" and "STRASSE" fold alike.
std::string fold_text(std::string_view s);
// The same, into `out` (replacing what it held).
void fold_text_into(std::string_view s, std::string& out);

// Whole-string equality without regard to letter case.
bool iequals(std::string_view a, std::string_view b);

// The number of characters of UTF-8 text: extended grapheme clusters.
std::size_t char_count(std::string_view s);

// The byte offset `n` characters after `from` (or the end of `s`).
std::size_t advance_chars(std::string_view s, std::size_t from, std::size_t n);

// Whether `s` is valid UTF-8; when not, `bad_offset` receives the byte offset
// of the first invalid sequence.
bool valid_utf8(std::string_view s, std::size_t* bad_offset = nullptr);

// Replaces each tab, line feed, carriage return and carriage-return/line-feed
// pair of `text` by one blank: wherever the program speaks of blanks, these
// count as blanks. Returns whether anything changed.
bool blanks_for_breaks(std::string& text);

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
