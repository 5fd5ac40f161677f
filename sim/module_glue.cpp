// InitLib: the host export a module's load handler calls with an address inside the module.
// The host notes the module, its build date and interface version in its log; InitModule
// itself is called by the loader once the module is fully loaded, so that the module's own
// static data exist when it runs.
#include <dlfcn.h>

#include <string>

#include "orbiter_api.h"
#include "world.h"

namespace {

// "<file> [Build <date>, API <version>]" from the module's own exports, where it has them.
std::string describe(const char* file) {
    std::string text = file;
    void* self = dlopen(file, RTLD_LAZY | RTLD_NOLOAD);
    if (self == nullptr) return text;
    const auto date = reinterpret_cast<char* (*)()>(dlsym(self, "ModuleDate"));
    const auto version = reinterpret_cast<int (*)()>(dlsym(self, "GetModuleVersion"));
    if (date != nullptr && version != nullptr) {
        text += std::string(" [Build ") + date() + ", API " + std::to_string(version()) + "]";
    }
    dlclose(self);
    return text;
}

}  // namespace

DLLCLBK void InitLib(HINSTANCE hModule) {
    Dl_info info{};
    const bool found =
        dladdr(reinterpret_cast<void*>(hModule), &info) != 0 && info.dli_fname != nullptr;
    if (sim::World* w = sim::activeWorld())
        w->log.push_back("Module " + (found ? describe(info.dli_fname) : "?"));
}
