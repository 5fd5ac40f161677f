// A script of pilot actions: one action per line, each at a simulation time or after a flight
// event, e.g.
//
//     at 0: mfd open left "Tessaron control" Arvex1
//     after autopilot off + 10: mfd button left PLD
//
// The format is described in docs/script.md.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "flight_events.h"

namespace app {

struct ScriptTrigger {
    std::optional<double> at;          // simulation time [s]
    const EventType* after = nullptr;  // or the first occurrence of this event ...
    double delay = 0.0;                // ... plus this much [s]
};

struct ScriptAction {
    int line = 0;  // in the script file, from 1
    ScriptTrigger trigger;
    std::string verb;               // "key", "mfd button", ...
    std::vector<std::string> args;  // quotes removed
};

struct Script {
    std::string file;  // as named on the command line, for messages
    std::vector<ScriptAction> actions;
};

// Both throw sim::Error "<file>:<line>: <what>" for the first fault found, naming the file as
// `name` or `file` gives it.
Script readScript(const std::filesystem::path& path, const std::string& name);
Script parseScript(std::string_view text, const std::string& file);

// Splits at blanks; "double quotes" keep blanks inside one word.
std::vector<std::string> splitWords(std::string_view text);

}  // namespace app
