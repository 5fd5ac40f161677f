#include "arvex_lrb.h"

#include <strings.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "aerodynamics.h"
#include "orbiter_module.h"
#include "parachute.h"

namespace {

// Airframe
const VECTOR3 kParachuteMeshOffset = {1.6, 0, -11.9};  // [m]
const VECTOR3 kTouchdownNose = {0, -2, 12};            // the booster comes to rest on its side [m]
const VECTOR3 kTouchdownLeft = {-1, -2, -1.5};         // [m]
const VECTOR3 kTouchdownRight = {1, -2, -1.5};         // [m]
const VECTOR3 kPMI = {115, 115, 2};                    // [m^2]
const VECTOR3 kCrossSections = {96, 96, 12.5};         // [m^2]
const VECTOR3 kRotDrag = {1.2, 1.2, 0.2};
constexpr double kSize = 60;         // mean radius [m]
constexpr double kClipRadius = 240;  // [m]

// Aerodynamics
const VECTOR3 kAirfoilRef = {0, 0, -12};  // centre of pressure [m]
constexpr double kAirfoilChord = 0;       // [m]
constexpr double kAirfoilArea = 6.12;     // [m^2]
constexpr double kAirfoilAspect = 1.0;
constexpr double kParachuteDragFactor = 275;         // drag area at full deployment [m^2]
const VECTOR3 kParachuteDragRef = {0, -0.25, -1.0};  // [m]

// Propulsion
constexpr double kMainTankCapacity = 300000;        // [kg]
constexpr double kMotorTankCapacity = 2;            // [kg]
constexpr double kIspRef = 0;                       // no pressure dependence
constexpr double kPressureRef = 101400;             // [Pa]
const VECTOR3 kMainEnginePosition = {0, 0, -15.5};  // [m]
const VECTOR3 kForward = {0, 0, 1};
const VECTOR3 kAft = {0, 0, -1};
constexpr double kMainThrust = 7500000;   // [N]
constexpr double kMainIsp = 3313.62;      // vacuum [m/s]
constexpr double kMainFlameLength = 10;   // [m]
constexpr double kMainFlameWidth = 0.75;  // [m]
const VECTOR3 kMainFlamePositions[] = {
    {0.806, -0.806, -15.5}, {-0.806, -0.806, -15.5}, {0.806, 0.806, -15.5}, {-0.806, 0.806, -15.5}};
const VECTOR3 kMainStreamPosition = {0, 0, -15.75};  // [m]

// Separation motors push along +x, away from the core.
const VECTOR3 kAwayFromCore = {1, 0, 0};
const VECTOR3 kAftMotorPosition = {0, 0, -8};       // [m]
const VECTOR3 kForwardMotorPosition = {0, 0, 7.5};  // [m]
constexpr double kAftMotorThrust = 2500;            // [N]
constexpr double kForwardMotorThrust = 5000;        // [N]
constexpr double kMotorIsp = 15000;                 // vacuum [m/s]
constexpr double kMotorFlameLength = 5;             // [m]
constexpr double kMotorFlameWidth = 0.125;          // [m]
constexpr double kMotorFlameX = 0.331;              // [m]
constexpr double kMotorFlameY = 2.175;              // [m]
const VECTOR3 kMotorFlameDirUp = {-0.468, 0.884, 0};
const VECTOR3 kMotorFlameDirDown = {-0.468, -0.884, 0};
constexpr double kAftMotorFlameZ[] = {-9.4, -9.9, -6.1, -6.6};  // [m]
constexpr double kForwardMotorFlameZ[] = {5.6, 6.1, 8.9, 9.4};  // [m]

constexpr char kParachuteKey[] = "Parachute";
constexpr std::size_t kParachuteKeyLength = sizeof kParachuteKey - 1;

SURFHANDLE smokeParticleTexture = nullptr;
SURFHANDLE keroseneExhaustTexture = nullptr;

PARTICLESTREAMSPEC exhaustStreamSpec = {
    0,      // flags
    3.5,    // srcsize [m]
    26.0,   // srcrate [1/s]
    200.0,  // v0 [m/s]
    0.05,   // srcspread
    1.0,    // lifetime [s]
    8.0,    // growthrate [m/s]
    10.0,   // atmslowdown
    PARTICLESTREAMSPEC::DIFFUSE,
    PARTICLESTREAMSPEC::LVL_PLIN,
    0.0,
    1.0,
    PARTICLESTREAMSPEC::ATM_PLOG,
    1e-5,
    0.1,
    nullptr,  // the texture is registered at load
};

// Registers the vehicle's four textures once, when the host loads the module, before any
// booster exists. The booster itself shows only the smoke and the kerosene flames.
struct TextureRegistration {
    TextureRegistration() {
        smokeParticleTexture = oapiRegisterParticleTexture("Arvex//lrb-particle-smoke");
        oapiRegisterParticleTexture("Arvex//maxq-particle");
        keroseneExhaustTexture = oapiRegisterExhaustTexture("Arvex//kero-exh");
        oapiRegisterExhaustTexture("Arvex//hydro-exh");
        exhaustStreamSpec.tex = smokeParticleTexture;
    }
};

const TextureRegistration textureRegistration;

// The parachute first stretches a hundredfold along z, then spreads a hundredfold across.
// The host keeps pointers to these, so they live as long as the module.
std::optional<MGROUP_SCALE> parachuteStretch;
std::optional<MGROUP_SCALE> parachuteSpread;
const VECTOR3 kParachuteScaleRef = {0, 0, 0};
const VECTOR3 kParachuteStretch = {1, 1, 100};
const VECTOR3 kParachuteSpread = {100, 100, 1};

}  // namespace

