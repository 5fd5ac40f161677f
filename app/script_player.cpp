#include "script_player.h"

#include "error.h"
#include "script_verbs.h"

namespace app {

namespace {

// Times a frame is meant to reach exactly (at 12.3 with steps of 0.1) count as reached.
constexpr double kTimeTolerance = 1e-6;  // [s]

}  // namespace

ScriptPlayer::ScriptPlayer(Script script) : script_(std::move(script)) {
    for (const ScriptAction& action : script_.actions) {
        entries_.push_back({&action, action.trigger.at, false});
    }
}

void ScriptPlayer::eventHappened(const FlightEvent& event) {
    for (Entry& entry : entries_) {
        const ScriptTrigger& trigger = entry.action->trigger;
        if (!entry.due && trigger.after != nullptr && trigger.after->name == event.name) {
            entry.due = event.time + trigger.delay;
        }
    }
}

ScriptPlayer::Entry* ScriptPlayer::nextDue(double now) {
    Entry* next = nullptr;
    for (Entry& entry : entries_) {
        if (entry.done || !entry.due || *entry.due > now + kTimeTolerance) continue;
        if (next == nullptr || *entry.due < *next->due) next = &entry;
    }
    return next;
}

int ScriptPlayer::runDue(double now, ScriptHost& host) {
    int ran = 0;
    while (Entry* entry = nextDue(now)) {
        ++ran;
        entry->done = true;
        const ScriptAction& action = *entry->action;
        const ScriptVerb* verb = findScriptVerb(action.verb);
        try {
            verb->run(host, action.args);
        } catch (const sim::Error& e) {
            throw sim::Error(script_.file + ":" + std::to_string(action.line) + ": " + e.what());
        }
        if (action.verb == "stop") break;
    }
    return ran;
}

std::vector<const ScriptAction*> ScriptPlayer::unplayed() const {
    std::vector<const ScriptAction*> out;
    for (const Entry& entry : entries_) {
        if (!entry.done) out.push_back(entry.action);
    }
    return out;
}

}  // namespace app
