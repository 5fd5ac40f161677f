#include "preferences.h"

#include <cstdio>

namespace {
constexpr const char* kPrefsFileName = "//Arvex_Prefs.ini";
}

void BuildPrefsPath(char (&prefsPath)[MAX_PATH]) {
    prefsPath[0] = '\0';
    char directory[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory) return;  // no directory, or it does not fit
    const int written =
        std::snprintf(prefsPath, sizeof prefsPath, "%s%s", directory, kPrefsFileName);
    if (written < 0 || static_cast<size_t>(written) >= sizeof prefsPath) prefsPath[0] = '\0';
}
