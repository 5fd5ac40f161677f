#include "carrier.h"

#include <algorithm>

#include "error.h"
#include "scenario_cursor.h"
#include "tree_paths.h"
#include "vessel_load.h"
#include "world.h"

namespace sim::payload {

namespace {

// Id of the carrier's payload attachment points (the host keeps at most 8 characters).
constexpr const char* kAttachmentId = "PAYLOAD";

VESSEL& interfaceOf(OBJHANDLE handle) {
    return *oapiGetVesselInterface(handle);
}

AttachmentFrame pointOf(const VESSEL& vessel, ATTACHMENTHANDLE attachment) {
    AttachmentFrame point{};
    vessel.GetAttachmentParams(attachment, point.pos, point.dir, point.rot);
    return point;
}

// A bad payload line fails the scenario load as any bad line of the vessel's block does: the
// host reports the first one with its file and line once the block is read, and frees the
// vessel. Outside a scenario load it is an error at once.
void rejectLine(const std::string& message) {
    World* w = activeWorld();
    if (w == nullptr || w->activeLoad == nullptr) throw Error(message);
    VesselLoad& load = *w->activeLoad;
    if (load.error.empty()) load.error = load.cursor->location() + ": " + message;
}

PayloadPose poseOn(const AttachmentFrame& carrierPoint, const AttachmentFrame& payloadPoint) {
    const MATRIX3 rotation = physics::AttachmentRotation(carrierPoint, payloadPoint);
    return {rotation, carrierPoint.pos - mul(rotation, payloadPoint.pos)};
}

}  // namespace

Carrier::Carrier(VESSEL& vessel, PayloadManagerCallbacks& callbacks)
    : vessel_(vessel), callbacks_(callbacks) {}

void Carrier::setAttachmentPoint(const AttachmentFrame& point) {
    settings_.attachment = point;
    for (const std::vector<Payload>* list : {&attached_, &pending_}) {
        for (const Payload& payload : *list) {
            vessel_.SetAttachmentParams(payload.slot, point.pos, point.dir, point.rot);
        }
    }
    if (!attached_.empty()) refreshCaps();
}

void Carrier::setVehiclePMI(const VECTOR3& pmi) {
    vehiclePMI_ = pmi;
    callbacks_.clbkVehiclePMIRequest();
}

void Carrier::setVehicleCS(const VECTOR3& cs, const VECTOR3& inLineAxes) {
    vehicleCS_ = cs;
    inLineAxes_ = inLineAxes;
    callbacks_.clbkVehicleCSRequest();
}

std::string Carrier::where() const {
    return "vessel \"" + std::string(vessel_.GetName()) + "\": ";
}

bool Carrier::loadLine(std::string_view line) {
    if (!isPayloadLine(line)) return false;
    const std::optional<PayloadEntry> entry = parsePayloadLine(line);
    const std::string problem = entry ? problemWith(*entry)
                                      : "payload line \"" + std::string(line) +
                                            "\" needs a class and a name: PAYLOAD <class> <name>";
    if (!problem.empty()) {
        rejectLine(where() + problem);
        return true;
    }
    const AttachmentFrame& p = settings_.attachment;
    pending_.push_back(
        {*entry, vessel_.CreateAttachment(false, p.pos, p.dir, p.rot, kAttachmentId)});
    return true;
}

std::string Carrier::problemWith(const PayloadEntry& entry) const {
    const std::string payload = "payload \"" + entry.name + "\"";
    if (static_cast<int>(attached_.size() + pending_.size()) >= settings_.maximumPayloads) {
        return payload + " is one too many: it carries at most " +
               std::to_string(settings_.maximumPayloads);
    }
    const auto sameName = [&](const Payload& p) { return p.entry.name == entry.name; };
    if (std::ranges::any_of(attached_, sameName) || std::ranges::any_of(pending_, sameName)) {
        return payload + " is named twice";
    }
    if (!findClassConfig(world().tree, entry.className)) {
        return payload + " has class \"" + entry.className + "\", which has no class configuration";
    }
    return {};
}

void Carrier::save(FILEHANDLE scn) {
    dropLostPayloads();
    for (const Payload& payload : attached_) {
        const VESSEL& v = interfaceOf(payload.handle);
        const std::string value = payloadLineValue({v.GetClassNameA(), v.GetName()});
        oapiWriteScenario_string(scn, kPayloadKey.data(), value.c_str());
    }
    for (const Payload& payload : pending_) {
        oapiWriteScenario_string(scn, kPayloadKey.data(), payloadLineValue(payload.entry).c_str());
    }
}

void Carrier::preStep() {
    if (!pending_.empty()) {
        std::vector<Payload> named;
        named.swap(pending_);
        for (Payload& payload : named) attach(std::move(payload));
        payloadsChanged();
    }
    dropLostPayloads();
}

void Carrier::postStep(double simdt) {
    sinceRefresh_ += simdt;
    if (sinceRefresh_ >= settings_.capsRefreshPeriod) refreshCaps();
}

OBJHANDLE Carrier::findOrCreate(const PayloadEntry& entry) const {
    // A payload saved by the host as a vessel of its own is already there.
    if (OBJHANDLE existing = oapiGetVesselByName(entry.name.c_str())) return existing;
    // Created free at the carrier; attaching it puts it in its place.
    VESSELSTATUS status;
    vessel_.GetStatus(status);
    status.status = 0;
    status.vrot = _V(0, 0, 0);
    return oapiCreateVessel(entry.name.c_str(), entry.className.c_str(), status);
}

void Carrier::attach(Payload payload) {
    const std::string what = where() + "payload \"" + payload.entry.name + "\"";
    payload.handle = findOrCreate(payload.entry);
    // The host has said why (a name a scenario cannot hold, a module that failed).
    if (payload.handle == nullptr) throw Error(what + " could not be created");
    if (payload.handle == vessel_.GetHandle()) throw Error(what + " is the carrier itself");
    // The payload's own point keeps it attached when a saved scenario is loaded again.
    const VESSEL& payloadVessel = interfaceOf(payload.handle);
    if (payloadVessel.AttachmentCount(true) == 0) {
        throw Error(what + " of class \"" + payloadVessel.GetClassNameA() +
                    "\" has no attachment point to hang on a carrier by");
    }
    payload.payloadPoint = payloadVessel.GetAttachmentHandle(true, 0);
    const bool alreadyThere = vessel_.GetAttachmentStatus(payload.slot) == payload.handle;
    if (!alreadyThere && !vessel_.AttachChild(payload.handle, payload.slot, payload.payloadPoint)) {
        throw Error(what + " cannot be attached");
    }
    attached_.push_back(std::move(payload));
    callbacks_.clbkPayloadAttached(static_cast<int>(attached_.size()) - 1, attached_.back().handle);
}

bool Carrier::isLost(const Payload& payload) const {
    return !oapiIsVessel(payload.handle) ||
           vessel_.GetAttachmentStatus(payload.slot) != payload.handle;
}

void Carrier::dropLostPayloads() {
    bool lostAny = false;
    for (auto it = attached_.begin(); it != attached_.end();) {
        if (isLost(*it)) {
            vessel_.DelAttachment(it->slot);
            it = attached_.erase(it);
            lostAny = true;
        } else {
            ++it;
        }
    }
    if (lostAny) payloadsChanged();
}

void Carrier::vehicleEmptyMassChanged() {
    countedMass_ = 0.0;
    refreshCaps();
}

void Carrier::countPayloadMasses() {
    const double ownMass = vessel_.GetEmptyMass() - countedMass_;
    countedMass_ = 0.0;
    for (const Payload& payload : attached_) countedMass_ += interfaceOf(payload.handle).GetMass();
    vessel_.SetEmptyMass(ownMass + countedMass_);
}

void Carrier::refreshCaps() {
    sinceRefresh_ = 0.0;
    countPayloadMasses();
    callbacks_.clbkVehiclePMIRequest();
    callbacks_.clbkVehicleCSRequest();
}

void Carrier::payloadsChanged() {
    refreshCaps();
    callbacks_.clbkPayloadsChanged();
}

int Carrier::payloadCount() {
    dropLostPayloads();
    return static_cast<int>(attached_.size());
}

OBJHANDLE Carrier::payload(int index) {
    dropLostPayloads();
    if (index < 0 || index >= static_cast<int>(attached_.size())) return nullptr;
    return attached_[index].handle;
}

bool Carrier::detach(int index, double simt) {
    dropLostPayloads();
    if (index < 0 || index >= static_cast<int>(attached_.size())) return false;
    if (lastDetachTime_ && simt - *lastDetachTime_ < settings_.detachInterval) return false;
    const Payload released = attached_[index];
    if (!vessel_.DetachChild(released.slot, settings_.detachSpeed)) return false;
    vessel_.DelAttachment(released.slot);
    attached_.erase(attached_.begin() + index);
    lastDetachTime_ = simt;
    callbacks_.clbkPayloadDetached(index, released.handle);
    payloadsChanged();
    if (settings_.sendFocus) oapiSetFocusObject(released.handle);
    return true;
}

std::vector<PayloadBody> Carrier::payloadBodies() const {
    std::vector<PayloadBody> bodies;
    for (const Payload& payload : attached_) {
        if (!oapiIsVessel(payload.handle)) continue;
        const VESSEL& v = interfaceOf(payload.handle);
        PayloadBody body{};
        body.mass = v.GetMass();
        v.GetPMI(body.pmi);
        v.GetCrossSections(body.cs);
        body.pose = poseOn(pointOf(vessel_, payload.slot), pointOf(v, payload.payloadPoint));
        bodies.push_back(body);
    }
    return bodies;
}

void Carrier::definePMI() const {
    if (!vehiclePMI_) return;
    const double vehicleMass = vessel_.GetMass() - countedMass_;
    vessel_.SetPMI(combinedPMI(vehicleMass, *vehiclePMI_, payloadBodies()));
}

void Carrier::defineCS() const {
    if (!vehicleCS_) return;
    vessel_.SetCrossSections(combinedCrossSections(*vehicleCS_, inLineAxes_, payloadBodies()));
}

}  // namespace sim::payload
