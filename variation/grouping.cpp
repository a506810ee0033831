#include "variation/grouping.h"

#include "corpus/metadata.h"
#include "corpus/numbers.h"
#include "corpus/text.h"
#include "selection/age_band.h"

#include <map>
#include <tuple>

namespace zapt {
namespace {

using Kind = GroupField::Kind;

const char* kind_name(Kind k) {
    switch (k) {
    case Kind::AgeBand:
        return "band";
    case Kind::Gender:
        return "gender";
    case Kind::Education:
        return "education";
    case Kind::NativeLanguage:
        return "native_language";
    case Kind::Metadata:
        break;
    }
    return "";
}

const char* kind_caption(const GroupField& f) {
    switch (f.kind) {
    case Kind::AgeBand:
        return "age band";
    case Kind::Gender:
        return "gender";
    case Kind::Education:
        return "education";
    case Kind::NativeLanguage:
        return "native language";
    case Kind::Metadata:
        break;
    }
    return nullptr;
}

std::vector<GroupField> every_field(const AuthorFields& fields) {
    std::vector<GroupField> out;
    for (Kind k : {Kind::AgeBand, Kind::Gender, Kind::Education, Kind::NativeLanguage})
        out.push_back({k, 0, kind_name(k)});
    if (fields.metadataColumns) {
        for (std::size_t c = 0; c < fields.metadataColumns->size(); ++c)
            out.push_back({Kind::Metadata, c, (*fields.metadataColumns)[c]});
    }
    return out;
}

// One author's value of a field, and where it stands among the values.
struct Value {
    int band = 0;       // the age band's place; 0 for every other field
    bool word = false;  // not a number: after every number
    double number = 0;  // the value read as a number
    std::string folded; // the value's folded form, what groups are told apart by
    std::string label;  // the value as the first author of the group gives it

    bool operator<(const Value& o) const {
        return std::tie(band, word, number, folded) < std::tie(o.band, o.word, o.number, o.folded);
    }
};

std::optional<Value> value_of(const GroupField& f, const AuthorFields& fields, std::size_t k) {
    const AuthorRegister& r = *fields.authors;
    Value v;
    if (f.kind == Kind::AgeBand) {
        const AgeBands& bands = fields.ageBands();
        const std::optional<AgeBand> band = bands.query_band(read_age(r.ages[k]));
        if (!band) return std::nullopt;
        v.band = static_cast<int>(*band);
        v.label = bands.caption(*band);
        return v;
    }
    if (f.kind == Kind::Gender) {
        const std::optional<std::string> g = parse_gender(r.genders[k]);
        if (!g || g->empty()) return std::nullopt;
        v.word = true;
        v.folded = v.label = *g;
        return v;
    }
    std::string_view raw;
    if (f.kind == Kind::Education)
        raw = r.educations[k];
    else if (f.kind == Kind::NativeLanguage)
        raw = r.nativeLanguages[k];
    else
        raw = fields.metadata(k, f.column);
    if (!valid_utf8(raw) || is_missing(raw)) return std::nullopt;
    v.label = free_value(raw);
    v.folded = fold_text(v.label);
    const std::optional<double> n = read_decimal(v.label);
    v.word = !n;
    v.number = n.value_or(0.0);
    return v;
}

} // namespace

std::string GroupBy::caption() const {
    if (fields.empty()) return "age band × gender";
    std::string s;
    for (const GroupField& f : fields) {
        const char* c = kind_caption(f);
        s += (s.empty() ? "" : " × ") + (c ? std::string(c) : f.name);
    }
    return s;
}

std::vector<std::string> GroupBy::columns() const {
    if (fields.empty()) return {"band", "gender"};
    std::vector<std::string> out;
    for (const GroupField& f : fields) out.push_back(f.name);
    return out;
}

std::vector<GroupBy> group_by_choices(const AuthorFields& fields) {
    const std::vector<GroupField> all = every_field(fields);
    std::vector<GroupBy> out{GroupBy{}};
    for (const GroupField& f : all) out.push_back({{f}});
    for (std::size_t a = 0; a < all.size(); ++a) {
        for (std::size_t b = a + 1; b < all.size(); ++b) {
            // Age band by gender is the first choice already.
            if (all[a].kind == Kind::AgeBand && all[b].kind == Kind::Gender) continue;
            out.push_back({{all[a], all[b]}});
        }
    }
    return out;
}

std::optional<GroupBy> parse_group_by(std::string_view text, const AuthorFields& fields,
                                      std::string* error) {
    auto fail = [&](std::string message) {
        if (error) *error = std::move(message);
        return std::nullopt;
    };
    if (!valid_utf8(text)) return fail("the grouping is not UTF-8 text");
    const std::vector<GroupField> all = every_field(fields);
    GroupBy by;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        const std::string_view part =
            text.substr(from, comma == std::string_view::npos ? comma : comma - from);
        const std::string key = loose_key(part);
        std::optional<GroupField> found;
        if (key == "age" || key == "band" || key == "ageband")
            found = all[0];
        else if (key == "gender" || key == "sex")
            found = all[1];
        else if (key == "education")
            found = all[2];
        else if (key == "nativelanguage" || key == "native")
            found = all[3];
        for (std::size_t i = 4; !found && i < all.size(); ++i) {
            if (loose_key(all[i].name) == key) found = all[i];
        }
        if (!found) {
            std::string names = "age, gender, education, native language";
            for (std::size_t i = 4; i < all.size(); ++i) names += ", " + all[i].name;
            return fail("unknown field \"" + std::string(trim_blanks(part)) +
                        "\" to group by; the fields are " + names);
        }
        for (const GroupField& f : by.fields) {
            if (f == *found) return fail("\"" + found->name + "\" is named twice in the grouping");
        }
        by.fields.push_back(*found);
        if (by.fields.size() > 2) return fail("a grouping crosses at most two fields");
        if (comma == std::string_view::npos) break;
        from = comma + 1;
    }
    if (by.fields.size() == 2 && by.fields[0].kind == Kind::AgeBand &&
        by.fields[1].kind == Kind::Gender) {
        by.fields.clear();
    }
    return by;
}

Grouping group_authors(const GroupBy& by, const AuthorFields& fields,
                       const std::vector<char>& eligible) {
    Grouping out;
    std::map<std::vector<Value>, std::vector<std::size_t>> groups;
    std::vector<Value> key;
    for (std::size_t k = 0; k < fields.size() && k < eligible.size(); ++k) {
        if (!eligible[k]) continue;
        key.clear();
        for (const GroupField& f : by.fields) {
            std::optional<Value> v = value_of(f, fields, k);
            if (!v) break;
            key.push_back(std::move(*v));
        }
        if (key.size() < by.fields.size()) {
            ++out.leftOut;
            continue;
        }
        // The first author's spelling of a value names its group.
        groups[key].push_back(k);
    }
    for (auto& [values, rows] : groups) {
        std::vector<std::string> labels;
        for (const Value& v : values) labels.push_back(v.label);
        out.labels.push_back(std::move(labels));
        out.rows.push_back(std::move(rows));
    }
    return out;
}

} // namespace zapt
