#include <gtest/gtest.h>

#include "vehicle_caps.h"

namespace sim::payload {
namespace {

const VECTOR3 kVehiclePMI = {{20.0, 20.0, 5.0}};  // [m^2]
const VECTOR3 kVehicleCS = {{40.0, 40.0, 10.0}};  // [m^2]
const VECTOR3 kStackedAlongZ = {{0.0, 0.0, 1.0}};
const MATRIX3 kTurnedAboutX = _M(1, 0, 0, 0, 0, -1, 0, 1, 0);  // payload z along carrier -y

PayloadBody payloadAt(const VECTOR3& position, const MATRIX3& rotation = identity()) {
    return PayloadBody{1000.0, _V(1.0, 2.0, 3.0), _V(4.0, 5.0, 6.0), {rotation, position}};
}

void expectVector(const VECTOR3& actual, const VECTOR3& expected) {
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(actual.data[k], expected.data[k], 1e-9) << "axis " << k;
}

TEST(VehicleCaps, WithoutPayloadsTheVehiclesOwnValuesStand) {
    expectVector(combinedPMI(9000.0, kVehiclePMI, {}), kVehiclePMI);
    expectVector(combinedCrossSections(kVehicleCS, kStackedAlongZ, {}), kVehicleCS);
}

TEST(VehicleCaps, PayloadMomentsAreShiftedToTheCarriersOriginAndMassWeighted) {
    // 3000 kg carrier, 1000 kg payload 10 m up the carrier's z axis.
    const VECTOR3 pmi = combinedPMI(3000.0, kVehiclePMI, {payloadAt(_V(0, 0, 10))});
    expectVector(pmi,
                 _V((3000 * 20.0 + 1000 * (1.0 + 100)) / 4000,
                    (3000 * 20.0 + 1000 * (2.0 + 100)) / 4000, (3000 * 5.0 + 1000 * 3.0) / 4000));
}

TEST(VehicleCaps, TurnedPayloadShowsItsMomentsAndAreasOnTheTurnedAxes) {
    const PayloadBody turned = payloadAt(_V(0, 0, 0), kTurnedAboutX);
    expectVector(combinedPMI(0.0, kVehiclePMI, {turned}), _V(1.0, 3.0, 2.0));
    expectVector(combinedCrossSections(_V(0, 0, 0), _V(0, 0, 0), {turned}), _V(4.0, 6.0, 5.0));
}

TEST(VehicleCaps, InLineAreasTakeTheLargestAndSideAreasAdd) {
    const PayloadBody wide = {1000.0, _V(1, 1, 1), _V(4.0, 5.0, 60.0), {identity(), _V(0, 0, 10)}};
    const VECTOR3 cs =
        combinedCrossSections(kVehicleCS, kStackedAlongZ, {payloadAt(_V(0, 0, 10)), wide});
    expectVector(cs, _V(40.0 + 4.0 + 4.0, 40.0 + 5.0 + 5.0, 60.0));
}

}  // namespace
}  // namespace sim::payload
