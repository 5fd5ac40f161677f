#include "module_library.h"

#include <dlfcn.h>

#include "error.h"

namespace sim {

namespace {

using ModuleHook = void (*)(HINSTANCE);

// The loader's reason, without the file name it usually starts with.
std::string loaderReason(const std::string& path) {
    const char* reason = dlerror();
    std::string text = reason != nullptr ? reason : "unknown reason";
    if (text.starts_with(path + ": ")) text.erase(0, path.size() + 2);
    return text;
}

}  // namespace

ModuleLibrary::ModuleLibrary(std::filesystem::path path) : path_(std::move(path)) {
    dlerror();
    // Binding every symbol now reports a host function the module needs but the host lacks
    // at load time, with its name, instead of as a crash in flight.
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr)
        throw Error(path_.string() + ": cannot load module: " + loaderReason(path_.string()));
    if (auto init = function<ModuleHook>("InitModule")) init(instance());
}

ModuleLibrary::~ModuleLibrary() {
    if (auto exit = function<ModuleHook>("ExitModule")) exit(instance());
    dlclose(handle_);
}

void* ModuleLibrary::symbol(const char* name) const {
    return dlsym(handle_, name);
}

HINSTANCE ModuleLibrary::instance() const {
    return reinterpret_cast<HINSTANCE>(const_cast<ModuleLibrary*>(this));
}

}  // namespace sim
