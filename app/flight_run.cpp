#include "flight_run.h"

#include <algorithm>
#include <cstdio>

#include "error.h"
#include "scenario_writer.h"
#include "state_dump.h"
#include "telemetry_csv.h"
#include "ui/mfd_service.h"

namespace fs = std::filesystem;

namespace app {

namespace {

// Frames meant to end exactly at --runtime count as having reached it.
constexpr double kTimeTolerance = 1e-6;  // [s]
// The guidance's cut-off margins around the target in phase 4 [m].
constexpr double kCutoffMargin = 1000.0;
constexpr double kKilometre = 1000.0;  // [m]

template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

// "booster separation" → "booster-separation".
std::string slug(std::string_view text) {
    std::string out;
    for (char c : text) out += (c == ' ' || c == '/' || c == '\\') ? '-' : c;
    return out;
}

std::string pickTrackedVessel(const sim::Simulation& simulation, const std::string& wanted) {
    if (!wanted.empty()) {
        if (simulation.findVessel(wanted) == nullptr) {
            throw sim::Error("--vessel: the scenario has no vessel named \"" + wanted + "\"");
        }
        return wanted;
    }
    if (const sim::HostVessel* focus = simulation.focus()) return focus->name;
    const auto vessels = simulation.vessels();
    return vessels.empty() ? std::string() : vessels.front()->name;
}

// An output's folder is made on demand, as a user naming "out/flight.csv" expects.
fs::path prepared(const fs::path& path) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    return path;
}

std::string describeTrigger(const ScriptTrigger& trigger) {
    if (trigger.at) return format("at %g s", *trigger.at);
    std::string text = "after " + std::string(trigger.after->name);
    return trigger.delay > 0.0 ? text + format(" + %g s", trigger.delay) : text;
}

}  // namespace

FlightRun::FlightRun(const RunOptions& options, ConsoleLog& log)
    : options_(options), log_(log), simulation_(options.tree), recorder_(options.csvRate) {
    if (!options.script.empty()) {
        player_ = std::make_unique<ScriptPlayer>(readScript(options.script, options.scriptName));
    }
    simulation_.loadScenario(options.scenario);
    tracked_ = pickTrackedVessel(simulation_, options.vessel);
    watcher_ = std::make_unique<FlightWatcher>(simulation_, tracked_);
    if (const sim::HostVessel* vessel = tracked()) guidanceBefore_ = readGuidance(*vessel);
    // A scenario saved in flight: the mission clock and the targets are the guidance's.
    if (guidanceBefore_ && guidanceBefore_->phase > 0) {
        liftoffTime_ = simulation_.time() - guidanceBefore_->missionTime;
        noteTargets(*guidanceBefore_);
    }
}

const sim::HostVessel* FlightRun::tracked() const {
    const sim::HostVessel* vessel = simulation_.findVessel(tracked_);
    return vessel != nullptr && !vessel->markedForDeletion ? vessel : nullptr;
}

int FlightRun::run() {
    log_.line(options_.scenarioName + ": " + std::to_string(simulation_.vessels().size()) +
              " vessel(s), following " + (tracked_.empty() ? "none" : tracked_));
    recorder_.record(simulation_.time(), tracked(), liftoffTime_);
    betweenFrames();
    std::int64_t frames = 0;
    while (!finished(frames)) {
        simulation_.step(nextStep());
        ++frames;
        recorder_.record(simulation_.time(), tracked(), liftoffTime_);
        betweenFrames();
        if (const sim::HostVessel* vessel = tracked()) {
            const std::optional<double> met =
                liftoffTime_ ? std::optional(simulation_.time() - *liftoffTime_) : std::nullopt;
            log_.progress(simulation_.time(), met, readVessel(*vessel),
                          guidanceBefore_ ? std::optional(guidanceBefore_->phase) : std::nullopt);
        }
    }
    log_.line(format("Run ended at t = %.1f s after %lld frame(s)", simulation_.time(),
                     static_cast<long long>(frames)));
    writeOutputs();
    log_.line(summaryText(summarise()));
    return verdict();
}

bool FlightRun::finished(std::int64_t frames) const {
    return stopRequested_ || untilReached_ ||
           (options_.maxFrames && frames >= *options_.maxFrames) ||
           simulation_.time() >= options_.runtime - kTimeTolerance;
}

double FlightRun::nextStep() const {
    const double step = options_.fixedStep * simulation_.timeAcceleration();
    const double remaining = options_.runtime - simulation_.time();
    return std::min(step, remaining);
}

