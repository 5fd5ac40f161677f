// The one celestial body of the headless host's solar system: Earth.
#pragma once

#include "orbiter_api.h"

namespace sim {

inline constexpr const char* kEarthName = "Earth";

OBJHANDLE earthHandle();
bool isEarth(OBJHANDLE handle);

}  // namespace sim
