// Age bands and genders by which a group is chosen.
#pragma once

#include <string_view>

namespace zapt {

enum class AgeBand { Under18, From18To25, From26To40, From41To60, Over60 };
enum class Gender { Female, Male };

// Whether an age (read as a number) lies in the band.
bool in_band(double age, AgeBand band);

// The register letter of a gender: "F" or "M".
std::string_view gender_letter(Gender g);

} // namespace zapt
