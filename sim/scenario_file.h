// A scenario file split into its blocks: description, environment, focus, the ship list with
// each vessel's lines, and the blocks other parts of the host read (MFDs, camera, plug-ins).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct ScenarioLine {
    int number = 0;    // 1-based line number in the file
    std::string text;  // as in the file
};

struct ShipBlock {
    std::string name;
    std::string className;  // verbatim after the first ':' (the name when there is none)
    int headerLine = 0;
    std::vector<ScenarioLine> lines;  // between the header and "END", exclusive
};

struct ScenarioFile {
    std::string source;  // file name for messages
    std::vector<std::string> description;
    std::string system = "Sol";
    std::optional<double> mjd;
    std::string focus;
    std::vector<ShipBlock> ships;
    std::vector<std::vector<std::string>> otherBlocks;  // header line first, end line last

    // Throws sim::Error "<source>:<line>: <what is wrong>".
    static ScenarioFile parse(std::string_view text, const std::string& source);
};

}  // namespace sim
