// A vessel that, in its first pre-step, creates as many fairing halves as its class's "Parts"
// item asks for, beside itself, and tells each its mesh: a whole fleet of spent parts born in
// one frame.
#include <cstdio>

#include "orbitersdk.h"

namespace {

constexpr char kPartClass[] = "Arvex//Misc//Arvex-Fairing";
constexpr char kPartMesh[] = "Arvex\\Fairings\\fairing-8m-standard";
constexpr int kMeshMessage = 12567;
constexpr double kSpacing = 20.0;  // between neighbouring parts [m]

class Spawner final : public VESSEL3 {
  public:
    Spawner(OBJHANDLE hVessel, int flightModel) : VESSEL3(hVessel, flightModel) {}

    void clbkSetClassCaps(FILEHANDLE cfg) override { oapiReadItem_int(cfg, "Parts", parts_); }

    void clbkPreStep(double, double, double) override {
        if (spawned_) return;
        spawned_ = true;
        VESSELSTATUS status;
        GetStatus(status);
        const VECTOR3 centre = status.rpos;
        for (int i = 0; i < parts_; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "Part%d", i);
            status.rpos = centre + _V(0.0, kSpacing * (i + 1), 0.0);
            OBJHANDLE part = oapiCreateVessel(name, kPartClass, status);
            VESSEL* object = part != nullptr ? oapiGetVesselInterface(part) : nullptr;
            if (object != nullptr && object->Version() >= 2) {
                static_cast<VESSEL3*>(object)->clbkGeneric(kMeshMessage, 0,
                                                           const_cast<char*>(kPartMesh));
            }
        }
    }

  private:
    int parts_ = 0;
    bool spawned_ = false;
};

}  // namespace

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel) {
    return new Spawner(hVessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<Spawner*>(vessel);
}
