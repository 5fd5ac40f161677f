// The payload fairing of a vessel (the core vessel or the upper stage): fitted from the
// preferences file as two halves of one mesh, counted in the vessel's own empty mass, and
// jettisoned as two spent-part vessels that are told which mesh to show.
#pragma once

#include "orbitersdk.h"

namespace staging {

// Message that tells a new spent part which mesh to show: clbkGeneric with this id, parameter 0
// and the zero-terminated mesh name as context.
inline constexpr int kMeshMessageId = 12567;

// The vessel's own fairing fields, which the fairing operations read and write, and where the
// halves sit on the vessel.
struct FairingCarrier {
    VESSEL& vessel;
    VECTOR3 meshOffset;    // position of the fairing meshes in the vessel frame [m]
    int& fairingType;      // fitted fairing number, 0 for none
    int& fairingAttached;  // 1 while the fairing is on the vessel
    double& fairingMass;   // [kg] of the fitted fairing in the own empty mass
    const UINT (&fairingMeshes)[2];
    char (&fairingSection)[64];
    char (&fairingMeshName)[256];
    char (&fairingMassText)[64];
    const char (&prefsPath)[MAX_PATH];
    OBJHANDLE& spawnedVessel;
    VESSEL*& spawnedVesselObj;
};

// Fits fairing number (0 removes the fairing). Without force nothing happens once the fairing
// has been jettisoned; with force the fairing counts as attached again.
void FitFairing(const FairingCarrier& carrier, int number, bool force);

// Throws the attached fairing off as two spent-part vessels; nothing without one.
void JettisonFairing(const FairingCarrier& carrier);

}  // namespace staging
