// Construction and identity of the vessel interface classes.
#include "error.h"
#include "host_vessel.h"

namespace {

sim::HostVessel* recordFor(OBJHANDLE handle) {
    sim::HostVessel* record = sim::findVessel(handle);
    if (record == nullptr)
        throw sim::Error("a vessel interface was constructed for an unknown vessel handle");
    return record;
}

}  // namespace

VESSEL::VESSEL(OBJHANDLE hVessel, int fmodel)
    : vessel(recordFor(hVessel)), flightmodel(static_cast<short>(fmodel)), version(0) {}

VESSEL2::VESSEL2(OBJHANDLE hVessel, int fmodel) : VESSEL(hVessel, fmodel) {
    version = 1;
}

VESSEL3::VESSEL3(OBJHANDLE hVessel, int fmodel) : VESSEL2(hVessel, fmodel) {
    version = 2;
}

OBJHANDLE VESSEL::GetHandle() const {
    return vessel->handle;
}

char* VESSEL::GetName() const {
    return vessel->name.data();
}

char* VESSEL::GetClassNameA() const {
    return vessel->className.data();
}
