// Textures, mesh templates and device-mesh materials.
#include <map>
#include <memory>
#include <utility>

#include "mesh_templates.h"
#include "textures.h"
#include "text.h"
#include "world.h"

namespace sim {

namespace {

struct Texture {
    TextureKind kind;
    std::string name;
};

// Modules keep texture handles in module-wide data across simulations.
std::map<std::pair<TextureKind, std::string>, std::unique_ptr<Texture>>& textures() {
    static std::map<std::pair<TextureKind, std::string>, std::unique_ptr<Texture>> all;
    return all;
}

}  // namespace

SURFHANDLE registerTexture(TextureKind kind, std::string_view name) {
    auto& slot = textures()[{kind, text::toLower(name)}];
    if (!slot) slot = std::make_unique<Texture>(Texture{kind, std::string(name)});
    return slot.get();
}

std::string textureName(SURFHANDLE texture) {
    for (const auto& [key, t] : textures()) {
        if (t.get() == texture) return t->name;
    }
    return {};
}

}  // namespace sim

SURFHANDLE oapiRegisterExhaustTexture(const char* name) {
    return name != nullptr ? sim::registerTexture(sim::TextureKind::Exhaust, name) : nullptr;
}

SURFHANDLE oapiRegisterParticleTexture(const char* name) {
    return name != nullptr ? sim::registerTexture(sim::TextureKind::Particle, name) : nullptr;
}

MESHHANDLE oapiLoadMeshGlobal(const char* fname) {
    return fname != nullptr ? sim::loadMeshTemplate(fname) : nullptr;
}

int oapiSetMaterial(DEVMESHHANDLE hMesh, DWORD matidx, const MATERIAL* mat) {
    constexpr int kOk = 0;
    constexpr int kBadMesh = 3;
    sim::World* w = sim::activeWorld();
    if (w == nullptr || mat == nullptr) return kBadMesh;
    for (const auto& v : w->vessels) {
        if (!v->visual) continue;
        for (const auto& dev : v->visual->devMeshes) {
            if (reinterpret_cast<DEVMESHHANDLE>(dev.get()) == hMesh) {
                dev->materials[matidx] = *mat;
                return kOk;
            }
        }
    }
    return kBadMesh;
}
