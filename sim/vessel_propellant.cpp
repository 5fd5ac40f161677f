// Propellant resources.
#include <algorithm>

#include "host_vessel.h"

PROPELLANT_HANDLE VESSEL::CreatePropellantResource(double maxmass, double mass,
                                                   double efficiency) const {
    auto tank = std::make_unique<sim::TankRecord>();
    tank->maxMass = maxmass;
    tank->mass = mass < 0.0 ? maxmass : mass;
    tank->efficiency = efficiency;
    tank->massAtStepStart = tank->mass;
    vessel->tanks.push_back(std::move(tank));
    return vessel->tanks.back().get();
}

void VESSEL::DelPropellantResource(PROPELLANT_HANDLE& ph) const {
    sim::TankRecord* tank = vessel->tank(ph);
    if (tank == nullptr) return;
    for (const auto& th : vessel->thrusters) {
        if (th->tank == tank) th->tank = nullptr;
    }
    if (vessel->explicitDefaultTank == tank) vessel->explicitDefaultTank = nullptr;
    std::erase_if(vessel->tanks, [&](const auto& t) { return t.get() == tank; });
    ph = nullptr;
}

void VESSEL::ClearPropellantResources() const {
    for (const auto& th : vessel->thrusters) th->tank = nullptr;
    vessel->explicitDefaultTank = nullptr;
    vessel->tanks.clear();
}

void VESSEL::SetDefaultPropellantResource(PROPELLANT_HANDLE ph) const {
    vessel->explicitDefaultTank = vessel->tank(ph);
}
PROPELLANT_HANDLE VESSEL::GetDefaultPropellantResource() const {
    return vessel->defaultTank();
}

PROPELLANT_HANDLE VESSEL::GetPropellantHandleByIndex(DWORD idx) const {
    return idx < vessel->tanks.size() ? vessel->tanks[idx].get() : nullptr;
}

DWORD VESSEL::GetPropellantCount() const {
    return static_cast<DWORD>(vessel->tanks.size());
}

void VESSEL::SetPropellantMass(PROPELLANT_HANDLE ph, double mass) const {
    if (sim::TankRecord* tank = vessel->tank(ph)) tank->mass = mass;
}

double VESSEL::GetPropellantMass(PROPELLANT_HANDLE ph) const {
    const sim::TankRecord* tank = vessel->tank(ph);
    return tank != nullptr ? tank->mass : 0.0;
}

void VESSEL::SetPropellantMaxMass(PROPELLANT_HANDLE ph, double maxmass) const {
    if (sim::TankRecord* tank = vessel->tank(ph)) {
        tank->maxMass = maxmass;
        tank->mass = std::min(tank->mass, maxmass);
    }
}

double VESSEL::GetPropellantMaxMass(PROPELLANT_HANDLE ph) const {
    const sim::TankRecord* tank = vessel->tank(ph);
    return tank != nullptr ? tank->maxMass : 0.0;
}

double VESSEL::GetPropellantEfficiency(PROPELLANT_HANDLE ph) const {
    const sim::TankRecord* tank = vessel->tank(ph);
    return tank != nullptr ? tank->efficiency : 0.0;
}

double VESSEL::GetPropellantFlowrate(PROPELLANT_HANDLE ph) const {
    const sim::TankRecord* tank = vessel->tank(ph);
    return tank != nullptr ? tank->flowRate : 0.0;
}

double VESSEL::GetTotalPropellantMass() const {
    return vessel->propellantMass();
}
double VESSEL::GetFuelMass() const {
    return GetPropellantMass(vessel->defaultTank());
}
double VESSEL::GetMaxFuelMass() const {
    return GetPropellantMaxMass(vessel->defaultTank());
}
