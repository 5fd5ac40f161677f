// The private-profile (INI) reader: the input is the preferences file beside the simulator, and
// the profile reader looks up the sections, keys and lists the modules and the host ask for,
// into buffers of exactly every small size, so a write past the end is a sanitizer report.
#include <vector>

#include "fuzz_home.h"
#include "win_services.h"

namespace {

constexpr char kPrefsFile[] = "Arvex_Prefs.ini";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    fuzz::Home::instance().write(kPrefsFile, fuzz::asText(data, size));
    for (DWORD length : {0u, 1u, 2u, 3u, 16u, 64u, 128u}) {
        std::vector<char> buffer(length);
        for (const char* section : {"Fairing1", "Fairing2", "Fairing-1", ""}) {
            for (const char* key : {"Name", "Mesh", "Mass", ""}) {
                GetPrivateProfileStringA(section, key, "-ERROR-", buffer.data(), length,
                                         kPrefsFile);
            }
            GetPrivateProfileStringA(section, nullptr, "", buffer.data(), length, kPrefsFile);
        }
        GetPrivateProfileStringA(nullptr, nullptr, "", buffer.data(), length, kPrefsFile);
    }
    return 0;
}
