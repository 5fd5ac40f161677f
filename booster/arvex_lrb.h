// A liquid rocket booster after it has left the core vessel: it pushes itself clear with two
// separation motors and opens its parachute in two stages on the way down.
#pragma once

#include "orbitersdk.h"

class Arvex_LRB final : public VESSEL3 {
  public:
    Arvex_LRB(OBJHANDLE hVessel, int flightModel);

    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkSaveState(FILEHANDLE scn) override;
    void clbkLoadStateEx(FILEHANDLE scn, void* status) override;
    void clbkPostCreation() override;
    void clbkPostStep(double simt, double simdt, double mjd) override;

  private:
    void DefineMainEngine();
    void DefineSeparationMotors();

    PROPELLANT_HANDLE mainTank = nullptr;   // default resource: the core fills it at separation
    PROPELLANT_HANDLE motorTank = nullptr;  // separation-motor propellant
    THRUSTER_HANDLE mainThruster = nullptr;
    THRUSTER_HANDLE aftMotor = nullptr;
    THRUSTER_HANDLE forwardMotor = nullptr;
    UINT parachuteAnim = 0;
    double parachuteState = 0.0;   // 0 closed .. 1 fully open; also the drag element's variable
    double parachuteTarget = 0.0;  // state the parachute moves towards
    UINT parachuteMesh = 0;
};
