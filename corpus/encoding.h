// The encodings a corpus table may come in besides UTF-8: UTF-16 with its
// byte-order mark (what a spreadsheet saves as "Unicode text"), and the legacy
// 8-bit encodings (Windows-1252, ISO-8859-1, ...), which only the user can name
// for certain: ICU's detection merely proposes one. Everything is converted to
// UTF-8, the one encoding the program holds text in. By ICU.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zapt {

// The encoding a byte-order mark at the start of `bytes` names: "UTF-16LE",
// "UTF-16BE" or "UTF-8"; "" when there is none.
std::string byte_order_mark(std::string_view bytes);

// The outcome of a conversion: the UTF-8 text, or why it failed (and the byte
// offset in the input where it did).
struct Converted {
    std::optional<std::string> utf8;
    std::string error;
    std::size_t offset = 0;
    int line = 1; // the line of the text it failed on
};

// Converts `bytes` from the encoding `name` (any name or alias ICU knows,
// e.g. "windows-1252", "latin1", "UTF-16LE") to UTF-8. A byte-order mark of
// UTF-16 is left out. Fails on a byte that is no character of the encoding (or
// a broken UTF-16 sequence), never replacing it.
Converted convert_to_utf8(std::string_view bytes, const std::string& name);

// Whether ICU knows an encoding of this name.
bool known_encoding(const std::string& name);

// The encoding ICU's detection proposes for `bytes` that are not UTF-8, other
// than UTF-8 and the Unicode encodings; nothing when it has no proposal.
std::optional<std::string> propose_encoding(std::string_view bytes);

} // namespace zapt
