// A vessel module that reports what the host shows it inside the frame. Its physical
// definition is left to the tests, which build it through the vessel interface.
#include "orbitersdk.h"
#include "probe_log.h"

namespace {

class Probe final : public VESSEL3 {
  public:
    Probe(OBJHANDLE hVessel, int flightmodel) : VESSEL3(hVessel, flightmodel) {}

    void clbkPreStep(double, double, double) override {
        GetGlobalPos(log.pre_pos);
        log.pre_altitude = GetAltitude();
    }

    void clbkPostStep(double, double, double) override {
        GetGlobalPos(log.post_pos);
        VESSELSTATUS vs;
        GetStatus(vs);
        log.post_status_rpos = vs.rpos;
        log.post_altitude = GetAltitude();
        log.post_pitch = GetPitch();
        log.post_mass = GetMass();
        log.post_contact = GroundContact();
        if (log.spin_in_post_step) {
            SetAngularVel(log.spin);
            log.spin_in_post_step = false;
        }
    }

    ProbeLog log;
};

}  // namespace

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightmodel) {
    return new Probe(hVessel, flightmodel);
}
DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<Probe*>(vessel);
}
DLLCLBK ProbeLog* ProbeLogOf(VESSEL* vessel) {
    return &static_cast<Probe*>(vessel)->log;
}
