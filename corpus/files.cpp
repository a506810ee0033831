#include "corpus/files.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zapt {

std::optional<std::string> read_named_file(const std::string& path, std::string* error) {
    auto fail = [&](const std::string& why) -> std::optional<std::string> {
        if (error) *error = path + why;
        return std::nullopt;
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return fail(" is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail(" cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return fail(" cannot be read");
    return text.str();
}

} // namespace zapt
