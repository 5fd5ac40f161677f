// The moments of a flight the program reports and a script can wait for: the guidance's phases
// of the tracked core vessel, staging (vessels appearing of the booster and fairing classes),
// payload releases, and what the separated parts do afterwards.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "simulation.h"

namespace app {

struct EventType {
    std::string_view name;         // as the log prints it and a script names it
    std::string_view description;  // for --help and the documentation
};

inline constexpr std::array kEventTypes = {
    EventType{"autopilot on", "the followed core vessel's autopilot was engaged"},
    EventType{"liftoff",
              "the guidance lifted off (phase 1), or the followed vessel left the ground"},
    EventType{"roll program", "phase 1 above 50 m: the roll to the launch azimuth begins"},
    EventType{"pitch program", "phase 2: above 2000 m the pitch program begins"},
    EventType{"booster separation", "booster vessels appeared (class Arvex-LRB)"},
    EventType{"fairing jettison", "fairing halves appeared (class Arvex-Fairing)"},
    EventType{"MECO", "main engine cut-off at the target apoapsis; coast (phase 3)"},
    EventType{"circularisation", "at the apoapsis the circularisation burn begins (phase 4)"},
    EventType{"autopilot off", "the autopilot disengaged (end of phase 4, or by the pilot)"},
    EventType{"payload release", "a vessel that hung on another one flies free"},
    EventType{"booster parachute", "a booster's parachute begins to open"},
    EventType{"booster touchdown", "a booster came to rest on the ground"},
    EventType{"fairing half removed", "a fairing half removed itself"},
    EventType{"vessel created", "a vessel of another class appeared"},
    EventType{"vessel deleted", "a vessel of another class was removed"},
};

// The catalogue entry for a name: case, '-' and '_' do not matter ("autopilot-off", "meco").
const EventType* findEventType(std::string_view name);

// The ascent's milestones: what the report marks on its plots and pictures on its MFDs.
bool isMilestone(std::string_view eventName);

struct FlightEvent {
    std::string_view name;              // a kEventTypes name
    double time = 0.0;                  // simulation time [s]
    std::vector<std::string> subjects;  // the vessels concerned

    std::string subjectText() const;  // "Arvex1-LRB1, Arvex1-LRB2"
};

// Watches the simulation between frames and reports what happened since the last look.
class FlightWatcher {
  public:
    // `tracked` is the vessel whose guidance and ground contact are followed.
    FlightWatcher(sim::Simulation& simulation, std::string tracked);

    std::vector<FlightEvent> update();

  private:
    struct Known {
        std::string name;
        std::string className;
        bool attached = false;
        bool landed = false;
        bool parachute = false;
    };
    void watchGuidance(std::vector<FlightEvent>& events);
    void watchVessels(std::vector<FlightEvent>& events);
    void add(std::vector<FlightEvent>& events, std::string_view name, const std::string& subject);

    sim::Simulation& simulation_;
    std::string tracked_;
    std::optional<int> phase_;
    bool engaged_ = false;
    bool liftoffSeen_ = false;
    bool rollSeen_ = false;
    bool trackedLanded_ = false;
    std::map<OBJHANDLE, Known> known_;
};

}  // namespace app