Arvex_LRB::Arvex_LRB(OBJHANDLE hVessel, int flightModel) : VESSEL3(hVessel, flightModel) {}

void Arvex_LRB::clbkSetClassCaps(FILEHANDLE) {
    parachuteMesh = AddMesh("Arvex\\arvex_lrb-parachute", &kParachuteMeshOffset);
    AddMesh("Arvex\\arvex_lrb");
    SetTouchdownPoints(kTouchdownNose, kTouchdownLeft, kTouchdownRight);
    SetPMI(kPMI);
    SetCrossSections(kCrossSections);
    SetRotDrag(kRotDrag);
    SetSize(kSize);
    SetClipRadius(kClipRadius);
    CreateAirfoil3(LIFT_HORIZONTAL, kAirfoilRef, BodyAirfoilCoeff, nullptr, kAirfoilChord,
                   kAirfoilArea, kAirfoilAspect);
    CreateVariableDragElement(&parachuteState, kParachuteDragFactor, kParachuteDragRef);
    mainTank = CreatePropellantResource(kMainTankCapacity, -1, 1.0);
    motorTank = CreatePropellantResource(kMotorTankCapacity, -1, 1.0);
    DefineMainEngine();
    DefineSeparationMotors();
}

// The booster engine is modelled only to show its flames and stream; nothing ever throttles it.
void Arvex_LRB::DefineMainEngine() {
    mainThruster = CreateThruster(kMainEnginePosition, kForward, kMainThrust, mainTank, kMainIsp,
                                  kIspRef, kPressureRef);
    for (const VECTOR3& pos : kMainFlamePositions) {
        AddExhaust(mainThruster, kMainFlameLength, kMainFlameWidth, pos, kAft,
                   keroseneExhaustTexture);
    }
    AddExhaustStream(mainThruster, kMainStreamPosition, &exhaustStreamSpec);
}

// Both motors burn from the 2 kg motor tank at 0.5 kg/s together, so they stop after 4 s.
void Arvex_LRB::DefineSeparationMotors() {
    const auto addFlames = [this](THRUSTER_HANDLE motor, const double(&flameZ)[4]) {
        for (double z : flameZ) {
            AddExhaust(motor, kMotorFlameLength, kMotorFlameWidth,
                       _V(kMotorFlameX, kMotorFlameY, z), kMotorFlameDirUp, keroseneExhaustTexture);
        }
        for (double z : flameZ) {
            AddExhaust(motor, kMotorFlameLength, kMotorFlameWidth,
                       _V(kMotorFlameX, -kMotorFlameY, z), kMotorFlameDirDown,
                       keroseneExhaustTexture);
        }
    };
    aftMotor = CreateThruster(kAftMotorPosition, kAwayFromCore, kAftMotorThrust, motorTank,
                              kMotorIsp, kIspRef, kPressureRef);
    addFlames(aftMotor, kAftMotorFlameZ);
    forwardMotor = CreateThruster(kForwardMotorPosition, kAwayFromCore, kForwardMotorThrust,
                                  motorTank, kMotorIsp, kIspRef, kPressureRef);
    addFlames(forwardMotor, kForwardMotorFlameZ);
    SetThrusterLevel(aftMotor, 1.0);
    SetThrusterLevel(forwardMotor, 1.0);
}

void Arvex_LRB::clbkPostCreation() {
    parachuteAnim = CreateAnimation(0.0);
    if (!parachuteStretch) {
        parachuteStretch.emplace(parachuteMesh, nullptr, 0, kParachuteScaleRef, kParachuteStretch);
        parachuteSpread.emplace(parachuteMesh, nullptr, 0, kParachuteScaleRef, kParachuteSpread);
    }
    AddAnimationComponent(parachuteAnim, 0.0, 0.5, &*parachuteStretch);
    AddAnimationComponent(parachuteAnim, 0.5, 1.0, &*parachuteSpread);
    SetAnimation(parachuteAnim, 1.0);
}

void Arvex_LRB::clbkPostStep(double, double simdt, double) {
    parachuteTarget = ParachuteTarget(GetAltitude(), parachuteTarget);
    parachuteState = MoveParachute(parachuteState, parachuteTarget, simdt);
    SetAnimation(parachuteAnim, parachuteState);
}

void Arvex_LRB::clbkLoadStateEx(FILEHANDLE scn, void* status) {
    char* line;
    while (oapiReadScenario_nextline(scn, line)) {
        if (strncasecmp(line, kParachuteKey, kParachuteKeyLength) == 0) {
            double state = parachuteState, target = parachuteTarget;
            std::sscanf(line + kParachuteKeyLength, "%lf %lf", &state, &target);
            // The state scales the drag element: one outside 0..1 is no deployment and drives its
            // force beyond any number, so it is unreadable and the field keeps what it held.
            if (state >= 0.0 && state <= 1.0) parachuteState = state;
            if (std::isfinite(target)) parachuteTarget = target;
        } else {
            ParseScenarioLineEx(line, status);
        }
    }
}

void Arvex_LRB::clbkSaveState(FILEHANDLE scn) {
    SaveDefaultState(scn);
    // Sized to the values: a 256-character line would cut an absurd value read from a
    // scenario (the target is never clamped) and the value after it.
    const char* const format = "%lf %lf";
    const int length = std::snprintf(nullptr, 0, format, parachuteState, parachuteTarget);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, parachuteState, parachuteTarget);
    oapiWriteScenario_string(scn, kParachuteKey, text.c_str());
}

// ---- module entry points ----

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel) {
    return new Arvex_LRB(hVessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<Arvex_LRB*>(vessel);
}
