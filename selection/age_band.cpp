#include "selection/age_band.h"

namespace zapt {

std::string_view band_caption(AgeBand band) {
    switch (band) {
    case AgeBand::Under18:
        return "<18";
    case AgeBand::From18To25:
        return "18 to 25";
    case AgeBand::From26To40:
        return "26 to 40";
    case AgeBand::From41To60:
        return "41 to 60";
    case AgeBand::Over60:
        return "61+";
    }
    return "";
}

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

std::optional<AgeBand> query_band(double age) {
    std::optional<AgeBand> found;
    for (AgeBand b : kAgeBands) {
        if (in_band(age, b)) found = b;
    }
    return found;
}

std::optional<AgeBand> overview_band(double age) {
    if (age < 18) return AgeBand::Under18;
    if (age <= 25) return AgeBand::From18To25;
    if (age <= 40) return AgeBand::From26To40;
    if (age <= 60) return AgeBand::From41To60;
    if (age <= 100) return AgeBand::Over60;
    return std::nullopt;
}

std::string_view gender_letter(Gender g) {
    return g == Gender::Male ? "M" : "F";
}

} // namespace zapt
