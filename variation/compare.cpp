#include "variation/compare.h"

#include "corpus/text.h"

#include <algorithm>

namespace zapt {
namespace {

std::vector<std::string> distinct_forms(const std::vector<std::string>& items) {
    std::vector<std::string> out;
    for (const std::string& item : items) {
        if (item.empty()) continue;
        bool seen = std::any_of(out.begin(), out.end(),
                                [&](const std::string& f) { return iequals(f, item); });
        if (!seen) out.push_back(item);
    }
    return out;
}

} // namespace

std::optional<FormList> find_family(const Explorer& app, std::string_view name) {
    for (const FamilyState& f : app.form1().families) {
        std::string_view list = f.listName;
        const bool hit =
            iequals(name, list) || iequals(name, f.stem) ||
            (list.size() > 3 && iequals(list.substr(0, 3), "lst") && iequals(name, list.substr(3)));
        if (!hit) continue;
        FormList out;
        out.name = f.listName;
        for (const VariantFamily& v : app.variantFamilies()) {
            if (v.list == f.listName) out.caption = v.caption;
        }
        out.forms = distinct_forms(f.list.items);
        return out;
    }
    return std::nullopt;
}

FormList own_forms(std::string_view typed) {
    FormList out;
    out.name = "own list";
    std::vector<std::string> words;
    std::string word;
    for (char c : typed) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',' || c == ';') {
            words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    words.push_back(std::move(word));
    out.forms = distinct_forms(words);
    return out;
}

Comparison compare_groups(const GroupIndex& index, const FormList& forms, int privacyThreshold) {
    Comparison c;
    c.forms = forms;
    c.privacyThreshold = privacyThreshold;
    const std::size_t nforms = forms.forms.size();
    std::vector<std::string> keys;
    for (const std::string& f : forms.forms) keys.push_back(GroupIndex::folded_word(f));
    std::vector<std::vector<double>> table;                       // ten groups by the forms
    std::vector<std::vector<std::vector<double>>> shares(nforms); // form -> group -> authors

    for (const GroupKey& g : comparison_groups()) {
        GroupRow row;
        row.group = g;
        const auto& members = index.members(g);
        row.authors = static_cast<int>(members.size());
        row.words = index.words(g);
        // Each author's count of each form, author by author.
        std::vector<std::vector<int>> by_author(members.size(), std::vector<int>(nforms, 0));
        for (std::size_t a = 0; a < members.size(); ++a) {
            for (std::size_t f = 0; f < nforms; ++f) {
                by_author[a][f] = index.member_count_folded(g, members[a], keys[f]);
            }
        }
        for (std::size_t f = 0; f < nforms; ++f) {
            FormCell cell;
            cell.form = forms.forms[f];
            int top = 0, sum = 0;
            for (const auto& counts : by_author) {
                cell.authorsUsing += counts[f] > 0;
                top = std::max(top, counts[f]);
                sum += counts[f];
            }
            // A group's text is its authors' parts; the whole corpus also
            // holds the texts of no registered author.
            cell.count = g.all ? index.count_folded(g, keys[f]) : sum;
            if (row.words > 0) cell.per10k = cell.count * 10000.0 / row.words;
            if (cell.count == 0) {
                cell.spread = SpreadStatus::NoOccurrences;
            } else if (cell.authorsUsing < privacyThreshold) {
                cell.spread = SpreadStatus::Withheld;
            } else {
                cell.spread = SpreadStatus::Shown;
                cell.topAuthorShare = static_cast<double>(top) / cell.count;
                cell.oneAuthorOverHalf = 2 * top > cell.count;
            }
            row.familyCount += cell.count;
            row.cells.push_back(std::move(cell));
        }
        for (FormCell& cell : row.cells) {
            if (row.familyCount > 0) cell.share = static_cast<double>(cell.count) / row.familyCount;
        }
        if (!g.all) {
            std::vector<double> counts;
            for (const FormCell& cell : row.cells) counts.push_back(cell.count);
            table.push_back(std::move(counts));
            for (std::size_t f = 0; f < nforms; ++f) {
                std::vector<double> sample;
                for (const auto& counts : by_author) {
                    int total = 0;
                    for (int n : counts) total += n;
                    if (total > 0) sample.push_back(static_cast<double>(counts[f]) / total);
                }
                shares[f].push_back(std::move(sample));
            }
        }
        c.rows.push_back(std::move(row));
    }

    c.chiSquare = chi_square_test(table);
    c.logLikelihood = g_test(table);
    for (std::size_t f = 0; f < nforms; ++f) {
        TestResult kw = kruskal_wallis(shares[f]);
        kw.name = "Kruskal-Wallis on the authors' share of \"" + forms.forms[f] + "\"";
        c.kruskalWallis.push_back(std::move(kw));
    }
    c.independenceNote =
        "The chi-square and G2 tests treat every occurrence as independent, but the "
        "occurrences of one writer are not: a writer who prefers one spelling adds many "
        "tokens, so these p-values overstate the evidence. The Kruskal-Wallis test counts "
        "each writer once (the writer's share of the family), but the groups are small.";
    return c;
}

} // namespace zapt
