#include "mesh_templates.h"

#include <map>
#include <memory>
#include <string>

#include "text.h"
#include "vessel_records.h"

namespace sim {

namespace {

// Templates outlive every simulation: modules may keep their handles in module-wide data.
std::map<std::string, std::unique_ptr<MeshTemplate>>& templates() {
    static std::map<std::string, std::unique_ptr<MeshTemplate>> all;
    return all;
}

}  // namespace

MESHHANDLE loadMeshTemplate(std::string_view name) {
    auto& slot = templates()[text::toLower(name)];
    if (!slot) slot = std::make_unique<MeshTemplate>(MeshTemplate{std::string(name)});
    return slot.get();
}

MESHHANDLE findMeshTemplate(std::string_view name) {
    const auto it = templates().find(text::toLower(name));
    return it == templates().end() ? nullptr : it->second.get();
}

const MeshTemplate* meshTemplate(MESHHANDLE handle) {
    for (const auto& [name, t] : templates()) {
        if (t.get() == handle) return t.get();
    }
    return nullptr;
}

}  // namespace sim
