#include "lexicon/lexicon.h"

#include "corpus/table_reader.h"
#include "corpus/text.h"

#include <algorithm>
#include <map>
#include <set>

namespace zapt {
namespace {

std::string key_of(std::string_view form) {
    std::string out = fold_text(form);
    std::size_t at = 0;
    while ((at = out.find("\xE2\x80\x99", at)) != std::string::npos) out.replace(at, 3, "'");
    return out;
}

std::string trimmed(std::string s) {
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    const std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// A field of a CSV table, quoted when it must be.
std::string csv_field(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace

const char* status_name(LexStatus status) {
    switch (status) {
    case LexStatus::Proposed:
        return "proposed";
    case LexStatus::Accepted:
        return "accepted";
    case LexStatus::Rejected:
        return "rejected";
    }
    return "proposed";
}

std::optional<LexStatus> status_from_name(std::string_view name) {
    for (LexStatus s : {LexStatus::Proposed, LexStatus::Accepted, LexStatus::Rejected}) {
        if (name == status_name(s)) return s;
    }
    return std::nullopt;
}

Lexicon::Lexicon(std::vector<Proposal> proposals, std::string name) : name_(std::move(name)) {
    entries_.reserve(proposals.size());
    for (Proposal& p : proposals) {
        const std::string key = key_of(p.form);
        if (byForm_.count(key)) continue;
        byForm_.emplace(key, entries_.size());
        LexiconEntry e;
        e.proposal = std::move(p);
        e.proposal.form = key;
        entries_.push_back(std::move(e));
        entries_.back().decision = proposed(entries_.size() - 1);
    }
}

long long Lexicon::at(std::string_view form) const {
    auto it = byForm_.find(key_of(form));
    return it == byForm_.end() ? -1 : static_cast<long long>(it->second);
}

long long Lexicon::find(std::string_view form) const {
    return at(form);
}

Decision Lexicon::proposed(std::size_t i) const {
    const Proposal& p = entries_[i].proposal;
    return {p.form, LexStatus::Proposed, p.kind, ""};
}

std::vector<std::size_t> Lexicon::rows(const LexiconFilter& filter) const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const LexiconEntry& e = entries_[i];
        if (filter.kind && e.decision.kind != *filter.kind) continue;
        if (filter.status && e.decision.status != *filter.status) continue;
        if (filter.minScore > 0 && (e.proposal.candidates.empty() ||
                                    e.proposal.candidates.front().score < filter.minScore))
            continue;
        out.push_back(i);
    }
    return out;
}

void Lexicon::record(Change c) {
    history_.resize(done_);
    history_.push_back(std::move(c));
    ++done_;
}

bool Lexicon::change(std::vector<std::pair<std::size_t, Decision>> to) {
    Change c;
    for (auto& [i, d] : to) {
        if (entries_[i].decision == d) continue;
        c.before.emplace_back(i, entries_[i].decision);
        c.after.emplace_back(i, d);
        entries_[i].decision = std::move(d);
    }
    if (c.after.empty()) return false;
    record(std::move(c));
    return true;
}

bool Lexicon::changeFamilies(std::vector<LexFamily> to) {
    if (to == own_) return false;
    Change c;
    c.familiesBefore = own_;
    c.familiesAfter = to;
    own_ = std::move(to);
    record(std::move(c));
    return true;
}

bool Lexicon::accept(std::string_view form, std::size_t candidate) {
    const long long i = at(form);
    if (i < 0) return false;
    const auto k = static_cast<std::size_t>(i);
    const LexiconEntry& e = entries_[k];
    Decision d = e.decision;
    if (d.kind == LexKind::Variant) {
        if (candidate >= e.proposal.candidates.size()) return false;
        d.interpretation = e.proposal.candidates[candidate].text;
    } else if (d.kind == LexKind::Unresolved) {
        return false; // nothing to accept: an interpretation must be typed or a kind set
    } else {
        d.interpretation.clear();
    }
    d.status = LexStatus::Accepted;
    return change({{k, std::move(d)}});
}

bool Lexicon::acceptAs(std::string_view form, std::string interpretation) {
    const long long i = at(form);
    interpretation = trimmed(std::move(interpretation));
    if (i < 0 || interpretation.empty() ||
        interpretation.find_first_of("\r\n") != std::string::npos)
        return false;
    const auto k = static_cast<std::size_t>(i);
    return change({{k,
                    {entries_[k].proposal.form, LexStatus::Accepted, LexKind::Variant,
                     std::move(interpretation)}}});
}

bool Lexicon::setKind(std::string_view form, LexKind kind) {
    const long long i = at(form);
    if (i < 0) return false;
    const auto k = static_cast<std::size_t>(i);
    const Decision& now = entries_[k].decision;
    if (kind == now.kind) return false;
    Decision d{entries_[k].proposal.form, LexStatus::Accepted, kind, ""};
    if (kind == LexKind::Variant || kind == LexKind::Unresolved) d.status = LexStatus::Proposed;
    return change({{k, std::move(d)}});
}

bool Lexicon::reject(std::string_view form) {
    const long long i = at(form);
    if (i < 0) return false;
    const auto k = static_cast<std::size_t>(i);
    Decision d = entries_[k].decision;
    d.status = LexStatus::Rejected;
    d.interpretation.clear();
    return change({{k, std::move(d)}});
}

bool Lexicon::reset(std::string_view form) {
    const long long i = at(form);
    if (i < 0) return false;
    const auto k = static_cast<std::size_t>(i);
    return change({{k, proposed(k)}});
}

std::size_t Lexicon::acceptAbove(double minScore, const LexiconFilter& filter) {
    std::vector<std::pair<std::size_t, Decision>> to;
    for (std::size_t i : rows(filter)) {
        const LexiconEntry& e = entries_[i];
        if (e.decision.status != LexStatus::Proposed || e.decision.kind != LexKind::Variant ||
            e.proposal.candidates.empty() || e.proposal.candidates.front().score < minScore)
            continue;
        to.emplace_back(i, Decision{e.proposal.form, LexStatus::Accepted, LexKind::Variant,
                                    e.proposal.candidates.front().text});
    }
    const std::size_t n = to.size();
    change(std::move(to));
    return n;
}

std::size_t Lexicon::apply(const std::vector<Decision>& decisions) {
    std::vector<std::pair<std::size_t, Decision>> to;
    for (Decision d : decisions) {
        d.form = key_of(d.form);
        const long long i = at(d.form);
        if (i < 0) {
            auto same = std::find_if(aside_.begin(), aside_.end(),
                                     [&](const Decision& a) { return a.form == d.form; });
            if (same != aside_.end())
                *same = std::move(d);
            else
                aside_.push_back(std::move(d));
            continue;
        }
        to.emplace_back(static_cast<std::size_t>(i), std::move(d));
    }
    const std::size_t n = to.size();
    change(std::move(to));
    return n;
}

std::size_t Lexicon::mergeGlossary(const GlossaryData& glossary) {
    std::vector<std::pair<std::size_t, Decision>> to;
    std::set<std::size_t> done;
    for (std::size_t r = 0; r < glossary.forms.size() && r < glossary.interpretations.size(); ++r) {
        const std::string interpretation = trimmed(glossary.interpretations[r]);
        const long long i = at(glossary.forms[r]);
        if (i < 0 || interpretation.empty()) continue;
        const auto k = static_cast<std::size_t>(i);
        if (entries_[k].decision.status != LexStatus::Proposed || !done.insert(k).second) continue;
        to.emplace_back(k, Decision{entries_[k].proposal.form, LexStatus::Accepted,
                                    LexKind::Variant, interpretation});
    }
    const std::size_t n = to.size();
    change(std::move(to));
    return n;
}

std::vector<LexFamily> Lexicon::families() const {
    std::vector<LexFamily> out = own_;
    std::set<std::string> placed;
    for (const LexFamily& f : own_) placed.insert(f.variants.begin(), f.variants.end());
    std::map<std::string, LexFamily> proposedFamilies;
    for (const LexiconEntry& e : entries_) {
        const Decision& d = e.decision;
        if (d.status != LexStatus::Accepted || d.kind != LexKind::Variant ||
            d.interpretation.empty() || placed.count(d.form))
            continue;
        const std::string standard = key_of(d.interpretation);
        if (standard == d.form) continue;
        LexFamily& f = proposedFamilies[standard];
        if (f.standard.empty()) {
            f.standard = standard;
            f.name = d.interpretation;
        }
        f.variants.push_back(d.form); // entries are listed by count: the most used first
    }
    for (auto& [standard, f] : proposedFamilies) out.push_back(std::move(f));
    return out;
}

bool Lexicon::renameFamily(std::size_t i, std::string name) {
    std::vector<LexFamily> all = families();
    name = trimmed(std::move(name));
    if (i >= all.size() || name.empty() || name.find_first_of("\r\n") != std::string::npos)
        return false;
    std::vector<LexFamily> own = own_;
    LexFamily f = all[i];
    f.name = std::move(name);
    f.own = true;
    if (i < own.size())
        own[i] = std::move(f);
    else
        own.push_back(std::move(f));
    return changeFamilies(std::move(own));
}

bool Lexicon::keepFamily(std::size_t i, bool keep) {
    std::vector<LexFamily> all = families();
    if (i >= all.size()) return false;
    std::vector<LexFamily> own = own_;
    LexFamily f = all[i];
    f.kept = keep;
    f.own = true;
    if (i < own.size())
        own[i] = std::move(f);
    else
        own.push_back(std::move(f));
    return changeFamilies(std::move(own));
}

bool Lexicon::mergeFamilies(std::size_t into, std::size_t from) {
    std::vector<LexFamily> all = families();
    if (into >= all.size() || from >= all.size() || into == from) return false;
    LexFamily merged = all[into];
    const LexFamily& other = all[from];
    auto add = [&](const std::string& form) {
        if (form != merged.standard && std::find(merged.variants.begin(), merged.variants.end(),
                                                 form) == merged.variants.end())
            merged.variants.push_back(form);
    };
    add(other.standard);
    for (const std::string& v : other.variants) add(v);
    merged.kept = merged.kept || other.kept;
    merged.own = true;
    std::vector<LexFamily> own;
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (k == from) continue;
        if (k == into)
            own.push_back(merged);
        else if (k < own_.size())
            own.push_back(all[k]);
    }
    return changeFamilies(std::move(own));
}

bool Lexicon::splitFamily(std::size_t i, const std::vector<std::string>& forms, std::string name) {
    std::vector<LexFamily> all = families();
    name = trimmed(std::move(name));
    if (i >= all.size() || name.empty() || name.find_first_of("\r\n") != std::string::npos)
        return false;
    LexFamily rest = all[i];
    LexFamily part;
    part.name = name;
    part.standard = key_of(name);
    part.own = true;
    for (const std::string& form : forms) {
        const std::string k = key_of(form);
        auto it = std::find(rest.variants.begin(), rest.variants.end(), k);
        if (it == rest.variants.end()) continue;
        rest.variants.erase(it);
        if (k != part.standard) part.variants.push_back(k);
    }
    if (part.variants.empty() && forms.empty()) return false;
    if (rest.variants.size() == all[i].variants.size()) return false;
    rest.own = true;
    std::vector<LexFamily> own = own_;
    if (i < own.size())
        own[i] = std::move(rest);
    else
        own.push_back(std::move(rest));
    own.push_back(std::move(part));
    return changeFamilies(std::move(own));
}

void Lexicon::setFamilies(std::vector<LexFamily> families) {
    for (LexFamily& f : families) f.own = true;
    changeFamilies(std::move(families));
}

bool Lexicon::undo() {
    if (!canUndo()) return false;
    const Change& c = history_[--done_];
    for (auto it = c.before.rbegin(); it != c.before.rend(); ++it)
        entries_[it->first].decision = it->second;
    if (c.familiesBefore) own_ = *c.familiesBefore;
    return true;
}

bool Lexicon::redo() {
    if (!canRedo()) return false;
    const Change& c = history_[done_++];
    for (const auto& [i, d] : c.after) entries_[i].decision = d;
    if (c.familiesAfter) own_ = *c.familiesAfter;
    return true;
}

std::vector<Decision> Lexicon::decisions() const {
    std::vector<Decision> out;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (!(entries_[i].decision == proposed(i))) out.push_back(entries_[i].decision);
    }
    out.insert(out.end(), aside_.begin(), aside_.end());
    return out;
}

