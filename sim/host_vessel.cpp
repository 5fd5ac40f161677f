#include "host_vessel.h"

namespace sim {

namespace {

// The host's hull for a vessel that never sets touchdown points [m, N/m, N·s/m].
std::vector<TOUCHDOWNVTX> defaultHull() {
    constexpr double stiffness = 1e6;
    constexpr double damping = 1e5;
    constexpr double mu = 0.5;
    constexpr double muLng = 0.1;
    return {{_V(0, -2, 10), stiffness, damping, mu, muLng},
            {_V(-3, -2, -5), stiffness, damping, mu, muLng},
            {_V(3, -2, -5), stiffness, damping, mu, muLng}};
}

}  // namespace

HostVessel::HostVessel() : touchdownPoints(defaultHull()) {}

TankRecord* HostVessel::defaultTank() const {
    if (explicitDefaultTank != nullptr) return explicitDefaultTank;
    return tanks.empty() ? nullptr : tanks.front().get();
}

double HostVessel::propellantMass() const {
    double total = 0.0;
    for (const auto& tank : tanks) total += tank->mass;
    return total;
}

double HostVessel::mass() const { return emptyMass + propellantMass(); }

VECTOR3 HostVessel::effectivePmi() const { return pmiSet ? pmi : _V(2.0 * size, 2.0 * size, size); }

ThrusterGroupRecord* HostVessel::group(int type) const {
    for (const auto& g : groups) {
        if (g->type == type) return g.get();
    }
    return nullptr;
}

AttachmentRecord* HostVessel::attachedTo() const {
    for (const auto& point : parentPoints) {
        if (point->connected != nullptr) return point->mate;
    }
    return nullptr;
}

VESSEL2* HostVessel::callbacks() const { return iface->Version() >= 1 ? static_cast<VESSEL2*>(iface) : nullptr; }

VESSEL3* HostVessel::callbacks3() const { return iface->Version() >= 2 ? static_cast<VESSEL3*>(iface) : nullptr; }

}  // namespace sim
