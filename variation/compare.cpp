#include "variation/compare.h"

#include "corpus/collation.h"
#include "corpus/text.h"

#include <algorithm>
#include <cstdint>

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

std::vector<std::string> listed_items(const VariantFamily& family) {
    std::vector<std::string> items = family.items;
    if (family.list == "lstThWords") sort_collated(items);
    return items;
}

std::optional<FormList> find_family(const std::vector<VariantFamily>& families,
                                    std::string_view name) {
    for (const VariantFamily& f : families) {
        std::string_view list = f.list;
        const bool hit =
            iequals(name, list) || iequals(name, f.stem) ||
            (list.size() > 3 && iequals(list.substr(0, 3), "lst") && iequals(name, list.substr(3)));
        if (!hit) continue;
        FormList out;
        out.name = f.list;
        out.caption = f.caption;
        out.forms = distinct_forms(listed_items(f));
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

namespace {

// One author's count of one form, for an author who uses it.
struct Use {
    std::uint32_t member;
    std::uint32_t form;
    int count;
};

// Each author who uses a form of the family, with the counts per form; `used`
// in the order of the authors, each author's forms in list order.
std::vector<AuthorUse> author_uses(const std::vector<Use>& used,
                                   const std::vector<GroupIndex::Member>& members,
                                   std::size_t nforms) {
    std::vector<AuthorUse> out;
    for (std::size_t i = 0; i < used.size();) {
        AuthorUse a;
        a.code = members[used[i].member].code;
        a.counts.assign(nforms, 0);
        std::size_t j = i;
        for (; j < used.size() && used[j].member == used[i].member; ++j) {
            a.counts[used[j].form] = used[j].count;
            a.uses += used[j].count;
        }
        out.push_back(std::move(a));
        i = j;
    }
    return out;
}

// Per form, each author's share of the author's family count, for every
// author who uses a form of the family (an author using none is left out).
std::vector<std::vector<double>> author_shares(const std::vector<Use>& used, std::size_t nforms) {
    std::vector<std::vector<double>> sample(nforms);
    std::vector<int> mine(nforms, 0);
    for (std::size_t i = 0; i < used.size();) {
        std::size_t j = i;
        int total = 0;
        for (; j < used.size() && used[j].member == used[i].member; ++j) {
            mine[used[j].form] = used[j].count;
            total += used[j].count;
        }
        for (std::size_t f = 0; f < nforms; ++f)
            sample[f].push_back(static_cast<double>(mine[f]) / total);
        for (std::size_t k = i; k < j; ++k) mine[used[k].form] = 0;
        i = j;
    }
    return sample;
}

} // namespace

Comparison compare_groups(const GroupIndex& index, const FormList& forms, int privacyThreshold) {
    Comparison c;
    c.forms = forms;
    c.privacyThreshold = privacyThreshold;
    const std::size_t nforms = forms.forms.size();
    const std::vector<GroupKey> groups = index.groups();
    c.groupColumns = index.groupBy().columns();
    c.grouping = index.groupBy().caption();
    c.leftOut = index.leftOut();
    c.subcorpus = index.restricted();
    std::vector<std::string> keys;
    for (const std::string& f : forms.forms) keys.push_back(GroupIndex::folded_word(f));
    std::vector<std::vector<double>> table;                       // the groups by the forms
    std::vector<std::vector<std::vector<double>>> shares(nforms); // form -> group -> authors

    // Each author's count of each form, for the authors who use it: per group
    // slot, (member, form, count) with the count above 0.
    std::vector<std::vector<Use>> uses(groups.size());
    std::size_t all_slot = 0;
    for (const GroupKey& g : groups) {
        if (g.all) all_slot = index.slot_of(g);
    }
    for (std::size_t f = 0; f < nforms; ++f) {
        for (const GroupIndex::PartCount& pc : index.part_counts(keys[f])) {
            for (auto p = index.places_begin(pc.part); p != index.places_end(pc.part); ++p) {
                const int n = p->slot == all_slot && index.allIsCorpus() ? pc.corpus : pc.group;
                if (n > 0) uses[p->slot].push_back({p->member, static_cast<std::uint32_t>(f), n});
            }
        }
    }

    for (const GroupKey& g : groups) {
        GroupRow row;
        row.group = g;
        row.labels = index.labels(g);
        const auto& members = index.members(g);
        row.authors = static_cast<int>(members.size());
        row.words = index.words(g);
        std::vector<Use>& used = uses[index.slot_of(g)];
        // In the order of the authors, each author's forms in list order.
        std::sort(used.begin(), used.end(), [](const Use& a, const Use& b) {
            return a.member != b.member ? a.member < b.member : a.form < b.form;
        });
        std::vector<int> top(nforms, 0), sum(nforms, 0), using_it(nforms, 0);
        for (const Use& u : used) {
            ++using_it[u.form];
            top[u.form] = std::max(top[u.form], u.count);
            sum[u.form] += u.count;
        }
        for (std::size_t f = 0; f < nforms; ++f) {
            FormCell cell;
            cell.form = forms.forms[f];
            cell.authorsUsing = using_it[f];
            // A group's text is its authors' parts; the whole corpus also
            // holds the texts of no registered author.
            cell.count = g.all && index.allIsCorpus() ? index.count_folded(g, keys[f]) : sum[f];
            if (row.words > 0) cell.per10k = cell.count * 10000.0 / row.words;
            if (cell.count == 0) {
                cell.spread = SpreadStatus::NoOccurrences;
            } else if (cell.authorsUsing < privacyThreshold) {
                cell.spread = SpreadStatus::Withheld;
            } else {
                cell.spread = SpreadStatus::Shown;
                cell.topAuthorShare = static_cast<double>(top[f]) / cell.count;
                cell.oneAuthorOverHalf = 2 * top[f] > cell.count;
            }
            row.familyCount += cell.count;
            row.cells.push_back(std::move(cell));
        }
        for (FormCell& cell : row.cells) {
            if (row.familyCount > 0) cell.share = static_cast<double>(cell.count) / row.familyCount;
            cell.interval = wilson_interval(cell.count, row.familyCount);
        }
        row.authorUses = author_uses(used, members, nforms);
        if (!g.all) {
            std::vector<double> counts;
            for (const FormCell& cell : row.cells) counts.push_back(cell.count);
            table.push_back(std::move(counts));
            std::vector<std::vector<double>> sample = author_shares(used, nforms);
            for (std::size_t f = 0; f < nforms; ++f) shares[f].push_back(std::move(sample[f]));
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
