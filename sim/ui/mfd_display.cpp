#include "mfd_display.h"

#include <algorithm>
#include <utility>

#include "error.h"
#include "mfd_instrument_access.h"
#include "recording_sketchpad.h"
#include "svg_writer.h"
#include "vessel_api.h"

namespace sim::ui {

namespace {

// Default font heights as a share of the display height: the standard font fills one of
// twenty rows, the small ones one of twenty-six.
constexpr int kStandardFontRows = 20;
constexpr int kSmallFontRows = 26;
constexpr int kRotatedOrientation = 900;  // [0.1 deg]
constexpr int kDefaultPenWidth = 1;       // [pixels]

constexpr int kDefaultColours = 5;  // green, yellow, white, red, blue
// 0xBBGGRR, bright and dark.
constexpr DWORD kColourTable[kDefaultColours][2] = {
    {0x00FF00, 0x008000},  // green
    {0x00FFFF, 0x008080},  // yellow
    {0xFFFFFF, 0x808080},  // white
    {0x0000FF, 0x000080},  // red
    {0xFF0000, 0x800000},  // blue
};

}  // namespace

MfdDisplay::MfdDisplay(int id, int width, int height) : id_(id), width_(width), height_(height) {}

MfdDisplay::~MfdDisplay() {
    close();
}

std::string MfdDisplay::name() const {
    if (id_ == MFD_LEFT) return "left";
    if (id_ == MFD_RIGHT) return "right";
    return "user " + std::to_string(id_ - MFD_USER1 + 1);
}

void MfdDisplay::resize(int width, int height) {
    if (instance_ != nullptr)
        throw Error("the " + name() + " MFD cannot change size while it shows a mode");
    width_ = width;
    height_ = height;
}

void MfdDisplay::makeDefaultFonts() {
    const int standard = height_ / kStandardFontRows;
    const int small = height_ / kSmallFontRows;
    defaultFonts_[0] =
        std::make_unique<HostFont>(FontSpec{"Fixed", standard, false, FONT_NORMAL, 0});
    defaultFonts_[1] = std::make_unique<HostFont>(FontSpec{"Sans", small, true, FONT_NORMAL, 0});
    defaultFonts_[2] =
        std::make_unique<HostFont>(FontSpec{"Sans", small, true, FONT_NORMAL, kRotatedOrientation});
}

void MfdDisplay::open(const RegisteredMode& mode, VESSEL* vessel) {
    close();
    makeDefaultFonts();
    const auto mfd = static_cast<UINT>(id_);
    // The mode may keep the record it is shown; the registry's copy lives as long as the mode.
    auto& spec = const_cast<MFDMODESPECEX&>(mode.spec);
    MFDMODEOPENSPEC openSpec{static_cast<DWORD>(width_), static_cast<DWORD>(height_), &spec};
    const auto vesselParam = reinterpret_cast<LPARAM>(vessel);
    OAPI_MSGTYPE made =
        spec.msgproc(OAPI_MSG_MFD_OPENEDEX, mfd, reinterpret_cast<WPARAM>(&openSpec), vesselParam);
    if (made == 0)
        made = spec.msgproc(OAPI_MSG_MFD_OPENED, mfd, MAKEWPARAM(width_, height_), vesselParam);
    if (made == 0) {
        throw Error("MFD mode \"" + mode.name + "\" made no display object on the " + name() +
                    " MFD of vessel " + vessel->GetName());
    }
    instance_ = reinterpret_cast<MFD*>(made);
    modeId_ = mode.id;
    modeName_ = mode.name;
    msgproc_ = spec.msgproc;
    vessel_ = vessel->GetHandle();
    const HostFont& standard = *defaultFonts_[0];
    MfdInstrumentAccess::bind(*instance_, this, static_cast<DWORD>(standard.charWidth()),
                              static_cast<DWORD>(standard.spec().height));
    instance_->RecallStatus();
    displayPending_ = true;
    buttonsPending_ = true;
}

void MfdDisplay::close() {
    if (instance_ == nullptr) return;
    instance_->StoreStatus();
    msgproc_(OAPI_MSG_MFD_CLOSED, static_cast<UINT>(id_), 0, 0);
    delete std::exchange(instance_, nullptr);
    modeId_ = 0;
    modeName_.clear();
    msgproc_ = nullptr;
    vessel_ = nullptr;
    displayPending_ = false;
    buttonsPending_ = false;
    lastDraw_ = -std::numeric_limits<double>::infinity();
    labels_ = {};
    list_.clear();
}

void MfdDisplay::queryLabels() {
    buttonsPending_ = false;
    for (int i = 0; i < kButtons; ++i) {
        const char* label = instance_->ButtonLabel(i);
        labels_[static_cast<std::size_t>(i)] = label != nullptr ? label : "";
    }
}

void MfdDisplay::draw(double simTime) {
    if (instance_ == nullptr) return;
    displayPending_ = false;
    lastDraw_ = simTime;
    DisplayList list;
    if (auto* mfd2 = dynamic_cast<MFD2*>(instance_)) {
        RecordingSketchpad surface(*defaultFonts_[0], list);
        mfd2->Update(&surface);
    } else {
        // A mode of the older kind draws on a device context, which a headless host has not.
        instance_->Update(static_cast<HDC>(nullptr));
    }
    list_ = std::move(list);
}

void MfdDisplay::servePending(double simTime) {
    if (instance_ == nullptr) return;
    if (buttonsPending_) queryLabels();
    if (displayPending_) draw(simTime);
}

void MfdDisplay::frameEnd(double simTime, double refreshInterval) {
    if (instance_ == nullptr) return;
    servePending(simTime);
    if (simTime - lastDraw_ >= refreshInterval) draw(simTime);
}

bool MfdDisplay::pressButton(int button, int event) {
    if (instance_ == nullptr)
        throw Error("the " + name() + " MFD shows no mode to press a button of");
    if (button < 0 || button >= kButtons) {
        throw Error("MFD button " + std::to_string(button) + " does not exist (0 to 11)");
    }
    return instance_->ConsumeButton(button, event);
}

std::vector<ButtonMenuEntry> MfdDisplay::buttonMenu() const {
    std::vector<ButtonMenuEntry> entries;
    if (instance_ == nullptr) return entries;
    const MFDBUTTONMENU* menu = nullptr;
    const int count = instance_->ButtonMenu(&menu);
    if (menu == nullptr) return entries;
    for (int i = 0; i < count; ++i) {
        const MFDBUTTONMENU& entry = menu[i];
        entries.push_back({entry.line1 != nullptr ? entry.line1 : "",
                           entry.line2 != nullptr ? entry.line2 : "", entry.selchar});
    }
    return entries;
}

std::string MfdDisplay::svg() const {
    return displaySvg({width_, height_, &list_, labels_});
}

oapi::Font* MfdDisplay::defaultFont(DWORD index) const {
    return index < defaultFonts_.size() ? defaultFonts_[index].get() : nullptr;
}

oapi::Pen* MfdDisplay::defaultPen(DWORD colour, DWORD intensity, DWORD style) {
    auto& pen = defaultPens_[{colour, intensity, style}];
    if (pen == nullptr) {
        pen = std::make_unique<HostPen>(defaultColour(colour, intensity), kDefaultPenWidth,
                                        static_cast<int>(style));
    }
    return pen.get();
}

DWORD MfdDisplay::defaultColour(DWORD colour, DWORD intensity) {
    const DWORD c = std::min<DWORD>(colour, kDefaultColours - 1);
    const DWORD i = std::min<DWORD>(intensity, 1);
    return kColourTable[c][i];
}

}  // namespace sim::ui
