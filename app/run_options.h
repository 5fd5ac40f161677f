// What `arvex-sim run` was asked to do. Paths are absolute: the program works inside the runtime
// tree, not in the folder it was started from.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace app {

struct RunOptions {
    std::string scenarioName;               // as given, for messages and the report title
    std::filesystem::path scenario;         // resolved
    std::filesystem::path tree;             // the runtime tree
    std::filesystem::path startFolder;      // where relative output names are resolved
    double fixedStep = 0.1;                 // frame length at time acceleration 1 [s]
    double runtime = 3600.0;                // simulation time to fly at most [s]
    std::optional<std::int64_t> maxFrames;  // frames to fly at most
    std::string until;                      // an event name ending the run, or empty
    std::string vessel;                     // the vessel to follow; empty: the focus vessel
    std::filesystem::path script;           // empty: none
    std::string scriptName;                 // as given, for messages
    std::filesystem::path save;             // scenario written at the end; empty: none
    std::filesystem::path state;            // JSON dump written at the end
    std::filesystem::path csv;              // telemetry written at the end
    double csvRate = 1.0;                   // telemetry samples per second of simulation time
    std::filesystem::path report;           // report folder
    bool trapFloatingPoint = false;
};

}  // namespace app
