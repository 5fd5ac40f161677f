// The Arvex upper stage: one main engine and six attitude thrusters fed from one tank, up to
// twelve payloads held through the payload library, a two-half payload fairing and an optional
// payload adapter. Its fairing mechanics are the core vessel's, with the stage's own values.
#pragma once

#include <string>

#include "fairing.h"
#include "orbitersdk.h"
#include "payload_manager.h"

class EDS final : public VesselWithPM<EDS, VESSEL3> {
  public:
    EDS(OBJHANDLE hVessel, int flightModel);
    EDS(const EDS&) = delete;
    EDS& operator=(const EDS&) = delete;

    // Host callbacks, in the host's slot order.
    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkSaveState(FILEHANDLE scn) override;
    void clbkLoadStateEx(FILEHANDLE scn, void* status) override;
    void clbkPostCreation() override;
    void clbkPostStep(double simt, double simdt, double mjd) override;
    void clbkVisualCreated(VISHANDLE vis, int refcount) override;
    void clbkVisualDestroyed(VISHANDLE vis, int refcount) override;
    int clbkConsumeBufferedKey(DWORD key, bool down, char* kstate) override;

    // Own virtual operation, after the host's callbacks.
    virtual void JettisonFairing();

  private:
    void DefineAirframe();
    void DefineMainEngine();
    void DefinePayloadHandling();
    void DefineAttitudeThrusters();
    void SetUpFairingAnimation();
    void AddAdapter();
    void UpdateNozzleGlow(double simdt);
    void ReleaseLastPayload();
    staging::FairingCarrier Fairing();

    PROPELLANT_HANDLE propellant = nullptr;  // the one tank, feeding every thruster
    THRUSTER_HANDLE mainEngine = nullptr;
    THRUSTER_HANDLE attitudeThrusters[6] = {};
    UINT mainMesh = 0;
    DEVMESHHANDLE devMesh = nullptr;  // the main mesh in the current visual
    UINT fairingMeshes[2] = {1, 2};   // slots of the two fairing halves
    UINT adapterMesh = 0;
    std::string adapterMeshName;
    bool hasAdapter = false;
    int fairingType = -1;      // fairing number, 0 none; the class configuration sets it
    int fairingAttached = 1;   // 1 while the fairing is on the stage
    double fairingMass = 0.0;  // [kg] of the fitted fairing, counted in the empty mass
    float engineGlow = 0.0f;   // nozzle glow 0..1
    MATERIAL nozzleMaterial = {};

    // The fitted fairing as read from the preferences file.
    char prefsPath[MAX_PATH] = {};
    char fairingSection[64] = {};
    char fairingMeshName[256] = {};
    char fairingMassText[64] = {};
    OBJHANDLE spawnedVessel = nullptr;  // the fairing half created last
    VESSEL* spawnedVesselObj = nullptr;
};
