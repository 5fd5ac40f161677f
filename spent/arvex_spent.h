// A passive piece of hardware thrown off the launch vehicle (a fairing half, for instance).
// It shows the mesh its creator names and removes itself after its time or on impact.
#pragma once

#include <string>

#include "orbitersdk.h"

// Message by which a creator tells a new spent part which mesh to show: clbkGeneric with
// this id, parameter 0 and a zero-terminated mesh name as context.
constexpr int kMeshMessage = 12567;

class Arvex_spent final : public VESSEL3 {
  public:
    Arvex_spent(OBJHANDLE hVessel, int flightModel);

    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkSaveState(FILEHANDLE scn) override;
    void clbkLoadStateEx(FILEHANDLE scn, void* status) override;
    void clbkPostCreation() override;
    void clbkPostStep(double simt, double simdt, double mjd) override;
    int clbkGeneric(int msgid, int prm, void* context) override;

  private:
    void ShowMesh(const char* name);
    void DeleteSelf();

    int config = 0;          // 1 configured part (timed), 0 plain part (deleted on impact)
    double lifeTimer = 0.0;  // time the part has existed [s]
    std::string meshName;    // mesh shown by the part
    PROPELLANT_HANDLE kickTank = nullptr;
    THRUSTER_HANDLE kickThruster = nullptr;
};
