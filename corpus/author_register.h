// The author register: six parallel columns, one row per author, in register
// order (the author "060" first, then ascending codes). Read-only at run time.
#pragma once

#include "corpus/data_files.h"

#include <string>
#include <vector>

namespace zapt {

struct AuthorRegister {
    std::vector<std::string> codes;
    std::vector<std::string> names;
    std::vector<std::string> ages;
    std::vector<std::string> genders;
    std::vector<std::string> educations;
    std::vector<std::string> nativeLanguages;

    std::size_t size() const { return codes.size(); }
};

AuthorRegister build_author_register(const std::vector<RegisterRow>& rows);

} // namespace zapt
