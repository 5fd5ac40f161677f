// The core vessel of the Arvex launch vehicle: core stage, attached boosters, payload adapter,
// payload fairing, payloads held through the payload library, and the ascent flight computer.
//
// This is the one declaration of the class. The control MFD module is compiled against it and
// calls the own virtual operations through the object the host hands out, so the order of the
// virtual operations below is an interface between modules and must not change. The class is not
// final: a final class lets the compiler call its operations directly instead of through the
// virtual table, which the MFD module, not linked against this one, cannot do. The data members
// are plain fields shared by the files that implement the class, one file per subsystem.
#pragma once

#include <string>

#include "orbitersdk.h"
#include "payload_manager.h"

class FlightComputer;

// Not final: calls through an Arvex* to a final class are bound directly to the core module's
// functions, which another module cannot reach; they must go through the virtual table.
class Arvex : public VesselWithPM<Arvex, VESSEL3> {
  public:
    Arvex(OBJHANDLE hVessel, int flightModel);
    Arvex(const Arvex&) = delete;
    Arvex& operator=(const Arvex&) = delete;

    // Host callbacks, in the host's slot order.
    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkSaveState(FILEHANDLE scn) override;
    void clbkLoadStateEx(FILEHANDLE scn, void* status) override;
    void clbkPostCreation() override;
    void clbkPreStep(double simt, double simdt, double mjd) override;
    void clbkPostStep(double simt, double simdt, double mjd) override;
    void clbkVisualCreated(VISHANDLE vis, int refcount) override;
    void clbkVisualDestroyed(VISHANDLE vis, int refcount) override;
    int clbkConsumeBufferedKey(DWORD key, bool down, char* kstate) override;
    bool clbkLoadGenericCockpit() override;
    int clbkGeneric(int msgid, int prm, void* context) override;
    // The message to which clbkGeneric answers 1: other modules recognise a core vessel by it.
    static constexpr int kRecognitionMessage = 13097;

    // Own virtual operations: the command interface. Positions 35 to 53 of the virtual table
    // are called from the control MFD module; keep the order.
    virtual void JettisonFairing();
    virtual void CycleAccelLimit();
    virtual void ToggleAutopilot();
    virtual int GetGuidancePhase();
    virtual int GetAutopilotEngaged();
    virtual int GetMissionTime();                     // [s], truncated
    virtual void SetTargetApoapsis(double altitude);  // [m]
    virtual double GetTargetApoapsisKm();             // [km]
    virtual double GetAccelLimit();                   // [m/s^2]
    virtual void DetachLastPayload();
    virtual double GetApoapsisAltitude();           // [m]
    virtual double GetPeriapsisAltitude();          // [m]
    virtual double GetCurrentHeading();             // [deg]
    virtual double GetEstimatedInclination();       // [deg]
    virtual void SetTargetHeading(double heading);  // [deg]
    virtual double GetTargetHeading();              // [deg]
    virtual double GetPayloadMass();                // [kg]
    virtual double GetCorePropellant();             // [kg]
    virtual double GetBoosterPropellant();          // [kg]
    virtual double GetLaunchOffset();               // [m]
    virtual void ToggleFairingVisibility();
    // Virtual so that ovcExit may delete through Arvex*; declared after the command interface,
    // its entries come after every position another module calls.
    virtual ~Arvex();

    // Vehicle definition.
    void SetLaunchOffset(double offset);  // [m]
    void SetTouchdownPointsFromOffset();

    // Thrust-vector control: gimbals the main engines from the attitude input.
    void SteerMainEngines();

    // Boosters.
    void SetUpBoosters();
    void SeparateBoosters();
    void GroupRollThrusters();

    // Fairing and vessels created next to this one.
    void FitFairing(int number, bool force);
    void SpawnVessel(const char* className, const char* suffix, bool addVelocity, const VECTOR3& p,
                     const VECTOR3& v);
    void RotateSpawnedVessel(double angle);  // [deg], about the new vessel's own z axis

    // Changes the vessel's own empty mass (payloads excluded) by delta [kg].
    void ChangeOwnEmptyMass(double delta);

    // Propulsion.
    PROPELLANT_HANDLE coreTank = nullptr;
    PROPELLANT_HANDLE boosterTank = nullptr;  // null once the boosters have separated
    THRUSTER_HANDLE mainEngines[2] = {};      // [0] on the +x side, [1] on the -x side
    // 1 N thrusters whose levels are read as the pilot's attitude input: pitch-up, pitch-down,
    // yaw-right, yaw-left, bank-left, bank-right.
    THRUSTER_HANDLE attitudeSensors[6] = {};
    THRUSTER_HANDLE boosterEngine = nullptr;  // stands for all attached boosters
    THRUSTER_HANDLE rollThrusters[8] = {};
    THRUSTER_HANDLE groupScratch[5] = {};

    // Thrust-vector control.
    double pitchInput = 0.0;
    double pitchDeflection = 0.0;  // [rad]
    double yawInput = 0.0;
    double yawDeflection = 0.0;  // [rad]
    double bankInput = 0.0;
    double bankDeflection = 0.0;  // [rad]

    // Meshes and visuals.
    UINT coreMesh = 0;
    DEVMESHHANDLE coreDevMesh = nullptr;  // null while there is no visual
    UINT boosterMeshes[4] = {};
    UINT fairingMeshes[2] = {10, 11};
    UINT adapterMesh = 0;
    DWORD glowMaterial = 0;

    // Preferences data of the fitted fairing.
    char fairingSection[64] = {};
    char fairingMeshName[256] = {};
    char prefsPath[MAX_PATH] = {};
    char fairingMassText[64] = {};

    // Stage and configuration state.
    int boostersAttached = 1;
    int fairingAttached = 1;
    int fairingType = -1;  // 0: no fairing; -1 until the class configuration is read
    bool twoBoosterLayout = false;
    int vehicleMode = 0;
    bool hasAdapter = false;
    double launchOffset = 0.0;  // [m]
    double fairingMass = 0.0;   // [kg]
    int cameraForward = 1;
    double gimbalRange = 0.0;  // [rad]
    bool xrNotifyPending = true;

    // Effects.
    double coreVapourLevel = 0.0;
    double boosterVapourLevel = 0.0;
    float engineGlow = 0.0f;
    double boosterSmokeLevel = 0.0;
    UINT boosterAnim = 0;
    UINT fairingAnim = 0;
    VECTOR3 engineDir[2] = {};
    OBJHANDLE spawnedVessel = nullptr;
    VESSEL* spawnedVesselObj = nullptr;  // null when the host gave no interface
    PSTREAM_HANDLE coreVapourStream = nullptr;
    PSTREAM_HANDLE boosterVapourStreams[4] = {};
    PSTREAM_HANDLE boosterSmokeStreams[4] = {};

    // Ownership and the engine-glow material.
    FlightComputer* flightComputer = nullptr;  // owned
    MATERIAL glowMaterialSpec = {};
    std::string adapterMeshPath;

    // Module-wide data, shared by all core vessels of the module.
    static std::string modulePath;  // the module file, where the dialog template lives
    static SURFHANDLE smokeParticleTexture;
    static SURFHANDLE vapourParticleTexture;
    static SURFHANDLE keroseneExhaustTexture;
    static SURFHANDLE hydrogenExhaustTexture;
    static PARTICLESTREAMSPEC coreVapourSpec;
    static PARTICLESTREAMSPEC boosterSmokeSpec;
    static PARTICLESTREAMSPEC boosterExhaustSpec;
};
