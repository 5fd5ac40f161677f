// The preferences file as the real modules read it: the input is the file beside the
// simulator; the core vessel and the upper stage fit their configured fairing from it, the
// core's configuration dialog lists its fairings, fits the last one and the core jettisons it,
// and the spent halves fly with the mesh name the file gave.
#include "dialog/dialog_service.h"
#include "error.h"
#include "fuzz_home.h"

namespace {

constexpr double kFrame = 0.1;  // [s]
constexpr int kFrames = 2;
constexpr char kPrefsFile[] = "Arvex_Prefs.ini";
constexpr int kFairingList = 1021;   // the dialog's combo box
constexpr int kSelectButton = 1023;  // fits the fairing chosen in the list

constexpr char kScenario[] =
    "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 60310.5\nEND_ENVIRONMENT\n"
    "BEGIN_FOCUS\n  Ship Core\nEND_FOCUS\n"
    "BEGIN_SHIPS\n"
    "Core:Arvex/Arvex-Core\n  STATUS Landed Earth\n  POS -80.6041 28.6084\n  HEADING 90\nEND\n"
    "Stage:Arvex/Arvex-EDS\n  STATUS Orbiting Earth\n  RPOS 7000000 0 0\n  RVEL 0 0 7546\nEND\n"
    "END_SHIPS\n";

void fitAndJettisonFromDialog(sim::Simulation& simulation) {
    simulation.pressKey(OAPI_KEY_SPACE, {OAPI_KEY_LCONTROL});
    auto& dialogs = simulation.service<sim::dialog::DialogService>();
    const auto open = dialogs.openDialogs();
    if (open.empty()) return;
    const HWND dialog = open.front()->handle();
    const auto entries = dialogs.comboEntries(dialog, kFairingList);
    if (entries.empty()) fuzz::fail("the fairing list lost its \"No Fairing\" entry", "");
    dialogs.pickComboEntry(dialog, kFairingList, static_cast<int>(entries.size()) - 1);
    dialogs.pressButton(dialog, kSelectButton);
    simulation.pressKey(OAPI_KEY_K);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    fuzz::Home::instance().write(kPrefsFile, fuzz::asText(data, size));
    auto simulation = fuzz::startSimulation();
    try {
        simulation->loadScenarioText(kScenario, "fuzz-prefs.scn");
        fitAndJettisonFromDialog(*simulation);
        simulation->setFocus(simulation->findVessel("Stage"));
        simulation->pressKey(OAPI_KEY_K);
        for (int i = 0; i < kFrames; ++i) simulation->step(kFrame);
        simulation->saveScenarioText();
    } catch (const sim::Error& e) {
        fuzz::fail("the fixed scenario does not fly with these preferences", e.what());
    }
    return 0;
}
