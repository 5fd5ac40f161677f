// Test vessels of interface levels other than VESSEL3, built at the level VESSEL_LEVEL: 1 is a
// VESSEL2, which has no clbkGeneric at all; 3 is a VESSEL3 that claims a later level and
// answers every message, the core's probe included. The MFD must list neither.
#include "orbitersdk.h"

namespace {

#if VESSEL_LEVEL == 1
class LevelVessel final : public VESSEL2 {
  public:
    LevelVessel(OBJHANDLE vessel, int flightModel) : VESSEL2(vessel, flightModel) {}
};
#else
class LevelVessel final : public VESSEL3 {
  public:
    LevelVessel(OBJHANDLE vessel, int flightModel) : VESSEL3(vessel, flightModel) {
        version = VESSEL_LEVEL;
    }
    int clbkGeneric(int, int, void*) override { return 1; }
};
#endif

}  // namespace

DLLCLBK VESSEL* ovcInit(OBJHANDLE vessel, int flightModel) {
    return new LevelVessel(vessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<LevelVessel*>(vessel);
}
