// The program's script actions: the input is read as a script of pilot actions; when it
// parses, its actions are played one after the other, a frame apart, against the launch
// scenario flown by the real modules with the control MFD loaded. Files a script names
// are not written: only what the host would write is produced.
#include "error.h"
#include "fuzz_home.h"
#include "script.h"
#include "script_host.h"
#include "script_verbs.h"
#include "ui/mfd_service.h"

namespace {

constexpr double kFrame = 0.1;           // [s]
constexpr std::size_t kMaxActions = 64;  // played per input, to keep each input short

class FuzzScriptHost : public app::ScriptHost {
  public:
    explicit FuzzScriptHost(sim::Simulation& simulation) : simulation_(simulation) {}

    sim::Simulation& simulation() override { return simulation_; }
    void saveScenario(const std::string&) override { simulation_.saveScenarioText(); }
    void writeState(const std::string&) override {}
    void snapshot(int display, const std::string&) override {
        simulation_.service<sim::ui::MfdService>().redraw(display);
    }
    void setTimeAcceleration(double warp) override { simulation_.setTimeAcceleration(warp); }
    void stop() override { stopped = true; }

    bool stopped = false;

  private:
    sim::Simulation& simulation_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    app::Script script;
    try {
        script = app::parseScript(fuzz::asText(data, size), "fuzz.script");
    } catch (const sim::Error&) {
        return 0;
    }
    auto simulation = fuzz::startSimulation({"Arvex_MFD"});
    simulation->loadScenario(fuzz::Home::instance().tree() / "Scenarios" / "Arvex launch.scn");
    FuzzScriptHost host(*simulation);
    std::size_t played = 0;
    for (const app::ScriptAction& action : script.actions) {
        if (host.stopped || ++played > kMaxActions) break;
        try {
            app::findScriptVerb(action.verb)->run(host, action.args);
            simulation->step(kFrame);
        } catch (const sim::Error&) {
        }
    }
    return 0;
}
