// InitLib: the host export a module's load handler calls with its instance. The host notes
// the module in its log; InitModule itself is called by the loader once the module is fully
// loaded, so that the module's own static data exist when it runs.
#include <dlfcn.h>

#include <string>

#include "orbiter_api.h"
#include "world.h"

DLLCLBK void InitLib(HINSTANCE hModule) {
    Dl_info info{};
    const std::string file =
        dladdr(reinterpret_cast<void*>(hModule), &info) != 0 && info.dli_fname != nullptr
            ? info.dli_fname
            : "an unknown module";
    if (sim::World* w = sim::activeWorld()) w->log.push_back("Module " + file + " attached");
}
