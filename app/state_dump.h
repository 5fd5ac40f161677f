// The JSON state dump: every vessel's host-side state at one moment, as documented in
// docs/state-dump.md.
#pragma once

#include <nlohmann/json.hpp>

#include "simulation.h"

namespace app {

nlohmann::json stateDump(sim::Simulation& simulation);

}  // namespace app
