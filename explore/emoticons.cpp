#include "explore/emoticons.h"

#include "corpus/files.h"

#include "corpus/text.h"

#include <algorithm>

namespace zapt {

// The text of data/emoticons.txt, built in by the build.
extern const std::string_view kBuiltinEmoticonList;

namespace {

constexpr unsigned char lower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

constexpr bool ascii_alnum(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The last characters that may repeat (in small letters).
constexpr bool repeats(unsigned char c) {
    switch (c) {
    case ')':
    case '(':
    case ']':
    case '[':
    case 'd':
    case 'p':
    case '3':
    case '^':
    case '*':
        return true;
    default:
        return false;
    }
}

// The marks that may end a chunk after its emoticons.
constexpr bool closing_mark(char c) {
    return c == '.' || c == ',' || c == '!' || c == '?';
}

bool starts_with_folded(std::string_view s, std::string_view entry) {
    if (s.size() < entry.size()) return false;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (lower(static_cast<unsigned char>(s[i])) != static_cast<unsigned char>(entry[i]))
            return false;
    }
    return true;
}

} // namespace

const EmoticonList& EmoticonList::builtin() {
    static const EmoticonList list = [] {
        std::string error;
        std::optional<EmoticonList> l = parse(kBuiltinEmoticonList, "built-in list", &error);
        // The build embeds the project's own file; it always reads.
        return l ? std::move(*l) : EmoticonList();
    }();
    return list;
}

void EmoticonList::add(std::string_view entry) {
    std::string small;
    small.reserve(entry.size());
    for (const char c : entry) small += static_cast<char>(lower(static_cast<unsigned char>(c)));
    auto& bucket = byFirst_[static_cast<unsigned char>(small[0])];
    if (std::find(bucket.begin(), bucket.end(), small) != bucket.end()) return;
    entries_.emplace_back(entry);
    bucket.push_back(small);
    std::stable_sort(bucket.begin(), bucket.end(), [](const std::string& a, const std::string& b) {
        return a.size() > b.size();
    });
    const auto first = static_cast<unsigned char>(small[0]);
    start_[first] = 1;
    if (first >= 'a' && first <= 'z') start_[first - 'a' + 'A'] = 1;
    if (!ascii_alnum(first)) glue_[first] = 1;
}

std::optional<EmoticonList> EmoticonList::parse(std::string_view text, std::string name,
                                                std::string* error) {
    auto fail = [&](std::size_t line, const std::string& why) -> std::optional<EmoticonList> {
        if (error) {
            *error = name + (line ? ", line " + std::to_string(line) : std::string()) + ": " + why;
        }
        return std::nullopt;
    };
    if (!valid_utf8(text)) return fail(0, "the list is not UTF-8 text");
    EmoticonList list;
    list.name_ = name;
    std::size_t line = 0, from = 0;
    while (from <= text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos) end = text.size();
        std::string_view entry = text.substr(from, end - from);
        from = end + 1;
        ++line;
        if (!entry.empty() && entry.back() == '\r') entry.remove_suffix(1);
        if (entry.substr(0, 2) == "# " || entry == "#") continue;
        while (!entry.empty() && (entry.front() == ' ' || entry.front() == '\t'))
            entry.remove_prefix(1);
        while (!entry.empty() && (entry.back() == ' ' || entry.back() == '\t'))
            entry.remove_suffix(1);
        if (entry.empty()) continue;
        for (const char c : entry) {
            if (c == ' ' || c == '\t' || static_cast<unsigned char>(c) < 32) {
                return fail(line, "\"" + std::string(entry) +
                                      "\" holds a blank: an emoticon is written without one");
            }
        }
        if (entry.size() > kMaxLength) {
            return fail(line, "an emoticon of more than " + std::to_string(kMaxLength) + " bytes");
        }
        list.add(entry);
    }
    return list;
}

std::optional<EmoticonList> EmoticonList::read_file(const std::string& path, std::string* error) {
    const std::optional<std::string> text = read_named_file(path, error);
    if (!text) return std::nullopt;
    return parse(*text, path, error);
}

std::string EmoticonList::describe() const {
    if (entries_.empty()) return "none";
    return name_ + " (" + std::to_string(entries_.size()) +
           (entries_.size() == 1 ? " emoticon)" : " emoticons)");
}

std::size_t EmoticonList::match(std::string_view s) const {
    if (s.empty()) return 0;
    for (const std::string& e : byFirst_[lower(static_cast<unsigned char>(s[0]))]) {
        if (!starts_with_folded(s, e)) continue;
        std::size_t n = e.size();
        const auto last = static_cast<unsigned char>(e.back());
        if (repeats(last)) {
            while (n < s.size() && lower(static_cast<unsigned char>(s[n])) == last) ++n;
        }
        return n;
    }
    return 0;
}

bool EmoticonList::only_emoticons(std::string_view s) const {
    if (s.empty()) return false;
    while (!s.empty()) {
        const std::size_t n = match(s);
        if (n == 0) return false;
        s.remove_prefix(n);
    }
    return true;
}

std::optional<EmoticonList::Split> EmoticonList::split(std::string_view chunk) const {
    if (chunk.empty() || chunk.size() > kMaxChunk || entries_.empty()) return std::nullopt;
    std::size_t to = chunk.size();
    while (to > 0 && closing_mark(chunk[to - 1])) --to;
    const std::string_view core = chunk.substr(0, to);
    // The whole chunk, with or without its closing marks.
    if (start_[static_cast<unsigned char>(chunk[0])]) {
        if (only_emoticons(chunk)) return Split{0, 0, chunk.size()};
        if (to < chunk.size() && only_emoticons(core)) return Split{0, 0, to};
    }
    // Emoticons glued to the end of a word: the first place that starts them.
    std::size_t first = 1;
    while (first < to && !glue_[static_cast<unsigned char>(core[first])]) ++first;
    if (first >= to) return std::nullopt;
    // rest[j - first]: whether core[j..] is wholly emoticons, read as
    // only_emoticons() reads them (from the right, so each place is matched
    // once).
    std::array<char, kMaxChunk + 1> rest{};
    rest[to - first] = 1;
    for (std::size_t j = to; j-- > first;) {
        const std::size_t n = match(core.substr(j));
        rest[j - first] = n > 0 && rest[j + n - first];
    }
    for (std::size_t i = first; i < to; ++i) {
        if (!glue_[static_cast<unsigned char>(core[i])] || !rest[i - first]) continue;
        const char before = core[i - 1];
        if (before >= '0' && before <= '9') continue;
        return Split{i, i, to};
    }
    return std::nullopt;
}

} // namespace zapt