void FlightRun::betweenFrames() {
    // Actions may cause events (a key separating the boosters), and events make actions due.
    for (;;) {
        for (const FlightEvent& event : watcher_->update()) handle(event);
        if (player_ == nullptr || stopRequested_) break;
        if (player_->runDue(simulation_.time(), *this) == 0) break;
    }
    const sim::HostVessel* vessel = tracked();
    guidanceBefore_ = vessel != nullptr ? readGuidance(*vessel) : std::nullopt;
}

void FlightRun::noteTargets(const GuidanceReadout& guidance) {
    targetApoapsis_ = guidance.targetApoapsis;
    targetInclination_ = guidance.estimatedInclination;
}

// Phase 4 ends when the periapsis reaches the target less the margin, or else when the apoapsis
// passes the target plus the margin: the guidance tests them in that order, on the orbit as the
// frame left it.
std::string FlightRun::cutoffReason() const {
    const GuidanceReadout& before = *guidanceBefore_;
    if (before.phase != 4) return format("autopilot disengaged in phase %d", before.phase);
    const VesselReadout seen = readVessel(*tracked());
    const double target = before.targetApoapsis;
    if (seen.periapsisAltitude >= target - kCutoffMargin) {
        return format("periapsis %.1f km reached the target %.1f km less 1 km",
                      seen.periapsisAltitude / kKilometre, target / kKilometre);
    }
    if (seen.apoapsisAltitude >= target + kCutoffMargin) {
        return format("apoapsis %.1f km passed the target %.1f km plus 1 km",
                      seen.apoapsisAltitude / kKilometre, target / kKilometre);
    }
    return "autopilot disengaged in phase 4 before either cut-off condition";
}

void FlightRun::handle(const FlightEvent& event) {
    const sim::HostVessel* vessel = tracked();
    if (event.name == "liftoff" && !liftoffTime_) {
        liftoffTime_ = event.time;
        if (vessel != nullptr) {
            if (auto guidance = readGuidance(*vessel)) noteTargets(*guidance);
        }
    }
    if (event.name == "autopilot off" && guidanceBefore_ && vessel != nullptr) {
        cutoff_ = cutoffReason();
    }
    LoggedEvent logged{event, std::nullopt, {}, {}};
    if (liftoffTime_) logged.missionTime = event.time - *liftoffTime_;
    const sim::HostVessel* concerned = simulation_.findVessel(event.subjects.front());
    if (concerned == nullptr || concerned->markedForDeletion) concerned = vessel;
    if (concerned != nullptr) logged.state = readVessel(*concerned);
    if (isMilestone(event.name)) {
        logged.snapshots =
            snapshotOpenDisplays(event.name, formatMoment(event.time, logged.missionTime) + " " +
                                                 std::string(event.name));
    }
    log_.event(logged);
    events_.push_back(std::move(logged));
    if (player_ != nullptr) player_->eventHappened(event);
    if (!options_.until.empty() && findEventType(options_.until)->name == event.name) {
        untilReached_ = true;
    }
}

// The report's pictures of every open MFD at a key moment ("liftoff"), captioned `label`.
std::vector<std::string> FlightRun::snapshotOpenDisplays(std::string_view moment,
                                                         const std::string& label) {
    std::vector<std::string> taken;
    auto* mfds = simulation_.existingService<sim::ui::MfdService>();
    if (options_.report.empty() || mfds == nullptr) return taken;
    for (int id = 0; id < MAXMFD; ++id) {
        sim::ui::MfdDisplay& display = mfds->display(id);
        if (!display.isOpen()) continue;
        const std::string path = format("mfd/%02zu-", snapshots_.size() + 1) + slug(moment) + "-" +
                                 slug(display.name()) + ".svg";
        fs::create_directories(options_.report / "mfd");
        mfds->redraw(id);
        mfds->writeSvg(id, options_.report / path);
        snapshots_.push_back({label + " (" + display.name() + " MFD)", path});
        taken.push_back(path);
    }
    return taken;
}

fs::path FlightRun::outputPath(const std::string& name) const {
    const fs::path path = name;
    if (path.is_absolute()) return path;
    return (options_.report.empty() ? options_.startFolder : options_.report) / path;
}

// Files inside the report folder are linked from its index.
void FlightRun::remember(const fs::path& file, const std::string& label) {
    if (options_.report.empty()) return;
    const fs::path relative = file.lexically_relative(options_.report);
    if (relative.empty() || *relative.begin() == "..") return;
    reportFiles_.push_back({label, relative.generic_string()});
}

