#include "mfd_service.h"

#include <charconv>

#include "error.h"
#include "scenario_writer.h"
#include "text.h"

namespace sim::ui {

namespace {

constexpr int kMaxDisplaySize = 0xFFFF;  // the opening message carries 16 bits each [pixels]

}  // namespace

MfdService::MfdService(Simulation& simulation) : simulation_(simulation) {}

MfdService::~MfdService() {
    shutdown();
}

MfdService* MfdService::active() {
    Simulation* simulation = Simulation::current();
    return simulation != nullptr ? &simulation->service<MfdService>() : nullptr;
}

int MfdService::displayId(std::string_view name) {
    const std::string_view t = text::trim(name);
    if (text::equalsNoCase(t, "left")) return MFD_LEFT;
    if (text::equalsNoCase(t, "right")) return MFD_RIGHT;
    const bool user = text::startsWithNoCase(t, "user");
    const std::string_view digits = user ? text::trim(t.substr(4)) : t;
    int number = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    const bool whole = error == std::errc() && end == digits.data() + digits.size();
    const int id = user ? MFD_USER1 + number - 1 : number;
    if (!whole || id < (user ? MFD_USER1 : 0) || id >= MAXMFD) {
        throw Error("\"" + std::string(name) +
                    "\" names no MFD display (left, right, user1 to user10, or 0 to 11)");
    }
    return id;
}

int MfdService::registerMode(const MFDMODESPECEX& spec) {
    if (spec.msgproc == nullptr) {
        simulation_.warn(std::string("MFD mode \"") + (spec.name != nullptr ? spec.name : "") +
                         "\" has no message procedure: not registered");
        return 0;
    }
    return modes_.add(spec);
}

bool MfdService::unregisterMode(int id) {
    for (auto& display : displays_) {
        if (display != nullptr && display->isOpen() && display->modeId() == id) display->close();
    }
    return modes_.remove(id);
}

MfdDisplay& MfdService::display(int mfd) {
    if (mfd < 0 || mfd >= MAXMFD) {
        throw Error("MFD display " + std::to_string(mfd) + " does not exist (0 to 11)");
    }
    auto& display = displays_[static_cast<std::size_t>(mfd)];
    if (display == nullptr)
        display = std::make_unique<MfdDisplay>(mfd, kDefaultWidth, kDefaultHeight);
    return *display;
}

MfdDisplay& MfdService::shownDisplay(int mfd) {
    MfdDisplay& shown = display(mfd);
    if (!shown.isOpen()) throw Error("the " + shown.name() + " MFD shows no mode");
    return shown;
}

const RegisteredMode& MfdService::mode(std::string_view name) const {
    const RegisteredMode* found = modes_.find(name);
    if (found == nullptr) {
        throw Error("MFD mode \"" + std::string(name) +
                    "\" is not registered (is its plug-in module loaded?)");
    }
    return *found;
}

void MfdService::setDisplaySize(int mfd, int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxDisplaySize || height > kMaxDisplaySize) {
        throw Error("MFD size " + std::to_string(width) + "x" + std::to_string(height) +
                    " is out of range (1 to 65535 pixels each way)");
    }
    MfdDisplay& target = display(mfd);
    if (!target.isOpen()) {
        target.resize(width, height);
        return;
    }
    const RegisteredMode* shownMode = modes_.find(target.modeId());
    VESSEL* vessel = oapiGetVesselInterface(target.vessel());
    target.close();
    target.resize(width, height);
    if (shownMode != nullptr && vessel != nullptr) target.open(*shownMode, vessel);
}

void MfdService::setRefreshInterval(double seconds) {
    if (!(seconds >= 0.0)) throw Error("the MFD refresh interval must not be negative");
    refreshInterval_ = seconds;
}

void MfdService::openMode(int mfd, std::string_view modeName, HostVessel& vessel) {
    display(mfd).open(mode(modeName), vessel.iface);
}

void MfdService::openMode(int mfd, std::string_view modeName) {
    HostVessel* focus = simulation_.focus();
    if (focus == nullptr) {
        throw Error("no focus vessel to open MFD mode \"" + std::string(modeName) + "\" for");
    }
    openMode(mfd, modeName, *focus);
}

void MfdService::closeMode(int mfd) {
    display(mfd).close();
}

bool MfdService::pressButton(int mfd, int button, int event) {
    return shownDisplay(mfd).pressButton(button, event);
}

const DisplayList& MfdService::redraw(int mfd) {
    MfdDisplay& shown = shownDisplay(mfd);
    shown.invalidateDisplay();
    shown.servePending(simulation_.time());
    return shown.displayList();
}

void MfdService::refresh() {
    for (auto& display : displays_) {
        if (display != nullptr) display->servePending(simulation_.time());
    }
}

void MfdService::writeSvg(int mfd, const std::filesystem::path& file) {
    writeFileAtomically(file.string(), shownDisplay(mfd).svg());
}

void MfdService::frameEnd() {
    for (auto& display : displays_) {
        if (display != nullptr) display->frameEnd(simulation_.time(), refreshInterval_);
    }
}

void MfdService::vesselDeleted(HostVessel& vessel) {
    for (auto& display : displays_) {
        if (display != nullptr && display->isOpen() && display->vessel() == vessel.handle) {
            display->close();
        }
    }
}

void MfdService::shutdown() {
    for (auto& display : displays_) {
        if (display != nullptr) display->close();
    }
}

}  // namespace sim::ui

int oapiRegisterMFDMode(MFDMODESPECEX& spec) {
    sim::ui::MfdService* service = sim::ui::MfdService::active();
    return service != nullptr ? service->registerMode(spec) : 0;
}

bool oapiUnregisterMFDMode(int mode) {
    sim::ui::MfdService* service = sim::ui::MfdService::active();
    return service != nullptr && service->unregisterMode(mode);
}
