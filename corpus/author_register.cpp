#include "corpus/author_register.h"

namespace zapt {

AuthorRegister build_author_register(const std::vector<RegisterRow>& rows) {
    AuthorRegister r;
    for (const RegisterRow& row : rows) {
        r.codes.push_back(row.code);
        r.names.push_back(row.name);
        r.ages.push_back(row.age);
        r.genders.push_back(row.gender);
        r.educations.push_back(row.education);
        r.nativeLanguages.push_back(row.nativeLanguage);
    }
    return r;
}

} // namespace zapt
