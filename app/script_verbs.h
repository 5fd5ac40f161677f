// The actions a script can take, with the number of words each expects. One table serves the
// parser (is the line well formed?) and the player (what does the line do?).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

class ScriptHost;

using ScriptArgs = std::vector<std::string>;

struct ScriptVerb {
    std::string_view name;  // one or two words: "key", "mfd button"
    std::string_view usage;
    std::size_t minArgs;
    std::size_t maxArgs;
    // Checks what can be checked before the flight (numbers, key names, display names);
    // throws sim::Error.
    void (*check)(const ScriptArgs& args);
    void (*run)(ScriptHost& host, const ScriptArgs& args);
};

const std::vector<ScriptVerb>& scriptVerbs();
const ScriptVerb* findScriptVerb(std::string_view name);

}  // namespace app
