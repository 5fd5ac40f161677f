// A payload vessel offering the XR vessel control interface: its module exports the flag
// "XRVesselCtrlFlag", and its class has eight own virtual operations after the host's
// callbacks and the XR operation ninth, at position 43. Every operation counts its calls, so a
// test sees which position the core vessel called.
#include "orbitersdk.h"

namespace {

int callCounts[9] = {};

class XrTestPayload final : public VESSEL3 {
  public:
    using VESSEL3::VESSEL3;

    void clbkSetClassCaps(FILEHANDLE) override {
        SetEmptyMass(2000.0);
        CreateAttachment(true, _V(0, 0, -1), _V(0, 0, -1), _V(0, 1, 0), "XR");  // hangs by its tail
    }

    virtual void Own0() { ++callCounts[0]; }
    virtual void Own1() { ++callCounts[1]; }
    virtual void Own2() { ++callCounts[2]; }
    virtual void Own3() { ++callCounts[3]; }
    virtual void Own4() { ++callCounts[4]; }
    virtual void Own5() { ++callCounts[5]; }
    virtual void Own6() { ++callCounts[6]; }
    virtual void Own7() { ++callCounts[7]; }
    virtual void TakeXrControl() { ++callCounts[8]; }
};

}  // namespace

// Set by default; a test clears it to see the payload skipped.
DLLCLBK char XRVesselCtrlFlag;
char XRVesselCtrlFlag = 1;

// Calls of the nine own operations, in declaration order.
DLLCLBK const int* XrTestPayloadCallCounts() {
    return callCounts;
}

DLLCLBK VESSEL* ovcInit(OBJHANDLE vessel, int flightModel) {
    return new XrTestPayload(vessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<XrTestPayload*>(vessel);
}