GlossaryData Lexicon::glossary() const {
    GlossaryData g;
    auto add = [&](const std::string& form, const Decision& d) {
        if (d.status != LexStatus::Accepted) return;
        g.forms.push_back(form);
        g.interpretations.push_back(d.kind == LexKind::Variant ? d.interpretation
                                                               : kind_description(d.kind));
    };
    for (const LexiconEntry& e : entries_) add(e.proposal.shown, e.decision);
    for (const Decision& d : aside_) add(d.form, d);
    return g;
}

std::string lexicon_caption(std::string_view name, std::size_t accepted, std::size_t kept) {
    return "lexicon: " + std::string(name) + " (" + std::to_string(accepted) +
           (accepted == 1 ? " accepted form, " : " accepted forms, ") + std::to_string(kept) +
           (kept == 1 ? " kept family)" : " kept families)");
}

std::string kept_families_csv(const std::vector<LexFamily>& families) {
    std::string csv = "family,form\n";
    std::set<std::string> names;
    for (const LexFamily& f : families) {
        if (!f.kept) continue;
        // Two kept families of one name would read back as one.
        std::string name = f.name;
        for (int k = 2; !names.insert(fold_text(name)).second; ++k)
            name = f.name + " " + std::to_string(k);
        std::set<std::string> seen;
        seen.insert(f.standard);
        csv += csv_field(name) + "," + csv_field(f.standard) + "\n";
        for (const std::string& v : f.variants) {
            if (seen.insert(v).second) csv += csv_field(name) + "," + csv_field(v) + "\n";
        }
    }
    return names.empty() ? std::string() : csv;
}

std::vector<VariantFamily> kept_variant_families(const std::vector<LexFamily>& families) {
    // Read through the reader of families tables, so that they are what the
    // saved families file gives when it is read again.
    const std::string csv = kept_families_csv(families);
    if (csv.empty()) return {};
    return read_families_csv("lexicon", csv);
}

std::string Lexicon::keptFamiliesCsv() const {
    return kept_families_csv(own_);
}

std::vector<VariantFamily> Lexicon::keptFamilies() const {
    return kept_variant_families(own_);
}

std::string Lexicon::caption() const {
    std::size_t accepted = 0, kept = 0;
    for (const LexiconEntry& e : entries_) accepted += e.decision.status == LexStatus::Accepted;
    for (const Decision& d : aside_) accepted += d.status == LexStatus::Accepted;
    for (const LexFamily& f : own_) kept += f.kept;
    return lexicon_caption(name_, accepted, kept);
}

} // namespace zapt
