#include "scenario_saver.h"

#include <algorithm>

#include "scenario_writer.h"
#include "text.h"
#include "vessel_load.h"
#include "world.h"

namespace sim {

namespace {

// The host writes the date with 10 decimals (about 10 µs).
constexpr int kDateDecimals = 10;

void writeVessel(HostVessel& vessel, ScenarioWriter& out) {
    out.line(vessel.name + ":" + vessel.className);
    if (VESSEL2* v2 = vessel.callbacks()) {
        v2->clbkSaveState(out.handle());
    } else {
        writeDefaultState(vessel, out.handle());
    }
    out.line("END");
}

}  // namespace

std::string scenarioText(World& world) {
    ScenarioWriter out;
    if (!world.description.empty()) {
        out.line("BEGIN_DESC");
        for (const std::string& line : world.description) out.line(line);
        out.line("END_DESC");
        out.line("");
    }
    out.line("BEGIN_ENVIRONMENT");
    out.item("System", world.system);
    out.item("Date", "MJD " + formatFixed(world.owner.mjd(), kDateDecimals));
    out.line("END_ENVIRONMENT");
    out.line("");
    if (world.focus != nullptr) {
        out.line("BEGIN_FOCUS");
        out.item("Ship", world.focus->name);
        out.line("END_FOCUS");
        out.line("");
    }
    for (const auto& [type, service] : world.services) service->saveBlocks(out.handle());
    for (const auto& block : world.otherBlocks) {
        const bool owned =
            std::any_of(world.services.begin(), world.services.end(),
                        [&](const auto& s) { return s.second->ownsBlock(block.front()); });
        if (owned) continue;
        for (const std::string& line : block) out.line(line);
        out.line("");
    }
    out.line("BEGIN_SHIPS");
    for (const auto& vessel : world.vessels) {
        if (!vessel->markedForDeletion) writeVessel(*vessel, out);
    }
    out.line("END_SHIPS");
    return out.text();
}

}  // namespace sim
