// The library's static operations: each finds the carrier's record and hands over to it.
#include "payload_manager.h"

#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "carrier.h"
#include "error.h"

namespace {

using sim::payload::AttachmentFrame;
using sim::payload::Carrier;

std::map<const VESSEL*, std::unique_ptr<Carrier>>& carriers() {
    static std::map<const VESSEL*, std::unique_ptr<Carrier>> registered;
    return registered;
}

// The carrier's record, or nullptr for a vessel that is not registered.
Carrier* find(const VESSEL* vessel) {
    const auto it = carriers().find(vessel);
    return it == carriers().end() ? nullptr : it->second.get();
}

bool isUnitVector(const VECTOR3& v) {
    return std::fabs(length(v) - 1.0) < 1e-6;
}

}  // namespace

void PayloadManager::init_pm(VESSEL* vessel, PayloadManagerCallbacks* callbacks,
                             int interfaceVersion, int vesselVersion) {
    const std::string where = "vessel '" + std::string(vessel->GetName()) + "': ";
    if (interfaceVersion != kInterfaceVersion || vesselVersion != kVesselVersion) {
        throw sim::Error(where + "payload library interface " + std::to_string(interfaceVersion) +
                         "/" + std::to_string(vesselVersion) + " requested, this library is " +
                         std::to_string(kInterfaceVersion) + "/" + std::to_string(kVesselVersion));
    }
    // A vessel registers while it is being built, so a record left at its address belongs to a
    // vessel that was freed without unregistering.
    carriers()[vessel] = std::make_unique<Carrier>(*vessel, *callbacks);
}

void PayloadManager::delete_pm(VESSEL* vessel) {
    carriers().erase(vessel);
}

bool PayloadManager::loadState(VESSEL* vessel, const char* line) {
    Carrier* carrier = find(vessel);
    return carrier && carrier->loadLine(line);
}

void PayloadManager::clbkSaveState(VESSEL* vessel, FILEHANDLE scn) {
    if (Carrier* carrier = find(vessel)) carrier->save(scn);
}

void PayloadManager::clbkPreStep(VESSEL* vessel, double /*simt*/, double /*simdt*/,
                                 double /*mjd*/) {
    if (Carrier* carrier = find(vessel)) carrier->preStep();
}

void PayloadManager::clbkPostStep(VESSEL* vessel, double /*simt*/, double simdt, double /*mjd*/) {
    if (Carrier* carrier = find(vessel)) carrier->postStep(simdt);
}

void PayloadManager::DefineScenarioEditorPage(HWND /*editor*/, OBJHANDLE /*vessel*/) {}

void PayloadManager::SetVehiclePMI(VESSEL* vessel, const VECTOR3& pmi) {
    if (Carrier* carrier = find(vessel)) carrier->setVehiclePMI(pmi);
}

void PayloadManager::SetVehicleCS(VESSEL* vessel, const VECTOR3& cs, const VECTOR3& inLineAxes) {
    if (Carrier* carrier = find(vessel)) carrier->setVehicleCS(cs, inLineAxes);
}

bool PayloadManager::SetDefaultAttachmentParams(VESSEL* vessel, const VECTOR3& pos,
                                                const VECTOR3& dir, const VECTOR3& rot) {
    Carrier* carrier = find(vessel);
    const bool usable = isUnitVector(dir) && isUnitVector(rot) && std::fabs(dotp(dir, rot)) < 1e-6;
    if (!carrier || !usable) return false;
    carrier->setAttachmentPoint(AttachmentFrame{pos, dir, rot});
    return true;
}

bool PayloadManager::SetDetachSpeed(VESSEL* vessel, double speed) {
    Carrier* carrier = find(vessel);
    if (!carrier || speed < 0.0) return false;
    carrier->settings().detachSpeed = speed;
    return true;
}

bool PayloadManager::SetDetachInterval(VESSEL* vessel, double interval) {
    Carrier* carrier = find(vessel);
    if (!carrier || interval < 0.0) return false;
    carrier->settings().detachInterval = interval;
    return true;
}

void PayloadManager::SetSendFocus(VESSEL* vessel, bool sendFocus) {
    if (Carrier* carrier = find(vessel)) carrier->settings().sendFocus = sendFocus;
}

void PayloadManager::SetMaximumPayloadsNumber(VESSEL* vessel, int maximum) {
    if (Carrier* carrier = find(vessel)) carrier->settings().maximumPayloads = maximum;
}

void PayloadManager::SetCapsRefreshPeriod(VESSEL* vessel, double period) {
    if (Carrier* carrier = find(vessel)) carrier->settings().capsRefreshPeriod = period;
}

void PayloadManager::VehicleEmptyMassWasChanged(VESSEL* vessel) {
    if (Carrier* carrier = find(vessel)) carrier->vehicleEmptyMassChanged();
}

double PayloadManager::GetTotalPayloadsMass(VESSEL* vessel) {
    const Carrier* carrier = find(vessel);
    return carrier ? carrier->countedPayloadMass() : 0.0;
}

int PayloadManager::GetPayloadsNumber(VESSEL* vessel) {
    Carrier* carrier = find(vessel);
    return carrier ? carrier->payloadCount() : 0;
}

OBJHANDLE PayloadManager::GetPayloadByIndex(VESSEL* vessel, int index) {
    Carrier* carrier = find(vessel);
    return carrier ? carrier->payload(index) : nullptr;
}

bool PayloadManager::DetachPayloadByIndex(VESSEL* vessel, int index) {
    Carrier* carrier = find(vessel);
    return carrier && carrier->detach(index, oapiGetSimTime());
}

void PayloadManager::DefineVehiclePMI(VESSEL* vessel) {
    if (const Carrier* carrier = find(vessel)) carrier->definePMI();
}

void PayloadManager::DefineVehicleCS(VESSEL* vessel) {
    if (const Carrier* carrier = find(vessel)) carrier->defineCS();
}
