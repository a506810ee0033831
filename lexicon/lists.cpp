#include "lexicon/lists.h"

#include "corpus/data_files.h"
#include "corpus/text.h"

#include <re2/re2.h>

#include <charconv>

namespace zapt {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split(std::string_view s, std::string_view by) {
    std::vector<std::string_view> out;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = s.find(by, from);
        out.push_back(
            s.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos) break;
        from = at + by.size();
    }
    return out;
}

// Calls f(line, number) for every line that is neither blank nor a comment.
template <class F> void for_each_line(std::string_view content, F&& f) {
    int number = 0;
    std::size_t from = 0;
    while (from <= content.size()) {
        std::size_t end = content.find('\n', from);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(from, end - from);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!trim(line).empty() && line.front() != '#') f(line, number);
        from = end + 1;
    }
}

void read_set(const ShippedFile& file, FormSet& set) {
    for_each_line(file.content, [&](std::string_view line, int n) {
        const std::string_view t = trim(line);
        if (t.substr(0, 3) == "re:") {
            const std::string why = set.add_pattern(std::string(t.substr(3)));
            if (!why.empty()) throw DataError(file.name, n, "a pattern RE2 refuses: " + why);
        } else {
            set.add_word(fold_text(t));
        }
    });
}

RewriteRule::Where where_of(std::string_view s) {
    if (s == "start") return RewriteRule::Where::Start;
    if (s == "end") return RewriteRule::Where::End;
    if (s == "whole") return RewriteRule::Where::Whole;
    return RewriteRule::Where::Any;
}

} // namespace

std::string FormSet::add_pattern(const std::string& expression) {
    RE2::Options o;
    o.set_case_sensitive(false);
    o.set_log_errors(false);
    auto re = std::make_shared<const RE2>(expression, o);
    if (!re->ok()) return re->error();
    patterns_.push_back(std::move(re));
    return {};
}

bool FormSet::matches(const std::string& folded) const {
    if (words_.count(folded)) return true;
    for (const auto& re : patterns_) {
        if (RE2::FullMatch(folded, *re)) return true;
    }
    return false;
}

LexiconLists parse_lists(const std::vector<ShippedFile>& files) {
    LexiconLists l;
    for (const ShippedFile& file : files) {
        const std::string_view name = file.name;
        if (name == "lexicon_shorthand.tsv") {
            for_each_line(file.content, [&](std::string_view line, int n) {
                const auto cols = split(line, "\t");
                if (cols.size() != 2 || trim(cols[0]).empty() || trim(cols[1]).empty())
                    throw DataError(file.name, n, "a line is a form, a tab and interpretations");
                auto& out = l.shorthand[fold_text(trim(cols[0]))];
                for (std::string_view i : split(cols[1], "|")) {
                    if (!trim(i).empty()) out.emplace_back(trim(i));
                }
            });
        } else if (name == "lexicon_rules.tsv") {
            for_each_line(file.content, [&](std::string_view line, int n) {
                const auto cols = split(line, "\t");
                if (cols.size() != 5)
                    throw DataError(file.name, n, "a rule has five tab-separated columns");
                RewriteRule r;
                r.from = std::string(cols[0]);
                r.to = std::string(cols[1]);
                const std::string_view w = trim(cols[2]);
                if (w != "start" && w != "end" && w != "any" && w != "whole")
                    throw DataError(file.name, n, "where is start, end, any or whole");
                r.where = where_of(w);
                const std::string_view c = trim(cols[3]);
                const auto res = std::from_chars(c.data(), c.data() + c.size(), r.cost);
                if (res.ec != std::errc() || res.ptr != c.data() + c.size() || r.cost < 0)
                    throw DataError(file.name, n, "the cost is a number of 0 or more");
                if (r.from == r.to) throw DataError(file.name, n, "a rule changes nothing");
                if (r.from.empty() && r.where != RewriteRule::Where::Start &&
                    r.where != RewriteRule::Where::End)
                    throw DataError(file.name, n, "an empty `from` needs start or end");
                r.process = std::string(trim(cols[4]));
                l.rules.push_back(std::move(r));
            });
        } else if (name == "lexicon_particles.txt") {
            read_set(file, l.particles);
        } else if (name == "lexicon_laughter.txt") {
            read_set(file, l.laughter);
        } else if (name == "lexicon_other_languages.txt") {
            for_each_line(file.content, [&](std::string_view line, int n) {
                const auto cols = split(line, "\t");
                if (cols.size() != 2 || trim(cols[0]).empty())
                    throw DataError(file.name, n, "a line is a word, a tab and a language");
                l.otherLanguage[fold_text(trim(cols[0]))] = std::string(trim(cols[1]));
            });
        } else if (name == "lexicon_common_words.txt") {
            for_each_line(file.content, [&](std::string_view line, int) {
                for (std::string_view w : split(line, " ")) {
                    w = trim(w);
                    if (w.empty()) continue;
                    std::string f = fold_text(w);
                    if (l.commonRank.emplace(f, l.commonWords.size() + 1).second)
                        l.commonWords.push_back(std::move(f));
                }
            });
        } else if (name == "lexicon_not_standard.txt" || name == "lexicon_function_words.txt") {
            auto& set = name == "lexicon_not_standard.txt" ? l.notStandard : l.functionWords;
            for_each_line(file.content, [&](std::string_view line, int) {
                for (std::string_view w : split(line, " ")) {
                    if (!trim(w).empty()) set.insert(fold_text(trim(w)));
                }
            });
        }
    }
    return l;
}

const LexiconLists& shipped_lists() {
    static const LexiconLists lists = parse_lists(shipped_files());
    return lists;
}

} // namespace zapt
