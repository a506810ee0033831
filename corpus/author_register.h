// The author register: six parallel columns, one row per author, in register
// order (the author "060" first, then ascending codes). Read-only at run time.
#pragma once

#include "corpus/data_files.h"

#include <string>
#include <vector>

namespace zapt {

struct AuthorRegister {
    std::vector<std::string> lstAuthorCode;
    std::vector<std::string> lstAuthorName;
    std::vector<std::string> lstAuthorAge;
    std::vector<std::string> lstAuthorGender;
    std::vector<std::string> lstAuthorEducation;
    std::vector<std::string> lstAuthorNativeLanguage;

    std::size_t size() const { return lstAuthorCode.size(); }
};

AuthorRegister build_author_register(const std::vector<RegisterRow>& rows);

} // namespace zapt
