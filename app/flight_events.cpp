#include "flight_events.h"

#include <algorithm>

#include "launcher.h"
#include "text.h"

namespace app {

namespace {

constexpr double kRollProgramAltitude = 50.0;  // the guidance rolls above it in phase 1 [m]

enum class PartKind { Booster, FairingHalf, Other };

// The last component of a class name: "Arvex//Misc//Arvex-LRB" → "Arvex-LRB".
std::string_view classLeaf(std::string_view className) {
    while (!className.empty() && (className.back() == '/' || className.back() == '\\')) {
        className.remove_suffix(1);
    }
    const auto slash = className.find_last_of("/\\");
    return slash == std::string_view::npos ? className : className.substr(slash + 1);
}

PartKind kindOf(std::string_view className) {
    const std::string_view leaf = classLeaf(className);
    if (sim::text::equalsNoCase(leaf, "Arvex-LRB")) return PartKind::Booster;
    if (sim::text::equalsNoCase(leaf, "Arvex-Fairing")) return PartKind::FairingHalf;
    return PartKind::Other;
}

std::string normalisedEventName(std::string_view name) {
    std::string out = sim::text::toLower(sim::text::trim(name));
    std::replace(out.begin(), out.end(), '-', ' ');
    std::replace(out.begin(), out.end(), '_', ' ');
    return out;
}

// A variable drag element is how the booster's parachute reaches the host.
bool parachuteOpening(const sim::HostVessel& vessel) {
    return std::any_of(vessel.dragElements.begin(), vessel.dragElements.end(),
                       [](const sim::DragElementRecord& e) { return e.drag && *e.drag > 0.0; });
}

// The event names of the guidance phases entered.
constexpr std::array<std::string_view, 5> kPhaseEvents = {"", "liftoff", "pitch program", "MECO",
                                                          "circularisation"};

}  // namespace

bool isMilestone(std::string_view eventName) {
    for (std::string_view m : {"liftoff", "pitch program", "booster separation", "fairing jettison",
                               "MECO", "circularisation", "autopilot off", "payload release"}) {
        if (eventName == m) return true;
    }
    return false;
}

std::string FlightEvent::subjectText() const {
    std::string text;
    for (const std::string& s : subjects) text += (text.empty() ? "" : ", ") + s;
    return text;
}

const EventType* findEventType(std::string_view name) {
    const std::string wanted = normalisedEventName(name);
    for (const EventType& type : kEventTypes) {
        if (normalisedEventName(type.name) == wanted) return &type;
    }
    return nullptr;
}

FlightWatcher::FlightWatcher(sim::Simulation& simulation, std::string tracked)
    : simulation_(simulation), tracked_(std::move(tracked)) {
    // What the scenario starts with is the baseline, not news.
    std::vector<FlightEvent> ignored;
    watchVessels(ignored);
    if (const sim::HostVessel* vessel = simulation_.findVessel(tracked_)) {
        trackedLanded_ = vessel->body.landed;
        liftoffSeen_ = !trackedLanded_;
        if (auto guidance = readGuidance(*vessel)) {
            phase_ = guidance->phase;
            engaged_ = guidance->autopilotEngaged;
            liftoffSeen_ = liftoffSeen_ || guidance->phase > 0;
            rollSeen_ = guidance->phase > 1 || vessel->iface->GetAltitude() > kRollProgramAltitude;
        }
    }
}

std::vector<FlightEvent> FlightWatcher::update() {
    std::vector<FlightEvent> events;
    watchGuidance(events);
    watchVessels(events);
    return events;
}

void FlightWatcher::add(std::vector<FlightEvent>& events, std::string_view name,
                        const std::string& subject) {
    if (name == "liftoff") {
        if (liftoffSeen_) return;
        liftoffSeen_ = true;
    }
    // Parts that leave together are one event.
    auto same = std::find_if(events.begin(), events.end(),
                             [&](const FlightEvent& e) { return e.name == name; });
    if (same != events.end()) {
        same->subjects.push_back(subject);
        return;
    }
    events.push_back({findEventType(name)->name, simulation_.time(), {subject}});
}

void FlightWatcher::watchGuidance(std::vector<FlightEvent>& events) {
    const sim::HostVessel* vessel = simulation_.findVessel(tracked_);
    if (vessel == nullptr) return;
    if (trackedLanded_ && !vessel->body.landed) add(events, "liftoff", tracked_);
    trackedLanded_ = vessel->body.landed;

    const auto guidance = readGuidance(*vessel);
    if (!guidance) return;
    if (guidance->autopilotEngaged && !engaged_) add(events, "autopilot on", tracked_);
    for (int p = phase_.value_or(0) + 1; p <= guidance->phase; ++p) {
        add(events, kPhaseEvents[static_cast<std::size_t>(p)], tracked_);
    }
    if (guidance->phase == 1 && !rollSeen_ && vessel->iface->GetAltitude() > kRollProgramAltitude) {
        rollSeen_ = true;
        add(events, "roll program", tracked_);
    }
    if (!guidance->autopilotEngaged && engaged_) add(events, "autopilot off", tracked_);
    if (guidance->phase == 0) rollSeen_ = false;  // a new engagement lifts off anew
    phase_ = guidance->phase;
    engaged_ = guidance->autopilotEngaged;
}

void FlightWatcher::watchVessels(std::vector<FlightEvent>& events) {
    std::set<OBJHANDLE> present;
    for (const sim::HostVessel* vessel : simulation_.vessels()) {
        if (vessel->markedForDeletion) continue;
        present.insert(vessel->handle);
        const PartKind kind = kindOf(vessel->className);
        const bool attached = vessel->attachedTo() != nullptr;
        auto [it, isNew] = known_.try_emplace(vessel->handle);
        Known& known = it->second;
        if (isNew) {
            known = {vessel->name, vessel->className, attached, vessel->body.landed, false};
            add(events,
                kind == PartKind::Booster       ? "booster separation"
                : kind == PartKind::FairingHalf ? "fairing jettison"
                                                : "vessel created",
                vessel->name);
        }
        if (known.attached && !attached) add(events, "payload release", vessel->name);
        known.attached = attached;
        if (kind == PartKind::Booster) {
            if (!known.parachute && parachuteOpening(*vessel)) {
                known.parachute = true;
                add(events, "booster parachute", vessel->name);
            }
            if (!known.landed && vessel->body.landed)
                add(events, "booster touchdown", vessel->name);
        }
        known.landed = vessel->body.landed;
    }
    for (auto it = known_.begin(); it != known_.end();) {
        if (present.count(it->first) != 0) {
            ++it;
            continue;
        }
        add(events,
            kindOf(it->second.className) == PartKind::FairingHalf ? "fairing half removed"
                                                                  : "vessel deleted",
            it->second.name);
        it = known_.erase(it);
    }
}

}  // namespace app
