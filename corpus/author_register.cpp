#include "corpus/author_register.h"

namespace zapt {

AuthorRegister build_author_register(const std::vector<RegisterRow>& rows) {
    AuthorRegister r;
    for (const RegisterRow& row : rows) {
        r.lstAuthorCode.push_back(row.code);
        r.lstAuthorName.push_back(row.name);
        r.lstAuthorAge.push_back(row.age);
        r.lstAuthorGender.push_back(row.gender);
        r.lstAuthorEducation.push_back(row.education);
        r.lstAuthorNativeLanguage.push_back(row.nativeLanguage);
    }
    return r;
}

} // namespace zapt
