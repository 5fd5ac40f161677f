#include "generic_config.h"

#include <string>

#include "config_file.h"
#include "host_vessel.h"

namespace sim {

namespace {

VECTOR3 vec(const std::vector<double>& n, std::size_t first = 0) {
    return _V(n[first], n[first + 1], n[first + 2]);
}

void readPropellantResources(HostVessel& vessel, const ConfigFile& config) {
    for (int i = 1;; ++i) {
        const auto value = config.find("PropellantResource" + std::to_string(i));
        if (!value) break;
        double maxMass = 0.0, efficiency = 1.0;
        if (std::sscanf(value->c_str(), "%lf %lf", &maxMass, &efficiency) < 1) break;
        auto tank = std::make_unique<TankRecord>();
        tank->maxMass = tank->mass = maxMass;
        tank->efficiency = efficiency;
        vessel.tanks.push_back(std::move(tank));
    }
    if (const auto maxFuel = config.readFloat("MaxFuel")) {
        if (TankRecord* tank = vessel.defaultTank()) {
            tank->maxMass = tank->mass = *maxFuel;
        } else {
            auto created = std::make_unique<TankRecord>();
            created->maxMass = created->mass = *maxFuel;
            vessel.tanks.push_back(std::move(created));
        }
    }
}

}  // namespace

void applyGenericConfig(HostVessel& vessel, const ConfigFile& config) {
    if (const auto v = config.readFloat("Size")) vessel.size = *v;
    if (const auto v = config.readFloat("ClipRadius")) vessel.clipRadius = *v;
    if (const auto v = config.readFloat("Mass")) vessel.emptyMass = *v;
    if (const auto v = config.readFloat("Isp")) vessel.defaultIsp = *v;
    if (const auto v = config.readBool("EnableFocus")) vessel.focusEnabled = *v;
    if (const auto n = config.readNumbers("Inertia", 3)) {
        vessel.pmi = vec(*n);
        vessel.pmiSet = true;
    }
    if (const auto n = config.readNumbers("CrossSections", 3)) vessel.crossSections = vec(*n);
    if (const auto n = config.readNumbers("RotResistance", 3)) vessel.rotDrag = vec(*n);
    if (const auto n = config.readNumbers("CameraOffset", 3)) vessel.cameraOffset = vec(*n);
    if (const auto n = config.readNumbers("CW", 4))
        vessel.cw = {(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
    if (const auto n = config.readNumbers("TouchdownPoints", 9)) {
        vessel.setThreePointTouchdown(vec(*n, 0), vec(*n, 3), vec(*n, 6));
    }
    if (const auto mesh = config.readString("MeshName")) {
        MeshSlot slot;
        slot.used = true;
        slot.name = *mesh;
        vessel.meshes.push_back(slot);
    }
    readPropellantResources(vessel, config);
}

}  // namespace sim
