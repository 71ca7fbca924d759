#pragma once
// Who makes Norvane and where to reach them: the one place for the web site
// and contact address shown in the About box and in the no-packs message.

namespace appinfo {
inline constexpr const char* kWebSiteName = "norvane.org";
inline constexpr const char* kWebSiteUrl = "https://norvane.org";
inline constexpr const char* kContactMail = "contact@norvane.org";
}  // namespace appinfo
