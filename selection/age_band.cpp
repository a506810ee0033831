#include "selection/age_band.h"

namespace zapt {

bool in_band(double age, AgeBand band) {
    switch (band) {
    case AgeBand::Under18:
        return age < 18;
    case AgeBand::From18To25:
        return age > 17 && age < 26;
    case AgeBand::From26To40:
        return age > 25 && age < 41;
    case AgeBand::From41To60:
        return age > 40 && age < 61;
    case AgeBand::Over60:
        return age > 60;
    }
    return false;
}

std::string_view gender_letter(Gender g) {
    return g == Gender::Male ? "M" : "F";
}

} // namespace zapt
