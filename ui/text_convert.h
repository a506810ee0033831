// The core holds text as UTF-8; the windows show QString.
#pragma once

#include "corpus/text.h"

#include <QString>
#include <string>
#include <string_view>

namespace zapt::ui {

inline QString toQ(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A fixed caption of the core (plain ASCII).
inline QString caption(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

// Text a user types, in any script, as the core holds it. (A lone surrogate,
// which no text holds, becomes U+FFFD.)
inline std::string fromQ(const QString& s) {
    return s.toStdString();
}

} // namespace zapt::ui
