// The Windows services modules call, with Windows semantics: the current directory,
// private-profile reading, and module handles with their exported symbols.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "ini_file.h"
#include "tree_paths.h"
#include "win_services.h"
#include "world.h"

namespace {

// GetModuleHandleA(NULL) names the host program itself; it exports nothing modules look up.
const char g_hostInstanceToken = 0;
HMODULE hostInstance() {
    return reinterpret_cast<HMODULE>(const_cast<char*>(&g_hostInstanceToken));
}

// Copies `text` into a buffer of `size` bytes, cut to fit, terminated; returns the length copied.
DWORD copyCut(const std::string& text, char* buffer, DWORD size) {
    if (buffer == nullptr || size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

// A list of names, each terminated, the whole list ending in a second terminator; cut to fit
// with both terminators kept. Returns the length without the final terminator, size - 2 when cut.
DWORD copyNameList(const std::vector<std::string>& names, char* buffer, DWORD size) {
    if (buffer == nullptr || size < 2) return 0;
    std::string list;
    for (const std::string& name : names) list += name + '\0';
    if (list.size() + 1 > size) {
        std::memcpy(buffer, list.data(), size - 2);
        buffer[size - 2] = '\0';
        buffer[size - 1] = '\0';
        return size - 2;
    }
    std::memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    if (list.empty()) buffer[1] = '\0';
    return static_cast<DWORD>(list.size());
}

// The profile reader drops trailing blanks of the default text.
std::string defaultText(const char* lpDefault) {
    std::string text = lpDefault != nullptr ? lpDefault : "";
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    return text;
}

}  // namespace

DWORD GetCurrentDirectoryA(DWORD nBufferLength, char* lpBuffer) {
    char cwd[PATH_MAX];
    if (getcwd(cwd, sizeof cwd) == nullptr) return 0;
    const std::size_t length = std::strlen(cwd);
    // Too small a buffer is left untouched; the size needed, terminator included, is returned.
    if (lpBuffer == nullptr || nBufferLength <= length) return static_cast<DWORD>(length + 1);
    std::memcpy(lpBuffer, cwd, length + 1);
    return static_cast<DWORD>(length);
}

DWORD GetPrivateProfileStringA(const char* lpAppName, const char* lpKeyName, const char* lpDefault,
                               char* lpReturnedString, DWORD nSize, const char* lpFileName) {
    if (lpFileName == nullptr) return copyCut(defaultText(lpDefault), lpReturnedString, nSize);
    std::string path = lpFileName;
    std::replace(path.begin(), path.end(), '\\', '/');
    const sim::IniFile file = sim::IniFile::load(path);
    if (lpAppName == nullptr) {
        std::vector<std::string> names;
        for (const auto& section : file.sections()) names.push_back(section.name);
        return copyNameList(names, lpReturnedString, nSize);
    }
    if (lpKeyName == nullptr) {
        std::vector<std::string> names;
        if (const auto* section = file.findSection(lpAppName)) {
            for (const auto& [key, value] : section->entries) names.push_back(key);
        }
        return copyNameList(names, lpReturnedString, nSize);
    }
    const auto value = file.value(lpAppName, lpKeyName);
    return copyCut(value ? *value : defaultText(lpDefault), lpReturnedString, nSize);
}

HMODULE GetModuleHandleA(const char* lpModuleName) {
    if (lpModuleName == nullptr) return hostInstance();
    sim::World* w = sim::activeWorld();
    if (w == nullptr) return nullptr;
    sim::ModuleLibrary* module = w->modules.find(lpModuleName);
    return module != nullptr ? module->instance() : nullptr;
}

FARPROC GetProcAddress(HMODULE hModule, const char* lpProcName) {
    sim::World* w = sim::activeWorld();
    if (w == nullptr || lpProcName == nullptr) return nullptr;
    sim::ModuleLibrary* module = w->modules.find(hModule);
    return module != nullptr ? reinterpret_cast<FARPROC>(module->symbol(lpProcName)) : nullptr;
}
