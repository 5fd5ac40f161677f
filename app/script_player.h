// Plays a script during a run: actions at a time become due then; actions after an event become
// due when the event first happens, plus their delay. Due actions run between frames, earliest
// first, and in file order among equals.
#pragma once

#include <optional>
#include <vector>

#include "flight_events.h"
#include "script.h"
#include "script_host.h"

namespace app {

class ScriptPlayer {
  public:
    explicit ScriptPlayer(Script script);
    ScriptPlayer(const ScriptPlayer&) = delete;  // entries point into the script
    ScriptPlayer& operator=(const ScriptPlayer&) = delete;

    void eventHappened(const FlightEvent& event);
    // Runs the actions due at `now` [s], up to a "stop"; returns how many ran. A failing action
    // throws sim::Error "<file>:<line>: <what>".
    int runDue(double now, ScriptHost& host);
    // Actions that have not run, in file order.
    std::vector<const ScriptAction*> unplayed() const;
    const std::string& file() const { return script_.file; }

  private:
    struct Entry {
        const ScriptAction* action;
        std::optional<double> due;  // [s]
        bool done = false;
    };
    Entry* nextDue(double now);

    Script script_;
    std::vector<Entry> entries_;
};

}  // namespace app
