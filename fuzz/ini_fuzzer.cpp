// The private-profile (INI) reader: the input is the preferences file beside the simulator.
// Every key of every section it holds is looked up in the parsed file, and the profile reader
// answers the look-ups the modules and the host make into buffers of exactly every small size,
// so a write past the end is a sanitizer report.
#include <vector>

#include "fuzz_home.h"
#include "ini_file.h"
#include "win_services.h"

namespace {

constexpr char kPrefsFile[] = "Arvex_Prefs.ini";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const sim::IniFile file = sim::IniFile::parse(text);
    for (const sim::IniFile::Section& section : file.sections()) {
        for (const auto& entry : section.entries) file.value(section.name, entry.first);
    }
    fuzz::Home::instance().write(kPrefsFile, text);
    for (DWORD length : {0u, 1u, 2u, 16u, 64u}) {
        std::vector<char> buffer(length);
        GetPrivateProfileStringA("Fairing1", "Name", "-ERROR-", buffer.data(), length, kPrefsFile);
        GetPrivateProfileStringA("Fairing1", nullptr, "", buffer.data(), length, kPrefsFile);
        GetPrivateProfileStringA(nullptr, nullptr, "", buffer.data(), length, kPrefsFile);
    }
    return 0;
}
