#include "empty_mass.h"

#include "payload_manager.h"

namespace staging {

void ChangeOwnEmptyMass(VESSEL& carrier, double delta) {
    carrier.SetEmptyMass(carrier.GetEmptyMass() - PayloadManager::GetTotalPayloadsMass(&carrier) +
                         delta);
    PayloadManager::VehicleEmptyMassWasChanged(&carrier);
}

}  // namespace staging
