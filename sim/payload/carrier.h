// One carrier registered with the payload library: its settings, the payloads attached to it,
// the payloads its scenario named that are still to be attached, and the payload mass counted
// in its empty mass.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "physics/attachment_pose.h"
#include "payload_line.h"
#include "payload_manager.h"
#include "vehicle_caps.h"

namespace sim::payload {

using physics::AttachmentFrame;

struct CarrierSettings {
    AttachmentFrame attachment{_V(0, 0, 0), _V(0, 0, 1), _V(0, 1, 0)};
    double detachSpeed = 0.0;     // [m/s]
    double detachInterval = 0.0;  // [s]
    bool sendFocus = false;
    int maximumPayloads = 1;
    double capsRefreshPeriod = 0.0;  // [s]
};

class Carrier {
  public:
    Carrier(VESSEL& vessel, PayloadManagerCallbacks& callbacks);
    Carrier(const Carrier&) = delete;
    Carrier& operator=(const Carrier&) = delete;

    CarrierSettings& settings() { return settings_; }
    // Moves the attachment points of the payloads aboard, and so the payloads, too.
    void setAttachmentPoint(const AttachmentFrame& point);
    void setVehiclePMI(const VECTOR3& pmi);
    void setVehicleCS(const VECTOR3& cs, const VECTOR3& inLineAxes);

    // A payload line names a payload to attach at the next pre-step (when every vessel of the
    // scenario exists). A malformed line, an unknown class, a payload named twice or one
    // payload too many fail the scenario load.
    bool loadLine(std::string_view line);
    void save(FILEHANDLE scn);
    void preStep();
    void postStep(double simdt);

    // The carrier set its empty mass without payloads.
    void vehicleEmptyMassChanged();
    double countedPayloadMass() const { return countedMass_; }
    int payloadCount();
    OBJHANDLE payload(int index);
    bool detach(int index, double simt);

    void definePMI() const;
    void defineCS() const;

  private:
    struct Payload {
        PayloadEntry entry;
        ATTACHMENTHANDLE slot = nullptr;          // the carrier's attachment point for it
        OBJHANDLE handle = nullptr;               // null until attached
        ATTACHMENTHANDLE payloadPoint = nullptr;  // the payload's point it hangs by
    };

    std::string where() const;
    std::string problemWith(const PayloadEntry& entry) const;  // empty if none
    void attach(Payload payload);
    OBJHANDLE findOrCreate(const PayloadEntry& entry) const;
    bool isLost(const Payload& payload) const;
    void dropLostPayloads();
    void countPayloadMasses();
    void refreshCaps();
    void payloadsChanged();
    std::vector<PayloadBody> payloadBodies() const;

    VESSEL& vessel_;
    PayloadManagerCallbacks& callbacks_;
    CarrierSettings settings_;
    std::optional<VECTOR3> vehiclePMI_;  // [m^2]
    std::optional<VECTOR3> vehicleCS_;   // [m^2]
    VECTOR3 inLineAxes_{};
    std::vector<Payload> attached_;
    std::vector<Payload> pending_;
    double countedMass_ = 0.0;              // payload mass in the carrier's empty mass [kg]
    std::optional<double> lastDetachTime_;  // [s]
    double sinceRefresh_ = 0.0;             // [s]
};

}  // namespace sim::payload
