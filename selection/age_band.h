// Age bands and genders by which a group is chosen, and the two rules that put
// an age into a band: the group query's and the corpus data window's.
#pragma once

#include <optional>
#include <string_view>

namespace zapt {

enum class AgeBand { Under18, From18To25, From26To40, From41To60, Over60 };
enum class Gender { Female, Male };

// The five bands, youngest first.
inline constexpr AgeBand kAgeBands[] = {AgeBand::Under18, AgeBand::From18To25, AgeBand::From26To40,
                                        AgeBand::From41To60, AgeBand::Over60};

// The caption of a band: "<18", "18 to 25", "26 to 40", "41 to 60", "61+".
std::string_view band_caption(AgeBand band);

// The group query's rule: whether an age (read as a number) lies in the band.
// The bounds are exclusive: 18 to 25 holds every age above 17 and below 26.
bool in_band(double age, AgeBand band);

// The band of the group query that holds an age, the older one where two do
// (the bounds overlap between whole numbers: 25.5 lies in 18 to 25 and in 26
// to 40); none for NaN.
std::optional<AgeBand> query_band(double age);

// The corpus data window's rule: below 18, then up to 25, 40, 60 and 100
// inclusive; an age over 100 is counted in no band. For whole ages up to 100
// the two rules agree; an age between whole numbers the window counts once.
std::optional<AgeBand> overview_band(double age);

// The register letter of a gender: "F" or "M".
std::string_view gender_letter(Gender g);

} // namespace zapt
