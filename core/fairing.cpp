#include "fairing.h"

#include <cstdio>
#include <cstdlib>

#include "empty_mass.h"
#include "spawn.h"
#include "win_services.h"

namespace staging {

namespace {

constexpr const char* kFairingHalfClass = "Arvex//Misc//Arvex-Fairing";
constexpr DWORD kMeshNameSize = 128;  // longest "Mesh" value, 127 characters, and its zero
constexpr WORD kVisible = MESHVIS_ALWAYS;
constexpr WORD kHidden = MESHVIS_NEVER;

struct FairingHalf {
    const char* suffix;
    VECTOR3 velocityPoint;  // vessel frame; the half leaves with the velocity point - offset
    double turn;            // [deg] about the half's own z axis
};
constexpr FairingHalf kHalf1 = {"-Fairing1", {{5.0, 0.0, -0.1}}, 90.0};
constexpr FairingHalf kHalf2 = {"-Fairing2", {{-5.0, 0.0, -0.1}}, 270.0};

void ShowHalves(const FairingCarrier& carrier, WORD mode) {
    carrier.vessel.SetMeshVisibilityMode(carrier.fairingMeshes[0], mode);
    carrier.vessel.SetMeshVisibilityMode(carrier.fairingMeshes[1], mode);
}

// The receiver copies the name during the call. A vessel that the host made without a module of
// its own has no message callback and is not sent anything.
void SendMeshName(VESSEL* half, const char* meshName) {
    if (!half || half->Version() < 2) return;
    static_cast<VESSEL3*>(half)->clbkGeneric(kMeshMessageId, 0, const_cast<char*>(meshName));
}

void SpawnHalf(const FairingCarrier& carrier, const FairingHalf& half) {
    const SpawnedVessel spawned = SpawnVessel(carrier.vessel, kFairingHalfClass, half.suffix, true,
                                              carrier.meshOffset, half.velocityPoint);
    carrier.spawnedVessel = spawned.handle;
    carrier.spawnedVesselObj = spawned.object;
}

}  // namespace

void FitFairing(const FairingCarrier& carrier, int number, bool force) {
    if (force) {
        carrier.fairingAttached = 1;
    } else if (carrier.fairingAttached != 1) {
        return;
    }
    ChangeOwnEmptyMass(carrier.vessel, -carrier.fairingMass);
    if (number == 0) {
        carrier.fairingMass = 0.0;
        carrier.fairingType = 0;
        ShowHalves(carrier, kHidden);
        return;
    }
    carrier.fairingType = number;
    std::snprintf(carrier.fairingSection, sizeof carrier.fairingSection, "Fairing%d", number);
    GetPrivateProfileStringA(carrier.fairingSection, "Mesh", " ", carrier.fairingMeshName,
                             kMeshNameSize, carrier.prefsPath);
    GetPrivateProfileStringA(carrier.fairingSection, "Mass", "0", carrier.fairingMassText,
                             sizeof carrier.fairingMassText, carrier.prefsPath);
    carrier.fairingMass = std::atof(carrier.fairingMassText);
    ChangeOwnEmptyMass(carrier.vessel, carrier.fairingMass);
    // The same half mesh goes into both slots; the fairing animation turns them into place.
    carrier.vessel.InsertMesh(carrier.fairingMeshName, carrier.fairingMeshes[0],
                              &carrier.meshOffset);
    carrier.vessel.InsertMesh(carrier.fairingMeshName, carrier.fairingMeshes[1],
                              &carrier.meshOffset);
    ShowHalves(carrier, kVisible);
}

void JettisonFairing(const FairingCarrier& carrier) {
    if (carrier.fairingAttached != 1 || carrier.fairingType == 0) return;
    carrier.fairingAttached = 0;
    ShowHalves(carrier, kHidden);

    SpawnHalf(carrier, kHalf1);
    SendMeshName(carrier.spawnedVesselObj, carrier.fairingMeshName);
    RotateSpawnedVessel(carrier.spawnedVesselObj, kHalf1.turn);

    SpawnHalf(carrier, kHalf2);
    RotateSpawnedVessel(carrier.spawnedVesselObj, kHalf2.turn);
    SendMeshName(carrier.spawnedVesselObj, carrier.fairingMeshName);

    // fairingType stays, so the scenario records which fairing was thrown off.
    ChangeOwnEmptyMass(carrier.vessel, -carrier.fairingMass);
    carrier.fairingMass = 0.0;
}

}  // namespace staging
