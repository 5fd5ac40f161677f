// The upper stage's scenario lines: the nozzle glow ("Misc") and the fairing ("Fairing"). Lines
// the stage does not own go to the payload library and then to the host.
#include <strings.h>

#include <cmath>
#include <cstdio>

#include "eds.h"

namespace {

constexpr char kGlowKey[] = "Misc";
constexpr std::size_t kGlowKeyLength = sizeof kGlowKey - 1;
constexpr char kFairingKey[] = "Fairing";
constexpr std::size_t kFairingKeyLength = sizeof kFairingKey - 1;

bool StartsWithKey(const char* line, const char* key, std::size_t keyLength) {
    return strncasecmp(line, key, keyLength) == 0;
}

}  // namespace

void EDS::clbkLoadStateEx(FILEHANDLE scn, void* status) {
    char* line;
    while (oapiReadScenario_nextline(scn, line)) {
        if (StartsWithKey(line, kGlowKey, kGlowKeyLength)) {
            float glow = engineGlow;
            std::sscanf(line + kGlowKeyLength, "%f", &glow);
            if (std::isfinite(glow)) engineGlow = glow;  // else unreadable, as a missing value
        } else if (StartsWithKey(line, kFairingKey, kFairingKeyLength)) {
            std::sscanf(line + kFairingKeyLength, "%i %i", &fairingType, &fairingAttached);
        } else {
            PayloadManager::loadState(this, line);
            ParseScenarioLineEx(line, status);
        }
    }
}

void EDS::clbkSaveState(FILEHANDLE scn) {
    VesselWithPM::clbkSaveState(scn);  // the host's lines, then the payload library's
    char text[256];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(engineGlow));
    oapiWriteScenario_string(scn, kGlowKey, text);
    std::snprintf(text, sizeof text, "%i %i", fairingType, fairingAttached);
    oapiWriteScenario_string(scn, kFairingKey, text);
}