void FlightRun::saveScenario(const std::string& file) {
    const fs::path path = prepared(outputPath(file));
    simulation_.saveScenario(path);
    remember(path, "Scenario saved at " + format("t = %.1f s", simulation_.time()));
    log_.line(format("t = %.1f s: scenario saved to ", simulation_.time()) + path.string());
}

void FlightRun::writeState(const std::string& file) {
    const fs::path path = prepared(outputPath(file));
    sim::writeFileAtomically(path.string(), stateDump(simulation_).dump(2) + "\n");
    remember(path, "State dump at " + format("t = %.1f s", simulation_.time()));
    log_.line(format("t = %.1f s: state written to ", simulation_.time()) + path.string());
}

void FlightRun::snapshot(int display, const std::string& name) {
    auto& mfds = simulation_.service<sim::ui::MfdService>();
    const fs::path path = prepared(outputPath(name + ".svg"));
    mfds.redraw(display);
    mfds.writeSvg(display, path);
    const fs::path relative =
        options_.report.empty() ? fs::path() : path.lexically_relative(options_.report);
    if (!relative.empty() && *relative.begin() != "..") {
        snapshots_.push_back(
            {name + format(" at t = %.1f s", simulation_.time()), relative.generic_string()});
    }
}

void FlightRun::setTimeAcceleration(double warp) {
    simulation_.setTimeAcceleration(warp);
}

void FlightRun::writeOutputs() {
    const std::string csv = telemetryCsv(recorder_.samples());
    const std::string state = stateDump(simulation_).dump(2) + "\n";
    if (!options_.csv.empty()) sim::writeFileAtomically(prepared(options_.csv).string(), csv);
    if (!options_.state.empty()) sim::writeFileAtomically(prepared(options_.state).string(), state);
    if (!options_.save.empty()) simulation_.saveScenario(prepared(options_.save));
    if (options_.report.empty()) return;

    fs::create_directories(options_.report);
    snapshotOpenDisplays("end", format("end of the run, t = %.1f s", simulation_.time()));
    sim::writeFileAtomically((options_.report / "telemetry.csv").string(), csv);
    sim::writeFileAtomically((options_.report / "state.json").string(), state);
    simulation_.saveScenario(options_.report / "final.scn");
    std::vector<ReportFile> files = {{"Telemetry (CSV)", "telemetry.csv"},
                                     {"State dump at the end (JSON)", "state.json"},
                                     {"Scenario saved at the end", "final.scn"}};
    files.insert(files.end(), reportFiles_.begin(), reportFiles_.end());
    const FlightSummary summary = summarise();
    writeReport(options_.report,
                {options_.scenarioName, &summary, &recorder_.samples(), files, snapshots_});
    log_.line("report written to " + (options_.report / "index.html").string());
}

FlightSummary FlightRun::summarise() const {
    FlightSummary s;
    s.vessel = tracked_;
    s.endTime = simulation_.time();
    if (const sim::HostVessel* vessel = tracked()) {
        s.vesselPresent = true;
        s.final = readVessel(*vessel);
        for (const auto& tank : vessel->tanks) s.propellantCapacity += tank->maxMass;
        s.guidance = readGuidance(*vessel);
    }
    s.targetApoapsis = targetApoapsis_;
    s.targetInclination = targetInclination_;
    s.cutoff = cutoff_;
    s.liftoffTime = liftoffTime_;
    s.maxDynamicPressure = recorder_.maxDynamicPressure();
    s.maxAcceleration = recorder_.maxAcceleration();
    s.events = events_;
    for (const LoggedEvent& e : events_) {
        if (e.event.name != "payload release") continue;
        for (const std::string& name : e.event.subjects) {
            if (const sim::HostVessel* payload = simulation_.findVessel(name)) {
                s.payloads.push_back({name, readVessel(*payload)});
            }
        }
    }
    return s;
}

int FlightRun::verdict() const {
    int status = kRunSucceeded;
    if (!options_.until.empty() && !untilReached_) {
        std::fprintf(stderr, "arvex-sim: the run ended at t = %.1f s before the event \"%s\"\n",
                     simulation_.time(), std::string(findEventType(options_.until)->name).c_str());
        status = kRunIncomplete;
    }
    if (player_ != nullptr) {
        for (const ScriptAction* action : player_->unplayed()) {
            std::fprintf(stderr, "arvex-sim: %s:%d: not played (%s)\n", player_->file().c_str(),
                         action->line, describeTrigger(action->trigger).c_str());
            status = kRunIncomplete;
        }
    }
    return status;
}

}  // namespace app
