// The typed input of the "Tessaron control" MFD, through the host's MFD service with the real
// plug-in and a real core vessel climbing under its autopilot: the input is typed into the
// apogee box and the heading box, the guidance flies a few frames towards those targets while
// the display shows them, and the same text is then typed into the launcher-name box.
#include "error.h"
#include "fuzz_home.h"
#include "ui/input_box.h"
#include "ui/mfd_service.h"

namespace {

constexpr double kFrame = 0.1;  // [s]
constexpr int kFrames = 3;
constexpr char kMode[] = "Tessaron control";

// Flight-data page buttons.
constexpr int kApogeeButton = 2;
constexpr int kHeadingButton = 3;
constexpr int kSelectPageButton = 11;
// Selection page buttons.
constexpr int kFirstEntryButton = 0;
constexpr int kNameButton = 5;

// A core vessel 60 km up in its pitch programme, boosters and fairing gone, autopilot engaged,
// and a booster that is not a launcher.
constexpr char kScenario[] =
    "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 60310.5\nEND_ENVIRONMENT\n"
    "BEGIN_FOCUS\n  Ship Arvex1\nEND_FOCUS\n"
    "BEGIN_SHIPS\n"
    "Arvex1:Arvex/Arvex-Core\n  STATUS Orbiting Earth\n  RPOS 6431000 0 0\n"
    "  RVEL 1200 0 2400\n  AROT 0 -60 0\n  PRPLEVEL 0:0.6 1:0.6\n"
    "  FC_Config 250000.000000 90.000000 1 1 35.000000\n  FC_State 2 150.000000 10.000000\n"
    "  LV_State 0 1 0.500000\n  Fairing 0 0\nEND\n"
    "Arvex1-LRB1:Arvex//Misc//Arvex-LRB\n  STATUS Orbiting Earth\n  RPOS 6400000 0 100\n"
    "  RVEL 800 0 1000\nEND\n"
    "END_SHIPS\n";

// Types the text into the box the button opens; a box that refuses it is closed by Escape.
void typeInto(sim::ui::MfdService& mfds, sim::ui::InputBoxService& box, int button,
              std::string_view text) {
    mfds.pressButton(MFD_LEFT, button);
    mfds.refresh();
    if (!box.isOpen()) return;
    if (!box.enter(text)) box.cancel();
    mfds.refresh();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    auto simulation = fuzz::startSimulation({"Arvex_MFD"});
    try {
        simulation->loadScenarioText(kScenario, "fuzz-mfd.scn");
        auto& mfds = simulation->service<sim::ui::MfdService>();
        auto& box = simulation->service<sim::ui::InputBoxService>();
        mfds.openMode(MFD_LEFT, kMode, *simulation->findVessel("Arvex1"));
        mfds.refresh();
        mfds.pressButton(MFD_LEFT, kFirstEntryButton);
        mfds.refresh();
        typeInto(mfds, box, kApogeeButton, text);
        typeInto(mfds, box, kHeadingButton, text);
        for (int i = 0; i < kFrames; ++i) simulation->step(kFrame);
        mfds.pressButton(MFD_LEFT, kSelectPageButton);
        mfds.refresh();
        typeInto(mfds, box, kNameButton, text);
        mfds.redraw(MFD_LEFT);
        simulation->saveScenarioText();
    } catch (const sim::Error& e) {
        fuzz::fail("the MFD session failed", e.what());
    }
    return 0;
}
