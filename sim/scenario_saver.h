// The running simulation written as a scenario.
#pragma once

#include <string>

namespace sim {

class World;

// Description, environment (date of the current time), focus, the blocks kept from loading,
// then every vessel's block (clbkSaveState, or the default state for plain vessels).
std::string scenarioText(World& world);

}  // namespace sim
