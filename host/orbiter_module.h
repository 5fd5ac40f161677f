// Include in exactly one source file of a module that publishes its version and build date.
#pragma once

#include <cstdio>
#include <cstring>

#include "orbiter_api.h"

// "Mmm dd yyyy" -> yymmdd, the host's version number of a module.
inline int Date2Int(const char* date) {
    static const char* const months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    char month[4] = {};
    int day = 0, year = 0;
    if (std::sscanf(date, "%3s %d %d", month, &day, &year) != 3) return 0;
    const char* found = std::strstr(months, month);
    const int monthNumber = found ? static_cast<int>(found - months) / 3 + 1 : 0;
    return (year % 100) * 10000 + monthNumber * 100 + day;
}

// The host-interface library version these modules were built against.
DLLCLBK int GetModuleVersion() {
    static const int version = Date2Int("Aug 28 2016");
    return version;
}

DLLCLBK char* ModuleDate() {
    static char date[] = __DATE__;
    return date;
}

namespace {

// Stands for the module library's process-attach handler: hands the module to the host as soon
// as it is loaded. The host knows the module by an address inside it.
struct ModuleAttach {
    ModuleAttach() { InitLib(reinterpret_cast<HINSTANCE>(this)); }
};

const ModuleAttach moduleAttach;

}  // namespace
