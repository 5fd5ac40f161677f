// Where the host finds things in its runtime tree. Names from configuration and scenario files
// use Windows conventions: '\' or '/' separators, repeated separators acting as one, and file
// names matched without regard to case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// "Arvex\\Misc//Arvex-LRB" → "Arvex/Misc/Arvex-LRB".
std::string normaliseRelativePath(std::string_view name);

// The existing file base/relative, each component matched exactly or else without regard to
// case; nullopt when there is none.
std::optional<std::filesystem::path> findInTree(const std::filesystem::path& base,
                                                std::string_view relative);

// Config/Vessels/<class>.cfg, else Config/<class>.cfg.
std::optional<std::filesystem::path> findClassConfig(const std::filesystem::path& tree,
                                                     std::string_view className);

// The shared library a "Module" item names: Modules/<item>.so (a ".dll" suffix is dropped).
std::filesystem::path modulePath(const std::filesystem::path& tree, std::string_view moduleItem);

}  // namespace sim
