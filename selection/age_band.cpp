#include "selection/age_band.h"

#include "corpus/metadata.h"
#include "corpus/numbers.h"

#include <algorithm>
#include <cmath>

namespace zapt {
namespace {

std::vector<BandBounds> builtin_bands() {
    return {{std::nullopt, 17}, {18, 25}, {26, 40}, {41, 60}, {61, std::nullopt}};
}

std::vector<AgeBand> places_of(const std::vector<BandBounds>& bands) {
    std::vector<AgeBand> out;
    for (std::size_t i = 0; i < bands.size(); ++i)
        out.push_back(static_cast<AgeBand>(static_cast<int>(i)));
    return out;
}

// A whole number of years, or a range "A-B", as the register reads them.
std::optional<Age> years_or_range(std::string_view s) {
    auto a = parse_age(s);
    if (!a || a->kind == Age::Missing) return std::nullopt;
    return a;
}

} // namespace

std::optional<std::vector<BandBounds>> parse_bands(std::string_view list, std::string* error) {
    auto fail = [&](std::string message) -> std::optional<std::vector<BandBounds>> {
        if (error) *error = std::move(message);
        return std::nullopt;
    };
    std::vector<BandBounds> out;
    std::vector<std::string_view> items;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        items.push_back(trim_blanks(list.substr(start, comma - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string_view item = items[i];
        const std::string shown = "\"" + std::string(item) + "\"";
        BandBounds b;
        if (!item.empty() && item.front() == '<') {
            auto n = years_or_range(item.substr(1));
            if (!n || n->kind != Age::Exact || n->lo < 1)
                return fail("the band " + shown + " is not \"<N\" with N a whole number");
            if (i != 0) return fail("only the first band may be open below, as " + shown);
            b.hi = n->lo - 1;
        } else if (!item.empty() && item.back() == '+') {
            auto n = years_or_range(item.substr(0, item.size() - 1));
            if (!n || n->kind != Age::Exact)
                return fail("the band " + shown + " is not \"N+\" with N a whole number");
            if (i + 1 != items.size())
                return fail("only the last band may be open above, as " + shown);
            b.lo = n->lo;
        } else if (auto r = years_or_range(item); r && r->kind == Age::Range) {
            b.lo = r->lo;
            b.hi = r->hi;
        } else {
            return fail("the band " + shown + " is none of \"A-B\", \"<N\" and \"N+\"");
        }
        if (!out.empty()) {
            const BandBounds& prev = out.back();
            if (!prev.hi || !b.lo || *b.lo <= *prev.hi)
                return fail("the bands must go from young to old without overlapping, as " + shown +
                            " does not");
        }
        out.push_back(b);
    }
    return out;
}

AgeBands::AgeBands() : AgeBands(builtin_bands()) {}

AgeBands::AgeBands(std::vector<BandBounds> bounds)
    : bounds_(std::move(bounds)), places_(places_of(bounds_)) {}

std::optional<AgeBands> AgeBands::parse(std::string_view list, std::string* error) {
    auto bounds = parse_bands(list, error);
    if (!bounds) return std::nullopt;
    return AgeBands(std::move(*bounds));
}

bool operator==(const AgeBands& a, const AgeBands& b) {
    if (a.bounds_.size() != b.bounds_.size()) return false;
    for (std::size_t i = 0; i < a.bounds_.size(); ++i) {
        if (a.bounds_[i].lo != b.bounds_[i].lo || a.bounds_[i].hi != b.bounds_[i].hi) return false;
    }
    return true;
}

bool AgeBands::builtin() const {
    return *this == AgeBands();
}

const BandBounds* AgeBands::bounds_of(AgeBand band) const {
    const auto i = static_cast<std::size_t>(band);
    return i < bounds_.size() ? &bounds_[i] : nullptr;
}

std::string AgeBands::list() const {
    std::string out;
    for (const BandBounds& b : bounds_) {
        if (!out.empty()) out += ',';
        if (!b.lo && b.hi) {
            out += "<" + std::to_string(*b.hi + 1);
        } else if (b.lo && !b.hi) {
            out += std::to_string(*b.lo) + "+";
        } else if (b.lo && b.hi) {
            out += std::to_string(*b.lo) + "-" + std::to_string(*b.hi);
        }
    }
    return out;
}

std::string AgeBands::caption(AgeBand band) const {
    const BandBounds* b = bounds_of(band);
    if (!b) return "";
    if (!b->lo) return "<" + std::to_string(*b->hi + 1);
    if (!b->hi) return std::to_string(*b->lo) + "+";
    return std::to_string(*b->lo) + " to " + std::to_string(*b->hi);
}

AgeSpan read_age(std::string_view text) {
    // The usual case first: a whole number of years, digits only.
    if (!text.empty() && text.size() <= 3 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int v = 0;
        for (char c : text) v = v * 10 + (c - '0');
        return {true, double(v), double(v)};
    }
    if (auto a = parse_age(text)) {
        if (a->kind == Age::Missing) return {};
        return {true, double(a->lo), double(a->hi)};
    }
    // Anything else that starts with a number reads by the leading-number
    // rule, as every number of the register does ("30 years", "45.5").
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos || !(text[first] >= '0' && text[first] <= '9')) return {};
    const double age = read_leading_number(text.substr(first));
    return {true, age, age};
}

bool AgeBands::holds(double age, AgeBand band) const {
    const BandBounds* b = bounds_of(band);
    if (!b || std::isnan(age)) return false;
    return (!b->lo || age > *b->lo - 1) && (!b->hi || age < *b->hi + 1);
}

bool AgeBands::holds(const AgeSpan& age, AgeBand band) const {
    return age.known && holds(age.lo, band) && holds(age.hi, band);
}

std::optional<AgeBand> AgeBands::query_band(double age) const {
    std::optional<AgeBand> found;
    for (AgeBand b : places_) {
        if (holds(age, b)) found = b;
    }
    return found;
}

std::optional<AgeBand> AgeBands::query_band(const AgeSpan& age) const {
    if (!age.known) return std::nullopt;
    std::optional<AgeBand> found;
    for (AgeBand b : places_) {
        if (holds(age, b)) found = b;
    }
    return found;
}

std::optional<AgeBand> AgeBands::overview_band(double age) const {
    if (std::isnan(age)) return std::nullopt;
    for (std::size_t i = 0; i < bounds_.size(); ++i) {
        const BandBounds& b = bounds_[i];
        const bool above = !b.lo || age > *b.lo - 1;
        const bool below = b.hi ? (i == 0 ? age < *b.hi + 1 : age <= *b.hi) : age <= 100;
        if (above && below) return static_cast<AgeBand>(static_cast<int>(i));
    }
    return std::nullopt;
}

std::optional<AgeBand> AgeBands::overview_band(const AgeSpan& age) const {
    if (!age.known) return std::nullopt;
    const auto a = overview_band(age.lo), b = overview_band(age.hi);
    return a == b ? a : std::nullopt;
}

std::string_view gender_letter(Gender g) {
    return g == Gender::Male ? "M" : "F";
}

} // namespace zapt
