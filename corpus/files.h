// Reading a small file the user names (a stop list, an emoticon list): its
// bytes, or why it cannot be read. A folder is no file: reading one as an
// empty list would accept a wrong name without a word.
#pragma once

#include <optional>
#include <string>

namespace zapt {

// The bytes of `path`; nothing, with `error` saying why ("PATH is a folder,
// not a file", "PATH cannot be read"), when it is missing, a folder or unreadable.
std::optional<std::string> read_named_file(const std::string& path, std::string* error);

} // namespace zapt
