// The host's object and vessel registry functions.
#include "celestial.h"
#include "error.h"
#include "scenario_loader.h"
#include "text.h"
#include "vessel_load.h"
#include "world.h"

namespace {

using sim::HostVessel;

// Creation failures inside a module's callback are reported, not thrown through module code.
template <typename Create>
OBJHANDLE createReported(const char* name, const char* classname, Create create) {
    sim::World* w = sim::activeWorld();
    if (w == nullptr || name == nullptr || classname == nullptr) return nullptr;
    try {
        return create(*w).handle;
    } catch (const sim::Error& e) {
        w->warn(e.what());
        return nullptr;
    }
}

}  // namespace

OBJHANDLE oapiGetObjectByName(const char* name) {
    if (name == nullptr) return nullptr;
    if (sim::text::equalsNoCase(name, sim::kEarthName)) return sim::earthHandle();
    return oapiGetVesselByName(name);
}

DWORD oapiGetObjectType(OBJHANDLE hObj) {
    if (sim::isEarth(hObj)) return OBJTP_PLANET;
    return sim::findVessel(hObj) != nullptr ? OBJTP_VESSEL : OBJTP_INVALID;
}

void oapiGetObjectName(OBJHANDLE hObj, char* name, int n) {
    if (name == nullptr || n <= 0) return;
    std::string objectName;
    if (sim::isEarth(hObj)) {
        objectName = sim::kEarthName;
    } else if (const HostVessel* v = sim::findVessel(hObj)) {
        objectName = v->name;
    } else {
        return;
    }
    // At most n characters; no terminator when the name fills them.
    const std::size_t count = std::min(objectName.size() + 1, static_cast<std::size_t>(n));
    objectName.copy(name, count);
    if (count > objectName.size()) name[objectName.size()] = '\0';
}

OBJHANDLE oapiCreateVessel(const char* name, const char* classname, const VESSELSTATUS& status) {
    return createReported(name, classname, [&](sim::World& w) -> HostVessel& {
        return sim::createVesselFromStatus(w, name, classname, status);
    });
}

OBJHANDLE oapiCreateVesselEx(const char* name, const char* classname, const void* status) {
    return createReported(name, classname, [&](sim::World& w) -> HostVessel& {
        return sim::createVesselFromStatus2(w, name, classname,
                                            static_cast<const VESSELSTATUS2*>(status));
    });
}

VESSEL* oapiGetVesselInterface(OBJHANDLE hVessel) {
    const HostVessel* v = sim::findVessel(hVessel);
    return v != nullptr ? v->iface : nullptr;
}

OBJHANDLE oapiGetVesselByName(const char* name) {
    sim::World* w = sim::activeWorld();
    if (w == nullptr || name == nullptr) return nullptr;
    for (const auto& v : w->vessels) {
        if (sim::text::equalsNoCase(v->name, name)) return v->handle;
    }
    return nullptr;
}

OBJHANDLE oapiGetVesselByIndex(int index) {
    sim::World* w = sim::activeWorld();
    if (w == nullptr || index < 0 || static_cast<std::size_t>(index) >= w->vessels.size())
        return nullptr;
    return w->vessels[static_cast<std::size_t>(index)]->handle;
}

DWORD oapiGetVesselCount() {
    sim::World* w = sim::activeWorld();
    return w != nullptr ? static_cast<DWORD>(w->vessels.size()) : 0;
}

bool oapiDeleteVessel(OBJHANDLE hVessel, OBJHANDLE) {
    HostVessel* v = sim::findVessel(hVessel);
    if (v == nullptr) return false;
    // Removed at the end of the frame, or once the caller's callback has returned.
    v->markedForDeletion = true;
    return true;
}

bool oapiIsVessel(OBJHANDLE hVessel) {
    const HostVessel* v = sim::findVessel(hVessel);
    return v != nullptr && v->iface != nullptr;
}

OBJHANDLE oapiGetFocusObject() {
    sim::World* w = sim::activeWorld();
    return w != nullptr && w->focus != nullptr ? w->focus->handle : nullptr;
}

OBJHANDLE oapiSetFocusObject(OBJHANDLE hVessel) {
    sim::World* w = sim::activeWorld();
    if (w == nullptr) return nullptr;
    const OBJHANDLE previous = oapiGetFocusObject();
    if (HostVessel* v = sim::findVessel(hVessel)) w->setFocus(v);
    return previous;
}

VESSEL* oapiGetFocusInterface() {
    return oapiGetVesselInterface(oapiGetFocusObject());
}

double oapiGetSize(OBJHANDLE hObj) {
    constexpr double kEarthRadius = 6.37101e6;  // mean radius [m]
    if (sim::isEarth(hObj)) return kEarthRadius;
    const HostVessel* v = sim::findVessel(hObj);
    return v != nullptr ? v->size : 0.0;
}

double oapiGetMass(OBJHANDLE hObj) {
    constexpr double kEarthMass = 5.973698968e24;  // [kg]
    if (sim::isEarth(hObj)) return kEarthMass;
    const HostVessel* v = sim::findVessel(hObj);
    return v != nullptr ? v->mass() : 0.0;
}
