// Module-wide data of the core vessel module: the textures registered when the module is loaded
// and the particle-stream specs that refer to them, shared by every core vessel.
#include "arvex.h"

std::string Arvex::modulePath;
SURFHANDLE Arvex::smokeParticleTexture = nullptr;
SURFHANDLE Arvex::vapourParticleTexture = nullptr;
SURFHANDLE Arvex::keroseneExhaustTexture = nullptr;
SURFHANDLE Arvex::hydrogenExhaustTexture = nullptr;

// Shock vapour around Mach 1, on the core and on the boosters.
PARTICLESTREAMSPEC Arvex::coreVapourSpec = {
    0,     // flags
    4.0,   // srcsize [m]
    36.0,  // srcrate [1/s]
    10.0,  // v0 [m/s]
    0.04,  // srcspread
    0.15,  // lifetime [s]
    20.0,  // growthrate [m/s]
    4.0,   // atmslowdown
    PARTICLESTREAMSPEC::EMISSIVE,
    PARTICLESTREAMSPEC::LVL_LIN,
    0.5,
    0.8,
    PARTICLESTREAMSPEC::ATM_FLAT,
    1.0,
    1.0,
    nullptr,  // the texture is registered at load
};

// Smoke trails of the attached boosters.
PARTICLESTREAMSPEC Arvex::boosterSmokeSpec = {
    0,      // flags
    6.0,    // srcsize [m]
    26.0,   // srcrate [1/s]
    200.0,  // v0 [m/s]
    0.05,   // srcspread
    25.0,   // lifetime [s]
    16.0,   // growthrate [m/s]
    10.0,   // atmslowdown
    PARTICLESTREAMSPEC::DIFFUSE,
    PARTICLESTREAMSPEC::LVL_PSQRT,
    0.0,
    0.9,
    PARTICLESTREAMSPEC::ATM_PLIN,
    0.2,
    0.7,
    nullptr,
};

// Exhaust streams of the attached boosters.
PARTICLESTREAMSPEC Arvex::boosterExhaustSpec = {
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
    nullptr,
};

namespace {

// Registers the textures once, when the host loads the module, before any vessel exists.
struct TextureRegistration {
    TextureRegistration() {
        Arvex::smokeParticleTexture = oapiRegisterParticleTexture("Arvex//lrb-particle-smoke");
        Arvex::vapourParticleTexture = oapiRegisterParticleTexture("Arvex//maxq-particle");
        Arvex::keroseneExhaustTexture = oapiRegisterExhaustTexture("Arvex//kero-exh");
        Arvex::hydrogenExhaustTexture = oapiRegisterExhaustTexture("Arvex//hydro-exh");
        Arvex::boosterSmokeSpec.tex = Arvex::smokeParticleTexture;
        Arvex::boosterExhaustSpec.tex = Arvex::smokeParticleTexture;
        Arvex::coreVapourSpec.tex = Arvex::vapourParticleTexture;
    }
};

const TextureRegistration textureRegistration;

}  // namespace
