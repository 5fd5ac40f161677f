// A small payload carrier for the payload library's tests, built as a module of its own. The
// tests reach its counters through the object the host returns, as other modules would.
#pragma once

#include "payload_manager.h"

class PayloadTestCarrier final : public VesselWithPM<PayloadTestCarrier, VESSEL3> {
  public:
    PayloadTestCarrier(OBJHANDLE hVessel, int flightModel);

    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkLoadStateEx(FILEHANDLE scn, void* status) override;

    void clbkPayloadsChanged() override { ++changeCount; }
    void clbkPayloadAttached(int /*index*/, OBJHANDLE /*payload*/) override { ++attachCount; }
    void clbkPayloadDetached(int /*index*/, OBJHANDLE payload) override {
        ++detachCount;
        lastDetached = payload;
    }

    int changeCount = 0;
    int attachCount = 0;
    int detachCount = 0;
    OBJHANDLE lastDetached = nullptr;
};

// What the carrier sets up, for the tests to compare with.
namespace test_carrier {
constexpr double kEmptyMass = 10000.0;                // [kg]
const VECTOR3 kPMI = {{20.0, 20.0, 5.0}};             // [m^2]
const VECTOR3 kCrossSections = {{40.0, 40.0, 10.0}};  // [m^2]
const VECTOR3 kInLineAxes = {{0.0, 0.0, 1.0}};
const VECTOR3 kAttachmentPosition = {{0.0, 0.0, 10.0}};  // [m]
const VECTOR3 kAttachmentDirection = {{0.0, 0.0, 1.0}};
const VECTOR3 kAttachmentRotation = {{0.0, 1.0, 0.0}};
constexpr double kDetachSpeed = 2.0;     // [m/s]
constexpr double kDetachInterval = 1.0;  // [s]
constexpr int kMaximumPayloads = 2;
constexpr double kCapsRefreshPeriod = 5.0;  // [s]
}  // namespace test_carrier
