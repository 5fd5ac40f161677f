#include "spawn.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace staging {

namespace {
constexpr double kRadPerDeg = 0.017453292519943295;  // [rad/deg]
}

void SpawnedVesselName(const char* creatorName, const char* suffix,
                       char (&name)[kMaxVesselNameLength + 1]) {
    const std::size_t suffixLength = std::strlen(suffix);
    const std::size_t creatorRoom =
        suffixLength < kMaxVesselNameLength ? kMaxVesselNameLength - suffixLength : 0;
    std::snprintf(name, sizeof name, "%.*s%s", static_cast<int>(creatorRoom), creatorName, suffix);
}

SpawnedVessel SpawnVessel(VESSEL& creator, const char* className, const char* suffix,
                          bool addVelocity, const VECTOR3& p, const VECTOR3& v) {
    VESSELSTATUS vs;
    creator.GetStatus(vs);
    char name[kMaxVesselNameLength + 1];
    SpawnedVesselName(creator.GetName(), suffix, name);
    creator.Local2Rel(p, vs.rpos);
    if (addVelocity) {
        VECTOR3 w;
        creator.Local2Rel(v, w);
        vs.rvel += w - vs.rpos;
    }
    SpawnedVessel spawned;
    spawned.handle = oapiCreateVessel(name, className, vs);
    spawned.object = spawned.handle ? oapiGetVesselInterface(spawned.handle) : nullptr;
    return spawned;
}

void RotateSpawnedVessel(VESSEL* spawnedVesselObj, double angle) {
    if (!spawnedVesselObj) return;
    const double theta = angle * kRadPerDeg;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    MATRIX3 r;
    spawnedVesselObj->GetRotationMatrix(r);
    for (int row = 0; row < 3; ++row) {
        double* m = &r.data[3 * row];
        const double x = m[0];
        const double y = m[1];
        m[0] = x * c - y * s;
        m[1] = x * s + y * c;
    }
    spawnedVesselObj->SetRotationMatrix(r);
}

}  // namespace staging
