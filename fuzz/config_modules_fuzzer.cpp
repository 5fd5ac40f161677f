// Class configurations as the real host and modules read them: the input becomes the
// configuration of a vessel class of each of the four vessel modules in turn, read by the
// host's generic items and the module's clbkSetClassCaps. A vessel of the class is created on
// the pad, given a visual, staged by the pilot's keys, flown two frames and saved.
#include <array>

#include "error.h"
#include "fuzz_home.h"

namespace {

constexpr double kFrame = 0.1;  // [s]
constexpr int kFrames = 2;
const double kPadLongitude = -80.6041 * RAD;  // [rad]
const double kPadLatitude = 28.6084 * RAD;    // [rad]
const double kPadHeading = 90.0 * RAD;        // [rad]

// The module line comes first, so the fuzzed text can add items but never load a library
// from elsewhere (the first "Module" item wins).
constexpr std::array<const char*, 4> kModuleLines = {
    "Module = Arvex\\Arvex-Core\n", "Module = Arvex\\Arvex-EDS\n", "Module = Arvex\\Arvex-LRB\n",
    "Module = Arvex\\Arvex-Spent\n"};

// Staging and payload release: the keys the vessels answer to.
constexpr std::array<DWORD, 3> kPilotKeys = {OAPI_KEY_J, OAPI_KEY_K, OAPI_KEY_C};

void flyClass(const char* moduleLine, std::string_view items) {
    fuzz::Home::instance().write("Config/Fuzz/Fuzzed.cfg", moduleLine + std::string(items));
    auto simulation = fuzz::startSimulation();
    try {
        VESSELSTATUS pad{};
        pad.rbody = simulation->earth();
        pad.status = 1;
        pad.vdata[0] = _V(kPadLongitude, kPadLatitude, kPadHeading);
        sim::HostVessel& vessel = simulation->createVessel("Fuzzed", "Fuzz/Fuzzed", pad);
        simulation->createVisual(vessel);
        simulation->setFocus(&vessel);
        for (DWORD key : kPilotKeys) simulation->pressKey(key);
        for (int i = 0; i < kFrames; ++i) simulation->step(kFrame);
        simulation->saveScenarioText();
    } catch (const sim::Error&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    for (const char* moduleLine : kModuleLines) flyClass(moduleLine, fuzz::asText(data, size));
    return 0;
}
