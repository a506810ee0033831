#include "analysis/glossary.h"

#include "corpus/text.h"
#include "lookup/count_word.h"

namespace zapt {
namespace {} // namespace

Glossary::Glossary(GlossaryData data) : data_(std::move(data)) {
    for (std::size_t i = 0; i < data_.forms.size(); ++i) {
        rows_by_folded_form_[fold_text(data_.forms[i])].push_back(static_cast<int>(i));
    }
}

bool Glossary::is_form(std::string_view piece) const {
    if (piece.empty()) return false;
    return rows_by_folded_form_.count(fold_text(piece)) > 0;
}

int Glossary::row_for_use(std::string_view use) const {
    auto it = rows_by_folded_form_.find(fold_text(use));
    if (it == rows_by_folded_form_.end()) return -1;
    for (int row : it->second) {
        if (data_.forms[static_cast<std::size_t>(row)] == use) return row;
    }
    return it->second.back();
}

const std::string& Glossary::interpretation(int row) const {
    static const std::string none;
    if (row < 0 || static_cast<std::size_t>(row) >= data_.interpretations.size()) return none;
    return data_.interpretations[static_cast<std::size_t>(row)];
}

std::vector<std::string> find_non_standard_uses(std::string_view joined, const Glossary& glossary) {
    std::vector<std::string> uses;
    for_each_piece(joined, [&](std::string_view piece) {
        if (glossary.is_form(piece)) uses.emplace_back(piece);
    });
    return uses;
}

} // namespace zapt
