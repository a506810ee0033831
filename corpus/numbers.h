// Display forms of numbers and the ways of reading a number back from a caption.
//
// Every result label shows its value in one of three forms; all use "." as the
// decimal point, no thousands separators and never an exponent.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zapt {

// Whole number: plain decimal digits, a minus sign if negative ("0", "2416").
std::string format_whole(long long value);

// Four decimals: rounded to four places, an exact half going to the even digit,
// then written without trailing zeros or a trailing point ("4.5", "0.4286",
// "12"). The value is rounded from its shortest round-trip decimal form, so a
// double such as 0.03125 is a true half and gives "0.0312".
std::string format_4dec(double value);

// Full precision: up to 15 significant digits, trailing zeros dropped
// ("2.8", "2.54545454545455").
std::string format_full(double value);

// Reads the longest leading part of `caption` that forms a decimal number
// (optional sign, digits, optional "." and digits); a caption that does not
// start with a number reads 0. Leading blanks are skipped.
double read_leading_number(std::string_view caption);

// Reads `caption` as a whole decimal number; nothing when any character is left
// over or no digit is present.
std::optional<double> read_decimal(std::string_view caption);

} // namespace zapt
