#include "lexicon/evaluation.h"

#include "corpus/text.h"

namespace zapt {
namespace {

void replace_all(std::string& s, std::string_view from, std::string_view to) {
    std::size_t at = 0;
    while ((at = s.find(from, at)) != std::string::npos) {
        s.replace(at, from.size(), to);
        at += to.size();
    }
}

std::string trimmed(std::string s) {
    const std::size_t a = s.find_first_not_of(" ");
    if (a == std::string::npos) return {};
    const std::size_t b = s.find_last_not_of(" ");
    return s.substr(a, b - a + 1);
}

} // namespace

std::vector<std::string> interpretation_alternatives(const std::string& interpretation) {
    std::string s = fold_text(interpretation);
    replace_all(s, "\xE2\x80\x99", "'"); // ’
    replace_all(s, "\xE2\x80\x98", "");  // ‘
    replace_all(s, "\xE2\x80\x9C", "");  // “
    replace_all(s, "\xE2\x80\x9D", "");  // ”
    replace_all(s, "\"", "");
    // Remarks in brackets go.
    for (std::size_t open; (open = s.find('(')) != std::string::npos;) {
        const std::size_t close = s.find(')', open);
        s.erase(open, close == std::string::npos ? std::string::npos : close - open + 1);
    }
    replace_all(s, ";", ",");
    replace_all(s, "/", ",");
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from <= s.size()) {
        std::size_t to = s.find(',', from);
        if (to == std::string::npos) to = s.size();
        std::string a = trimmed(s.substr(from, to - from));
        if (a.rfind("i.e.", 0) == 0) a = trimmed(a.substr(4));
        // A closing quote (’, made an apostrophe above) or an opening one.
        while (!a.empty() && a.back() == '\'') a.pop_back();
        while (!a.empty() && a.front() == '\'') a.erase(0, 1);
        while (!a.empty() && (a.back() == '!' || a.back() == '?' || a.back() == '.')) a.pop_back();
        if (!a.empty()) out.push_back(a);
        from = to + 1;
    }
    return out;
}

Evaluation evaluate_proposals(Proposer& proposer, const GlossaryData& glossary,
                              const ProposalSettings& settings) {
    Evaluation e;
    e.glossaryRows = glossary.forms.size();
    for (std::size_t i = 0; i < glossary.interpretations.size(); ++i) {
        if (glossary.interpretations[i].empty()) continue;
        EvaluationRow r;
        r.form = glossary.forms[i];
        r.interpretation = glossary.interpretations[i];
        r.proposal = proposer.propose(r.form, settings);
        const auto alternatives = interpretation_alternatives(r.interpretation);
        for (std::size_t k = 0; k < r.proposal.candidates.size() && k < 5 && !r.rank; ++k) {
            std::string c = fold_text(r.proposal.candidates[k].text);
            for (const std::string& a : alternatives) {
                if (c == a) r.rank = static_cast<int>(k + 1);
            }
        }
        e.first += r.rank == 1;
        e.firstFive += r.rank >= 1;
        const bool variant = r.proposal.kind == LexKind::Variant;
        e.variants += variant;
        if (variant && !r.proposal.standard && r.proposal.count >= settings.minCount) {
            ++e.listed;
            e.listedFirst += r.rank == 1;
            e.listedFirstFive += r.rank >= 1;
        }
        e.rows.push_back(std::move(r));
    }
    return e;
}

} // namespace zapt
