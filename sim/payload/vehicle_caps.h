// The carrier's inertia and cross sections with its payloads aboard.
#pragma once

#include <vector>

#include "orbiter_api.h"

namespace sim::payload {

struct PayloadPose {
    MATRIX3 rotation;  // payload axes -> carrier axes
    VECTOR3 position;  // payload origin in the carrier frame [m]
};

struct PayloadBody {
    double mass;  // [kg]
    VECTOR3 pmi;  // mass-normalised principal moments of inertia, payload axes [m^2]
    VECTOR3 cs;   // cross sections, payload axes [m^2]
    PayloadPose pose;
};

// Mass-normalised moments of the carrier (mass vehicleMass [kg], moments vehiclePMI [m^2]) and
// its payloads about the carrier's origin, in carrier axes [m^2]. Off-diagonal terms are
// dropped, as the host keeps principal moments only.
VECTOR3 combinedPMI(double vehicleMass, const VECTOR3& vehiclePMI,
                    const std::vector<PayloadBody>& payloads);

// Cross sections [m^2] per carrier axis: where inLineAxes is non-zero the payloads sit in line
// with the carrier along that axis and the largest area counts; elsewhere the areas add.
VECTOR3 combinedCrossSections(const VECTOR3& vehicleCS, const VECTOR3& inLineAxes,
                              const std::vector<PayloadBody>& payloads);

}  // namespace sim::payload
