// The class configuration items the host itself reads after clbkSetClassCaps; present items
// override what the module set. They also make up the whole definition of a plain vessel.
#pragma once

namespace sim {

class ConfigFile;
class HostVessel;

void applyGenericConfig(HostVessel& vessel, const ConfigFile& config);

}  // namespace sim
