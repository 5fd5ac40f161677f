// The own empty mass of a vessel that carries payloads. The payload library keeps the attached
// payloads' masses in the host's empty mass, so a change of the vessel's own mass goes around
// them and the library is told afterwards.
#pragma once

#include "orbitersdk.h"

namespace staging {

// Changes the own empty mass of the payload carrier by delta [kg].
void ChangeOwnEmptyMass(VESSEL& carrier, double delta);

}  // namespace staging
