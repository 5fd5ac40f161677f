// The scenario reader, fed through the real host with the real modules: the input is loaded as
// a scenario file, so the host's block and default-line parsers and every module's own line
// parser read it; the vessels it makes fly two frames and are saved, and what the host saved
// must load again. Text that is not a scenario at all is refused before a simulation starts.

#include "error.h"
#include "fuzz_home.h"
#include "scenario_file.h"

namespace {

constexpr double kFrame = 0.1;  // [s]
constexpr int kFrames = 2;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    try {
        sim::ScenarioFile::parse(text, "fuzz.scn");
    } catch (const sim::Error&) {
        return 0;
    }
    std::string saved;
    {
        auto simulation = fuzz::startSimulation();
        try {
            simulation->loadScenarioText(text, "fuzz.scn");
            for (int i = 0; i < kFrames; ++i) simulation->step(kFrame);
            saved = simulation->saveScenarioText();
        } catch (const sim::Error&) {
            return 0;  // bad input, reported as such
        }
    }
    auto reloaded = fuzz::startSimulation();
    try {
        reloaded->loadScenarioText(saved, "saved.scn");
    } catch (const sim::Error& e) {
        fuzz::fail(std::string("a scenario the host saved does not load again: ") + e.what(),
                   saved);
    }
    return 0;
}
