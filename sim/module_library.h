// One plug-in module loaded from the runtime tree. Loading calls the module's InitModule,
// unloading its ExitModule, as the module's process-attach and -detach handlers do on the
// real host.
#pragma once

#include <filesystem>
#include <string>

#include "win_types.h"

namespace sim {

class ModuleLibrary {
  public:
    // Throws sim::Error naming the module and the loader's reason when it cannot be loaded.
    explicit ModuleLibrary(std::filesystem::path path);
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    // The exported symbol, or nullptr.
    void* symbol(const char* name) const;
    template <typename Fn>
    Fn function(const char* name) const {
        return reinterpret_cast<Fn>(symbol(name));
    }

    const std::filesystem::path& path() const { return path_; }
    // The module's instance handle as the host hands it out (GetModuleHandleA, InitModule).
    HINSTANCE instance() const;

  private:
    std::filesystem::path path_;
    void* handle_ = nullptr;
};

}  // namespace sim
