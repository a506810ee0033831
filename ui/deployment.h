// Where texts can be donated: the web site, the phone number and the e-mail
// address shown in the About and Donate windows and used by the upload page.
// They live here, in one place, so that moving the site means changing one file.
#pragma once

#include <QString>

namespace zapt::ui {

// Host name of the corpus web site (the reserved .example domain).
constexpr const char* kSiteHost = "zapt-corpus.example";

// Mobile number that texts can be forwarded to (a UK drama-range number).
constexpr const char* kPhoneNumber = "07700 900461";

// Address that texts can be e-mailed to.
constexpr const char* kEmailAddress = "texts@zapt-corpus.example";

// Path of the page on the web site where texts are typed in and deposited.
constexpr const char* kUploadPath = "/uploadyourtexts";

// The full address of the upload page. Always HTTPS: the page receives people's
// private messages, which must not travel over the network in clear text.
inline QString uploadUrl() {
    return QStringLiteral("https://") + QLatin1String(kSiteHost) + QLatin1String(kUploadPath);
}

} // namespace zapt::ui
