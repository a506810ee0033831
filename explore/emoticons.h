// Emoticons and similar tokens (":)", ";-)", ":P", "xD", "<3", "^^"): pieces
// of their own in the exploring tools, never split into a mark and a letter.
//
// A text is first cut at blanks, tabs and line breaks into chunks. A chunk is
// read as emoticons
//   - when the whole chunk is one emoticon or several written together
//     (":)", ":-)))", ":):)", "<3<3"), also once the marks . , ! ? that end
//     it are set aside (":D." is ":D");
//   - when it ends in emoticons glued to a word ("ok:)", "love<3", "ok...:P"),
//     the first of them starting with a mark rather than a letter or digit
//     and the word not ending in a digit: "10:30", "5:3" and "xDrive" hold
//     none, and "xD" is recognised only standing alone.
// Every other character of the chunk is cleaned as the cleaned corpus text
// is (its marks are blanks) and split at blanks.
//
// An emoticon is an entry of the list, matched with ASCII letters in either
// case, possibly followed by more of its last character when that is one of
// ) ( ] [ D P 3 ^ * (":)))", ":-DD", "<333"): the longest entry at a place
// wins. The list's spellings are folded as every piece is, so ":P" and ":p"
// are one form.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

class EmoticonList {
public:
    // The empty list: no emoticons, every chunk cleaned as the cleaned corpus
    // text is.
    EmoticonList() = default;

    // The list built into the program (data/emoticons.txt).
    static const EmoticonList& builtin();
    // Reads a list: one emoticon a line; blank lines and lines starting with
    // "# " are skipped; blanks around an entry are dropped. Nothing, with
    // `error` naming the line, for text that is not UTF-8, an entry holding a
    // blank or an entry longer than kMaxLength bytes.
    static std::optional<EmoticonList> parse(std::string_view text, std::string name,
                                             std::string* error);
    // The same from a file; the file's path is the list's name.
    static std::optional<EmoticonList> read_file(const std::string& path, std::string* error);

    static constexpr std::size_t kMaxLength = 32;
    // Chunks longer than this many bytes are never read as emoticons (no
    // emoticon chunk is so long; the bound keeps the reading linear).
    static constexpr std::size_t kMaxChunk = 128;

    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }
    // The entries as listed (duplicates without regard to ASCII case left out).
    const std::vector<std::string>& entries() const { return entries_; }
    // "built-in list (64 emoticons)", "FILE (3 emoticons)", "none".
    std::string describe() const;

    // The length of the emoticon that `s` starts with (the longest), 0 when
    // none.
    std::size_t match(std::string_view s) const;
    // Whether `s` is wholly one or more emoticons written together.
    bool only_emoticons(std::string_view s) const;

    // How a chunk (text without blanks, tabs and line breaks) divides: the
    // bytes before `word` are text to clean, those from `from` to `to` are
    // emoticons (to read one by one with match()), the rest are marks.
    struct Split {
        std::size_t word = 0, from = 0, to = 0;
    };
    // Nothing when the chunk holds no emoticon (or is longer than kMaxChunk).
    std::optional<Split> split(std::string_view chunk) const;

    // Whether a byte may start an emoticon (either case), and whether it may
    // start one glued to a word: a quick test before split().
    bool starts(unsigned char c) const { return start_[c] != 0; }
    bool glues(unsigned char c) const { return glue_[c] != 0; }

private:
    void add(std::string_view entry);

    std::string name_;
    std::vector<std::string> entries_;
    // Per first byte (ASCII letters in small letters), the entries (in small
    // letters) longest first.
    std::array<std::vector<std::string>, 256> byFirst_;
    std::array<char, 256> start_{}, glue_{};
};

} // namespace zapt
