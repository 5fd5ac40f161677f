#include "vehicle_caps.h"

#include <algorithm>
#include <cmath>

namespace sim::payload {

namespace {

double element(const MATRIX3& m, int row, int column) {
    return m.data[row * 3 + column];
}

// Moment of a payload about carrier axis k through the carrier's origin, per kg [m^2].
double momentAbout(int k, const PayloadBody& payload) {
    double own = 0.0;
    for (int j = 0; j < 3; ++j) {
        const double r = element(payload.pose.rotation, k, j);
        own += r * r * payload.pmi.data[j];
    }
    const VECTOR3& p = payload.pose.position;
    const double offAxisSquared = dotp(p, p) - p.data[k] * p.data[k];
    return own + offAxisSquared;
}

// A payload's area seen along carrier axis k [m^2].
double areaAlong(int k, const PayloadBody& payload) {
    double area = 0.0;
    for (int j = 0; j < 3; ++j)
        area += std::fabs(element(payload.pose.rotation, k, j)) * payload.cs.data[j];
    return area;
}

}  // namespace

VECTOR3 combinedPMI(double vehicleMass, const VECTOR3& vehiclePMI,
                    const std::vector<PayloadBody>& payloads) {
    VECTOR3 weighted = vehiclePMI * vehicleMass;
    double totalMass = vehicleMass;
    for (const PayloadBody& payload : payloads) {
        for (int k = 0; k < 3; ++k) weighted.data[k] += payload.mass * momentAbout(k, payload);
        totalMass += payload.mass;
    }
    return totalMass > 0.0 ? weighted / totalMass : vehiclePMI;
}

VECTOR3 combinedCrossSections(const VECTOR3& vehicleCS, const VECTOR3& inLineAxes,
                              const std::vector<PayloadBody>& payloads) {
    VECTOR3 cs = vehicleCS;
    for (const PayloadBody& payload : payloads) {
        for (int k = 0; k < 3; ++k) {
            const double area = areaAlong(k, payload);
            cs.data[k] = inLineAxes.data[k] != 0.0 ? std::max(cs.data[k], area) : cs.data[k] + area;
        }
    }
    return cs;
}

}  // namespace sim::payload
