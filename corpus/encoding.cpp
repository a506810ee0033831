#include "corpus/encoding.h"

#include <unicode/ucnv.h>
#include <unicode/ucsdet.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <memory>

namespace zapt {
namespace {

struct CloseConverter {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
struct CloseDetector {
    void operator()(UCharsetDetector* d) const { ucsdet_close(d); }
};

bool starts_with(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool unicode_name(std::string_view name) {
    return starts_with(name, "UTF-") || starts_with(name, "utf-");
}

} // namespace

std::string byte_order_mark(std::string_view bytes) {
    if (starts_with(bytes, "\xEF\xBB\xBF")) return "UTF-8";
    if (starts_with(bytes, "\xFF\xFE")) return "UTF-16LE";
    if (starts_with(bytes, "\xFE\xFF")) return "UTF-16BE";
    return "";
}

bool known_encoding(const std::string& name) {
    if (name.empty()) return false; // ICU would open the platform's default
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, CloseConverter> c(ucnv_open(name.c_str(), &status));
    return U_SUCCESS(status) && c;
}

Converted convert_to_utf8(std::string_view bytes, const std::string& name) {
    Converted out;
    if (!known_encoding(name)) {
        out.error = "no encoding \"" + name + "\" is known (e.g. windows-1252, ISO-8859-1, " +
                    "ISO-8859-15, UTF-16LE)";
        return out;
    }
    // A larger input does not fit ICU's lengths (and holds more characters
    // than a corpus may anyway).
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX / 2)) {
        out.error = "the file is too large to convert from " + name;
        return out;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, CloseConverter> cnv(ucnv_open(name.c_str(), &status));
    ucnv_setToUCallBack(cnv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    if (U_FAILURE(status)) {
        out.error = "the encoding \"" + name + "\" cannot be used";
        return out;
    }
    std::size_t skip = 0;
    const std::string bom = byte_order_mark(bytes);
    if (bom == "UTF-16LE" || bom == "UTF-16BE") skip = 2;

    // The text as UTF-16 first, in pieces; then all of it as UTF-8.
    std::u16string wide;
    wide.reserve(bytes.size() - skip);
    const char* source = bytes.data() + skip;
    const char* const end = bytes.data() + bytes.size();
    UChar buffer[16384];
    for (;;) {
        status = U_ZERO_ERROR;
        UChar* target = buffer;
        ucnv_toUnicode(cnv.get(), &target, buffer + std::size(buffer), &source, end, nullptr, true,
                       &status);
        wide.append(reinterpret_cast<const char16_t*>(buffer),
                    static_cast<std::size_t>(target - buffer));
        if (status == U_BUFFER_OVERFLOW_ERROR) continue;
        if (U_FAILURE(status)) {
            char bad[32];
            int8_t length = sizeof bad;
            UErrorCode ignored = U_ZERO_ERROR;
            ucnv_getInvalidChars(cnv.get(), bad, &length, &ignored);
            if (U_FAILURE(ignored)) length = 0;
            const auto consumed = static_cast<std::size_t>(source - bytes.data());
            out.offset = consumed >= static_cast<std::size_t>(length)
                             ? consumed - static_cast<std::size_t>(length)
                             : 0;
            for (std::size_t i = 0; i < wide.size(); ++i) {
                if (wide[i] == u'\n' ||
                    (wide[i] == u'\r' && (i + 1 >= wide.size() || wide[i + 1] != u'\n')))
                    ++out.line;
            }
            out.error = status == U_TRUNCATED_CHAR_FOUND
                            ? "the file ends in the middle of a character of " + name
                            : "the byte at " + std::to_string(out.offset + 1) +
                                  " is not a character of " + name;
            return out;
        }
        break;
    }
    std::string utf8;
    int32_t needed = 0;
    status = U_ZERO_ERROR;
    const auto* w = reinterpret_cast<const UChar*>(wide.data());
    const auto n = static_cast<int32_t>(wide.size());
    u_strToUTF8(nullptr, 0, &needed, w, n, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) {
        out.error = "the text read as " + name + " cannot be written as UTF-8";
        return out;
    }
    utf8.resize(static_cast<std::size_t>(needed));
    status = U_ZERO_ERROR;
    u_strToUTF8(utf8.data(), needed, &needed, w, n, &status);
    if (U_FAILURE(status)) {
        out.error = "the text read as " + name + " cannot be written as UTF-8";
        return out;
    }
    out.utf8 = std::move(utf8);
    return out;
}

std::optional<std::string> propose_encoding(std::string_view bytes) {
    // The first megabyte tells as much as the whole file.
    const auto length = static_cast<int32_t>(std::min<std::size_t>(bytes.size(), 1u << 20));
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, CloseDetector> d(ucsdet_open(&status));
    if (U_FAILURE(status)) return std::nullopt;
    ucsdet_setText(d.get(), bytes.data(), length, &status);
    int32_t found = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(d.get(), &found, &status);
    if (U_FAILURE(status)) return std::nullopt;
    for (int32_t i = 0; i < found; ++i) {
        UErrorCode s = U_ZERO_ERROR;
        const char* name = ucsdet_getName(matches[i], &s);
        if (U_SUCCESS(s) && name && !unicode_name(name)) return std::string(name);
    }
    return std::nullopt;
}

} // namespace zapt
