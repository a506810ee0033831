// The glossary of non-standard forms and their interpretations, with the
// look-ups the author analysis needs.
#pragma once

#include "corpus/data_files.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zapt {

class Glossary {
public:
    explicit Glossary(GlossaryData data);

    const GlossaryData& data() const { return data_; }
    const std::vector<std::string>& forms() const { return data_.forms; }
    const std::vector<std::string>& interpretations() const { return data_.interpretations; }

    // Whether `piece` equals some form without regard to case.
    bool is_form(std::string_view piece) const;

    // The glossary row (0-based) shown for a use: the row whose form equals the
    // use exactly, letter case included, when there is one; otherwise the last
    // row that equals it without regard to case; -1 when none does.
    int row_for_use(std::string_view use) const;

    // The interpretation of a row; empty for the rows that have none.
    const std::string& interpretation(int row) const;

private:
    GlossaryData data_;
    std::unordered_map<std::string, std::vector<int>> rows_by_folded_form_;
};

// The author's uses of glossary forms: every piece (0 to last-1) of the joined
// rows that equals a form without regard to case, written as in the text, in
// text order. A piece that equals several forms (a case pair such as
// "nite"/"Nite") is one use and is listed once.
std::vector<std::string> find_non_standard_uses(std::string_view joined, const Glossary& glossary);

} // namespace zapt
