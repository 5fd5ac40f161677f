// Vessels created next to their creator at a separation (boosters, fairing halves): placed at a
// point of the creator, with the creator's state, and turned about their own axis.
#pragma once

#include <cstddef>

#include "orbitersdk.h"

namespace staging {

// Longest vessel name the creator hands to the host, without the terminating zero.
inline constexpr std::size_t kMaxVesselNameLength = 255;

struct SpawnedVessel {
    OBJHANDLE handle = nullptr;
    VESSEL* object = nullptr;  // the new vessel's interface; null when the host gives none
};

// The new vessel's name: the creator's name followed by the suffix. A name that would be longer
// than kMaxVesselNameLength keeps its suffix and loses the end of the creator's name, so the
// vessels made at one separation keep distinct names.
void SpawnedVesselName(const char* creatorName, const char* suffix,
                       char (&name)[kMaxVesselNameLength + 1]);

// Creates a vessel of className at point p of the creator's frame, with the creator's status
// record (velocity, orientation, angular velocity). With addVelocity the new vessel also gets the
// creator's rotation applied to v - p as velocity relative to the creator [m/s].
SpawnedVessel SpawnVessel(VESSEL& creator, const char* className, const char* suffix,
                          bool addVelocity, const VECTOR3& p, const VECTOR3& v);

// Turns the vessel by angle [deg] about its own z axis; nothing without an interface.
void RotateSpawnedVessel(VESSEL* spawnedVesselObj, double angle);

}  // namespace staging
