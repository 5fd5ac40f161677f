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

void HostVessel::setThreePointTouchdown(const VECTOR3& p1, const VECTOR3& p2, const VECTOR3& p3) {
    constexpr double kDefaultEmptyMass = 1000.0;  // [kg]
    constexpr double kStiffnessForDefault = 1e6;  // [N/m]
    constexpr double kStiffnessPerKg = 20.0;      // [N/m per kg]
    constexpr double kDampingPerStiffness = 0.1;  // [s]
    constexpr double kMu = 0.5;
    constexpr double kMuLng = 0.1;
    const double stiffness =
        emptyMass == kDefaultEmptyMass ? kStiffnessForDefault : kStiffnessPerKg * emptyMass;
    touchdownPoints.clear();
    for (const VECTOR3& p : {p1, p2, p3}) {
        touchdownPoints.push_back({p, stiffness, kDampingPerStiffness * stiffness, kMu, kMuLng});
    }
}

TankRecord* HostVessel::defaultTank() const {
    if (explicitDefaultTank != nullptr) return explicitDefaultTank;
    return tanks.empty() ? nullptr : tanks.front().get();
}

namespace {

template <typename Record>
Record* lookup(const std::vector<std::unique_ptr<Record>>& list, const void* handle) {
    for (const auto& r : list) {
        if (r.get() == handle) return r.get();
    }
    return nullptr;
}

}  // namespace

TankRecord* HostVessel::tank(PROPELLANT_HANDLE handle) const {
    return handle ? lookup(tanks, handle) : nullptr;
}

ThrusterRecord* HostVessel::thruster(THRUSTER_HANDLE handle) const {
    return handle ? lookup(thrusters, handle) : nullptr;
}

ThrusterGroupRecord* HostVessel::groupByHandle(THGROUP_HANDLE handle) const {
    return handle ? lookup(groups, handle) : nullptr;
}

double HostVessel::propellantMass() const {
    double total = 0.0;
    for (const auto& tank : tanks) total += tank->mass;
    return total;
}

double HostVessel::mass() const {
    return emptyMass + propellantMass();
}

VECTOR3 HostVessel::effectivePmi() const {
    return pmiSet ? pmi : _V(2.0 * size, 2.0 * size, size);
}

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

VESSEL2* HostVessel::callbacks() const {
    return iface->Version() >= 1 ? static_cast<VESSEL2*>(iface) : nullptr;
}

VESSEL3* HostVessel::callbacks3() const {
    return iface->Version() >= 2 ? static_cast<VESSEL3*>(iface) : nullptr;
}

}  // namespace sim
