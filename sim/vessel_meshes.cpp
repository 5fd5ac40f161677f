// The vessel's mesh list and the device meshes of its visual.
#include <algorithm>

#include "host_vessel.h"
#include "mesh_templates.h"

namespace {

using sim::HostVessel;
using sim::MeshSlot;

MeshSlot makeSlot(const std::string& name, const sim::MeshTemplate* meshTemplate,
                  const VECTOR3* ofs) {
    MeshSlot slot;
    slot.used = true;
    slot.name = name;
    slot.meshTemplate = meshTemplate;
    slot.offset = ofs != nullptr ? *ofs : _V(0, 0, 0);
    return slot;
}

// The visual's copy of a mesh that was replaced or removed is gone with it.
void forgetDevMesh(HostVessel& v, UINT idx) {
    if (v.visual)
        std::erase_if(v.visual->devMeshes, [&](const auto& d) { return d->meshIndex == idx; });
}

UINT addSlot(HostVessel& v, MeshSlot slot) {
    const auto free =
        std::find_if(v.meshes.begin(), v.meshes.end(), [](const MeshSlot& s) { return !s.used; });
    if (free != v.meshes.end()) {
        *free = std::move(slot);
        const UINT idx = static_cast<UINT>(free - v.meshes.begin());
        forgetDevMesh(v, idx);
        return idx;
    }
    v.meshes.push_back(std::move(slot));
    return static_cast<UINT>(v.meshes.size() - 1);
}

UINT insertSlot(HostVessel& v, MeshSlot slot, UINT idx) {
    if (idx >= v.meshes.size()) v.meshes.resize(idx + 1);
    v.meshes[idx] = std::move(slot);
    forgetDevMesh(v, idx);
    return idx;
}

const MeshSlot* usedSlot(const HostVessel& v, UINT idx) {
    return idx < v.meshes.size() && v.meshes[idx].used ? &v.meshes[idx] : nullptr;
}

}  // namespace

UINT VESSEL::AddMesh(const char* meshname, const VECTOR3* ofs) const {
    return addSlot(*vessel, makeSlot(meshname != nullptr ? meshname : "", nullptr, ofs));
}

UINT VESSEL::AddMesh(MESHHANDLE hMesh, const VECTOR3* ofs) const {
    const sim::MeshTemplate* t = sim::meshTemplate(hMesh);
    return addSlot(*vessel, makeSlot(t != nullptr ? t->name : "", t, ofs));
}

UINT VESSEL::InsertMesh(const char* meshname, UINT idx, const VECTOR3* ofs) const {
    return insertSlot(*vessel, makeSlot(meshname != nullptr ? meshname : "", nullptr, ofs), idx);
}

UINT VESSEL::InsertMesh(MESHHANDLE hMesh, UINT idx, const VECTOR3* ofs) const {
    const sim::MeshTemplate* t = sim::meshTemplate(hMesh);
    return insertSlot(*vessel, makeSlot(t != nullptr ? t->name : "", t, ofs), idx);
}

bool VESSEL::DelMesh(UINT idx, bool retain_anim) const {
    if (usedSlot(*vessel, idx) == nullptr) return false;
    vessel->meshes[idx] = MeshSlot{};
    forgetDevMesh(*vessel, idx);
    if (!retain_anim) {
        for (const auto& anim : vessel->animations) {
            if (!anim) continue;
            std::erase_if(anim->components, [&](const auto& c) {
                return c->transform != nullptr && c->transform->mesh == idx;
            });
        }
    }
    return true;
}

void VESSEL::ClearMeshes(bool retain_anim) const {
    for (UINT i = 0; i < vessel->meshes.size(); ++i) DelMesh(i, retain_anim);
    vessel->meshes.clear();
}

bool VESSEL::ShiftMesh(UINT idx, const VECTOR3& ofs) const {
    if (usedSlot(*vessel, idx) == nullptr) return false;
    vessel->meshes[idx].offset += ofs;
    return true;
}

UINT VESSEL::GetMeshCount() const {
    return static_cast<UINT>(vessel->meshes.size());
}

MESHHANDLE VESSEL::GetMeshTemplate(UINT idx) const {
    const MeshSlot* slot = usedSlot(*vessel, idx);
    if (slot == nullptr) return nullptr;
    if (slot->meshTemplate != nullptr) return const_cast<sim::MeshTemplate*>(slot->meshTemplate);
    return sim::findMeshTemplate(slot->name);
}

const char* VESSEL::GetMeshName(UINT idx) const {
    const MeshSlot* slot = usedSlot(*vessel, idx);
    return slot != nullptr ? slot->name.c_str() : nullptr;
}

DEVMESHHANDLE VESSEL::GetDevMesh(VISHANDLE vis, UINT idx) const {
    if (!vessel->visual || vis != vessel->visual.get()) return nullptr;
    const MeshSlot* slot = usedSlot(*vessel, idx);
    if (slot == nullptr) return nullptr;
    auto& devMeshes = vessel->visual->devMeshes;
    auto it = std::find_if(devMeshes.begin(), devMeshes.end(),
                           [&](const auto& d) { return d->meshIndex == idx; });
    if (it == devMeshes.end()) {
        auto created = std::make_unique<sim::DevMeshRecord>();
        created->meshIndex = idx;
        created->meshName = slot->name;
        devMeshes.push_back(std::move(created));
        it = devMeshes.end() - 1;
    }
    return reinterpret_cast<DEVMESHHANDLE>(it->get());
}

void VESSEL::SetMeshVisibilityMode(UINT idx, WORD mode) const {
    if (idx < vessel->meshes.size()) vessel->meshes[idx].visibility = mode;
}

WORD VESSEL::GetMeshVisibilityMode(UINT idx) const {
    return idx < vessel->meshes.size() ? vessel->meshes[idx].visibility
                                       : static_cast<WORD>(MESHVIS_NEVER);
}

void VESSEL::SetMeshVisibleInternal(UINT idx, bool visible) const {
    SetMeshVisibilityMode(idx, visible ? MESHVIS_ALWAYS : MESHVIS_EXTERNAL);
}
