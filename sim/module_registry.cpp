#include "module_registry.h"

#include <algorithm>

#include "text.h"
#include "tree_paths.h"

namespace fs = std::filesystem;

namespace sim {

namespace {

std::string withoutExtension(std::string name) {
    for (std::string_view ext : {".dll", ".so"}) {
        if (name.size() > ext.size() &&
            text::equalsNoCase(std::string_view(name).substr(name.size() - ext.size()), ext)) {
            name.resize(name.size() - ext.size());
            break;
        }
    }
    return name;
}

// "a/b/c" names the module "x/a/b/c" but not "x/za/b/c".
bool namesModule(const std::string& query, const std::string& modulePath) {
    if (query.empty() || query.size() > modulePath.size()) return false;
    const std::size_t start = modulePath.size() - query.size();
    return modulePath.compare(start, query.size(), query) == 0 &&
           (start == 0 || modulePath[start - 1] == '/');
}

}  // namespace

ModuleRegistry::~ModuleRegistry() {
    releasePlugins();
}

void ModuleRegistry::releasePlugins() {
    while (!plugins_.empty()) plugins_.pop_back();
}

std::shared_ptr<ModuleLibrary> ModuleRegistry::acquire(const fs::path& file) {
    std::erase_if(modules_, [](const auto& m) { return m.expired(); });
    const fs::path wanted = fs::weakly_canonical(file);
    for (const auto& weak : modules_) {
        auto module = weak.lock();
        if (fs::weakly_canonical(module->path()) == wanted) return module;
    }
    auto module = std::make_shared<ModuleLibrary>(file);
    modules_.push_back(module);
    return module;
}

ModuleLibrary& ModuleRegistry::loadPlugin(std::string_view name) {
    const std::string relative = normaliseRelativePath(name);
    const std::string item =
        relative.find('/') == std::string::npos ? "Plugin/" + relative : relative;
    plugins_.push_back(acquire(modulePath(tree_, item)));
    return *plugins_.back();
}

ModuleLibrary* ModuleRegistry::find(std::string_view name) const {
    const std::string query = withoutExtension(text::toLower(normaliseRelativePath(name)));
    for (ModuleLibrary* module : loaded()) {
        fs::path relative = module->path().lexically_relative(tree_);
        if (relative.empty()) relative = module->path();
        const std::string candidate = text::toLower(relative.replace_extension().generic_string());
        if (namesModule(query, candidate)) return module;
    }
    return nullptr;
}

ModuleLibrary* ModuleRegistry::find(HINSTANCE instance) const {
    for (ModuleLibrary* module : loaded()) {
        if (module->instance() == instance) return module;
    }
    return nullptr;
}

std::vector<ModuleLibrary*> ModuleRegistry::loaded() const {
    std::vector<ModuleLibrary*> result;
    for (const auto& weak : modules_) {
        if (auto module = weak.lock()) result.push_back(module.get());
    }
    return result;
}

}  // namespace sim
