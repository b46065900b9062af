#pragma once
// The program's version information, read by the About and splash windows and the main title.

#include "app/version.h"

#include <string>

namespace kovolo::metadata {

inline constexpr int versionMajor = KOVOLO_VERSION_MAJOR;
inline constexpr int versionMinor = KOVOLO_VERSION_MINOR;
inline constexpr int versionRevision = KOVOLO_VERSION_PATCH;

inline constexpr const char* productName = "Kovolo";
// The desktop id: names the installed .desktop and AppStream files.
inline constexpr const char* desktopId = KOVOLO_APP_ID;
inline constexpr const char* fileDescription = "Spulenberechnung";
inline constexpr const char* comments = "for WINDOWS (32 bit)";
inline constexpr const char* companyName = "Kovolo developers";
// The splash window drops the last character (the full stop) and names the company after the
// small picture: "Copyright © 2026" [picture] ", Kovolo developers".
inline constexpr const char* copyright = "Copyright \u00a9 2026.";

// "1.3.2"
inline std::string versionText()
{
    return std::to_string(versionMajor) + "." + std::to_string(versionMinor) + "." +
           std::to_string(versionRevision);
}

// " V1.3.2", appended to the main window's title.
inline std::string titleVersionSuffix()
{
    return " V" + versionText();
}

// "Version 1.3.2", shown by the About and splash windows.
inline std::string versionLabelText()
{
    return "Version " + versionText();
}

} // namespace kovolo::metadata
