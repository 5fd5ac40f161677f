// The offset text of the core vessel's configuration dialog, through the host's dialog service
// with the real core module: the input is typed into the offset box and applied with "Set",
// which moves the vessel's touchdown points; the vessel then stands two frames on the pad and
// is saved.
#include "dialog/dialog_service.h"
#include "error.h"
#include "fuzz_home.h"

namespace {

constexpr double kFrame = 0.1;  // [s]
constexpr int kFrames = 2;
constexpr int kOffsetEdit = 1027;
constexpr int kSetButton = 1025;

constexpr char kScenario[] =
    "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 60310.5\nEND_ENVIRONMENT\n"
    "BEGIN_FOCUS\n  Ship Arvex1\nEND_FOCUS\n"
    "BEGIN_SHIPS\n"
    "Arvex1:Arvex/Arvex-Core\n  STATUS Landed Earth\n  POS -80.6041 28.6084\n  HEADING 90\n"
    "  PRPLEVEL 0:1 1:1\nEND\n"
    "END_SHIPS\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    auto simulation = fuzz::startSimulation();
    try {
        simulation->loadScenarioText(kScenario, "fuzz-dialog.scn");
        simulation->pressKey(OAPI_KEY_SPACE, {OAPI_KEY_LCONTROL});
        auto& dialogs = simulation->service<sim::dialog::DialogService>();
        const auto open = dialogs.openDialogs();
        if (open.empty()) fuzz::fail("Ctrl+Space opened no dialog", "");
        const HWND dialog = open.front()->handle();
        dialogs.typeText(dialog, kOffsetEdit, fuzz::asText(data, size));
        dialogs.pressButton(dialog, kSetButton);
        for (int i = 0; i < kFrames; ++i) simulation->step(kFrame);
        simulation->saveScenarioText();
    } catch (const sim::Error& e) {
        fuzz::fail("the dialog session failed", e.what());
    }
    return 0;
}
