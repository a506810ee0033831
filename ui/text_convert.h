// The core holds text as Windows-1252 bytes; the windows show QString.
#pragma once

#include "corpus/text.h"

#include <QString>
#include <string>
#include <string_view>

namespace zapt::ui {

inline QString toQ(const std::string& cp1252) {
    return QString::fromStdString(cp1252_to_utf8(cp1252));
}

// A fixed caption of the core (plain ASCII).
inline QString caption(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

// Characters Windows-1252 cannot hold become a substitute character, so such a
// word never equals a word of the corpus.
inline std::string fromQ(const QString& s) {
    return utf8_to_cp1252_lossy(s.toStdString());
}

} // namespace zapt::ui
