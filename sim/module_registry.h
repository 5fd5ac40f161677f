// The modules the host has loaded: vessel modules shared by all vessels of their classes (the
// last vessel's destruction unloads its module) and plug-in modules kept for the whole run.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "module_library.h"

namespace sim {

class ModuleRegistry {
  public:
    explicit ModuleRegistry(std::filesystem::path tree) : tree_(std::move(tree)) {}
    ~ModuleRegistry();
    ModuleRegistry(const ModuleRegistry&) = delete;
    ModuleRegistry& operator=(const ModuleRegistry&) = delete;

    // The module at `file`, loaded now or shared with its current users. Throws sim::Error.
    std::shared_ptr<ModuleLibrary> acquire(const std::filesystem::path& file);

    // Loads Modules/Plugin/<name>.so (or <name> as a path below Modules) for the whole run.
    ModuleLibrary& loadPlugin(std::string_view name);
    // Unloads the plug-ins, last loaded first (their ExitModule runs).
    void releasePlugins();

    // A loaded module named by its file name or by a trailing part of its path in the tree,
    // with '\' or '/' separators, without regard to case, ".dll"/".so" optional.
    ModuleLibrary* find(std::string_view name) const;
    ModuleLibrary* find(HINSTANCE instance) const;
    std::vector<ModuleLibrary*> loaded() const;

  private:
    std::filesystem::path tree_;
    std::vector<std::weak_ptr<ModuleLibrary>> modules_;
    std::vector<std::shared_ptr<ModuleLibrary>> plugins_;
};

}  // namespace sim
