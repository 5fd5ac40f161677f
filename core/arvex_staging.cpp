// The core vessel's side of the shared staging operations: its fairing, the vessels it creates
// at separations, and its own empty mass.
#include "arvex.h"
#include "empty_mass.h"
#include "fairing.h"
#include "spawn.h"

namespace {

const VECTOR3 kFairingMeshOffset = _V(0, 0, 22.6);  // [m]

staging::FairingCarrier FairingOf(Arvex& vessel) {
    return {vessel,
            kFairingMeshOffset,
            vessel.fairingType,
            vessel.fairingAttached,
            vessel.fairingMass,
            vessel.fairingMeshes,
            vessel.fairingSection,
            vessel.fairingMeshName,
            vessel.fairingMassText,
            vessel.prefsPath,
            vessel.spawnedVessel,
            vessel.spawnedVesselObj};
}

}  // namespace

void Arvex::FitFairing(int number, bool force) {
    staging::FitFairing(FairingOf(*this), number, force);
}

void Arvex::JettisonFairing() {
    staging::JettisonFairing(FairingOf(*this));
}

void Arvex::SpawnVessel(const char* className, const char* suffix, bool addVelocity,
                        const VECTOR3& p, const VECTOR3& v) {
    const staging::SpawnedVessel spawned =
        staging::SpawnVessel(*this, className, suffix, addVelocity, p, v);
    spawnedVessel = spawned.handle;
    spawnedVesselObj = spawned.object;
}

void Arvex::RotateSpawnedVessel(double angle) {
    staging::RotateSpawnedVessel(spawnedVesselObj, angle);
}

void Arvex::ChangeOwnEmptyMass(double delta) {
    staging::ChangeOwnEmptyMass(*this, delta);
}
