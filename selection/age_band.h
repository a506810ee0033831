// Age bands and genders by which a group is chosen, and the two rules that put
// an age into a band: the group query's and the corpus data window's.
//
// The bands are the built-in five (<18, 18 to 25, 26 to 40, 41 to 60, 61+)
// unless the corpus brings its own (`--bands "16-20,21-25,26-30,31-40,41-60"`).
// They are a value of the corpus (`Corpus::bands`): every window, table and
// report reads the bands of the corpus it shows, and a preview of another
// corpus makes bands of its own, so nothing about them is shared between
// threads. A band is named by its place, youngest first.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

// A band by its place among the bands (0 the youngest). The five names are
// the places of the built-in bands.
enum class AgeBand : int {
    Under18 = 0,
    From18To25 = 1,
    From26To40 = 2,
    From41To60 = 3,
    Over60 = 4
};
enum class Gender { Female, Male };

// One band: the whole years from `lo` to `hi`, both included; no `lo` for the
// youngest band open below ("<18"), no `hi` for the oldest open above ("61+").
struct BandBounds {
    std::optional<int> lo, hi;
};

// The most bands the main window shows.
inline constexpr std::size_t kMaxWindowBands = 5;

// Reads a list of bands such as "<18,18-25,26-40,41-60,61+" or
// "16-20,21-25,26-30": comma-separated, each "A-B", "<N" (first only) or
// "N+" (last only), youngest first, without overlaps. Nothing, with `error`
// set, for anything else.
std::optional<std::vector<BandBounds>> parse_bands(std::string_view list, std::string* error);

// An author's age as the register gives it: a number, a range of whole years
// ("16-20") or not known.
struct AgeSpan {
    bool known = false;
    double lo = 0, hi = 0; // equal for a single age
};
// Reads a register age: a range "A-B", a number (read by the leading-number
// rule, as every number of the register is), or not known (empty, "unknown",
// "NA", "-", or anything that does not start with a number).
AgeSpan read_age(std::string_view text);

// The age bands of a corpus, youngest first, with the rules that put an age
// into one of them.
class AgeBands {
public:
    // The built-in five: <18, 18 to 25, 26 to 40, 41 to 60, 61+.
    AgeBands();
    // Bands as parse_bands reads them (at least one).
    explicit AgeBands(std::vector<BandBounds> bounds);
    // Reads a list as --bands gives it; nothing, with `error` set, for a wrong one.
    static std::optional<AgeBands> parse(std::string_view list, std::string* error);

    const std::vector<BandBounds>& bounds() const { return bounds_; }
    // The bands as AgeBand values (their places), youngest first.
    const std::vector<AgeBand>& bands() const { return places_; }
    std::size_t size() const { return bounds_.size(); }
    // Whether these are the built-in five.
    bool builtin() const;
    // The list in the form --bands reads: "<18,18-25,26-40,41-60,61+".
    std::string list() const;

    // The caption of a band: "<18", "18 to 25", "61+"; empty for a place
    // beyond the last band.
    std::string caption(AgeBand band) const;

    // The group query's rule: whether an age (read as a number) lies in the
    // band. The bounds are exclusive: 18 to 25 holds every age above 17 and
    // below 26.
    bool holds(double age, AgeBand band) const;
    // For an age of the register: the whole of a range must lie in the band;
    // an unknown age lies in none.
    bool holds(const AgeSpan& age, AgeBand band) const;

    // The band of the group query that holds an age, the older one where two
    // do (the bounds overlap between whole numbers: 25.5 lies in 18 to 25 and
    // in 26 to 40); none for NaN.
    std::optional<AgeBand> query_band(double age) const;
    std::optional<AgeBand> query_band(const AgeSpan& age) const;

    // The corpus data window's rule: below the first band's top + 1, then up
    // to each band's top inclusive, the open oldest band up to 100; an age
    // over 100 is counted in no band. For whole ages the two rules agree; an
    // age between whole numbers the window counts once. A range counts where
    // both its ends do.
    std::optional<AgeBand> overview_band(double age) const;
    std::optional<AgeBand> overview_band(const AgeSpan& age) const;

    friend bool operator==(const AgeBands& a, const AgeBands& b);

private:
    const BandBounds* bounds_of(AgeBand band) const;

    std::vector<BandBounds> bounds_;
    std::vector<AgeBand> places_;
};

// The register letter of a gender: "F" or "M".
std::string_view gender_letter(Gender g);

} // namespace zapt
