// What a script's actions need from the run that plays them, besides the simulation itself.
#pragma once

#include <string>

#include "simulation.h"

namespace app {

class ScriptHost {
  public:
    virtual ~ScriptHost() = default;
    virtual sim::Simulation& simulation() = 0;
    // Files named in a script: the scenario, the state dump, an MFD picture (display id).
    virtual void saveScenario(const std::string& file) = 0;
    virtual void writeState(const std::string& file) = 0;
    virtual void snapshot(int display, const std::string& name) = 0;
    virtual void setTimeAcceleration(double warp) = 0;
    virtual void stop() = 0;
};

}  // namespace app
