#include "corpus/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zapt {
namespace {

// A non-negative decimal number as a digit string and the position of the
// decimal point: value = 0.d1d2d3... * 10^point.
struct Decimal {
    std::string digits; // no leading zeros unless the value is zero
    int point = 0;
};

// Splits the plain fixed-notation text "123.4500" into a Decimal.
Decimal parse_fixed(std::string_view s) {
    Decimal d;
    std::size_t dot = s.find('.');
    std::string_view int_part = s.substr(0, dot);
    std::string_view frac_part = dot == std::string_view::npos ? "" : s.substr(dot + 1);
    d.digits.assign(int_part);
    d.digits.append(frac_part);
    d.point = static_cast<int>(int_part.size());
    std::size_t nz = d.digits.find_first_not_of('0');
    if (nz == std::string::npos) return Decimal{"0", 1};
    d.digits.erase(0, nz);
    d.point -= static_cast<int>(nz);
    return d;
}

// Writes a Decimal in plain notation without trailing zeros or trailing point.
std::string write_plain(const Decimal& d, bool negative) {
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (digits == "0") return "0";
    std::string out;
    if (negative) out += '-';
    if (d.point <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.point), '0');
        out += digits;
    } else if (static_cast<std::size_t>(d.point) >= digits.size()) {
        out += digits;
        out.append(static_cast<std::size_t>(d.point) - digits.size(), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(d.point));
        out += '.';
        out += digits.substr(static_cast<std::size_t>(d.point));
    }
    return out;
}

// Rounds a Decimal to `keep` significant digits, halves to even.
Decimal round_digits(Decimal d, long keep) {
    if (keep < 0) return Decimal{"0", 1};
    if (static_cast<std::size_t>(keep) >= d.digits.size()) return d;
    const std::size_t k = static_cast<std::size_t>(keep);
    char first_dropped = d.digits[k];
    bool rest_nonzero = d.digits.find_first_not_of('0', k + 1) != std::string::npos;
    bool last_kept_odd = k > 0 && ((d.digits[k - 1] - '0') % 2 == 1);
    bool up = first_dropped > '5' || (first_dropped == '5' && (rest_nonzero || last_kept_odd));
    d.digits.resize(k);
    if (up) {
        std::size_t i = k;
        while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        } else {
            ++d.digits[i - 1];
        }
    }
    if (d.digits.empty() || d.digits.find_first_not_of('0') == std::string::npos) {
        return Decimal{"0", 1};
    }
    return d;
}

} // namespace

std::string format_whole(long long value) {
    return std::to_string(value);
}

std::string format_4dec(double value) {
    if (!std::isfinite(value)) return "0";
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
    if (res.ec != std::errc()) return "0";
    Decimal d = parse_fixed(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
    if (d.digits == "0") return "0";
    d = round_digits(d, static_cast<long>(d.point) + 4);
    return write_plain(d, value < 0);
}

std::string format_full(double value) {
    if (!std::isfinite(value)) return "0";
    if (value == 0) return "0";
    // 15 significant digits in scientific form, then written out in plain form.
    // (to_chars writes what printf's "%.14e" writes, several times faster.)
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value),
                                   std::chars_format::scientific, 14)
                         .ptr;
    *end = '\0';
    std::string_view s(buf, static_cast<std::size_t>(end - buf));
    std::size_t e = s.find('e');
    int exponent = std::atoi(buf + e + 1);
    Decimal d;
    for (char c : s.substr(0, e)) {
        if (c != '.') d.digits += c;
    }
    d.point = exponent + 1;
    return write_plain(d, value < 0);
}

double read_leading_number(std::string_view caption) {
    std::size_t i = 0;
    while (i < caption.size() && caption[i] == ' ') ++i;
    std::size_t start = i;
    if (i < caption.size() && (caption[i] == '-' || caption[i] == '+')) ++i;
    std::size_t digits_start = i;
    while (i < caption.size() && caption[i] >= '0' && caption[i] <= '9') ++i;
    bool any_digit = i > digits_start;
    if (i < caption.size() && caption[i] == '.') {
        std::size_t frac_start = i + 1;
        std::size_t j = frac_start;
        while (j < caption.size() && caption[j] >= '0' && caption[j] <= '9') ++j;
        if (j > frac_start) {
            any_digit = true;
            i = j;
        } else if (any_digit) {
            i = frac_start; // "12." reads as 12
        }
    }
    if (!any_digit) return 0.0;
    std::string text(caption.substr(start, i - start));
    if (text.back() == '.') text.pop_back();
    if (text.front() == '+') text.erase(0, 1);
    double v = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

std::optional<double> read_decimal(std::string_view caption) {
    std::size_t b = caption.find_first_not_of(' ');
    if (b == std::string_view::npos) return std::nullopt;
    std::size_t e = caption.find_last_not_of(' ');
    std::string_view s = caption.substr(b, e - b + 1);
    for (char c : s) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+')) return std::nullopt;
    }
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double v = 0.0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::fixed);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

} // namespace zapt
