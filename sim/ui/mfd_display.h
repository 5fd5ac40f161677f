// One MFD display of the host (left, right or a user display): the mode object shown on it,
// its button labels as last queried, and what the mode drew at its last update.
#pragma once

#include <array>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "display_list.h"
#include "drawing_tools.h"
#include "mfd_mode_registry.h"

namespace sim::ui {

struct ButtonMenuEntry {
    std::string line1;
    std::string line2;
    char selectionKey = 0;
};

class MfdDisplay {
  public:
    static constexpr int kButtons = 12;  // 0-5 on the left from the top, 6-11 on the right

    MfdDisplay(int id, int width, int height);
    ~MfdDisplay();  // closes the mode shown
    MfdDisplay(const MfdDisplay&) = delete;
    MfdDisplay& operator=(const MfdDisplay&) = delete;

    int id() const { return id_; }
    std::string name() const;  // "left", "right", "user 1" ...
    int width() const { return width_; }
    int height() const { return height_; }
    // Only while no mode is shown: a mode is made for one size.
    void resize(int width, int height);

    bool isOpen() const { return instance_ != nullptr; }
    int modeId() const { return modeId_; }
    const std::string& modeName() const { return modeName_; }
    OBJHANDLE vessel() const { return vessel_; }
    MFD* instance() const { return instance_; }

    // The host's opening sequence: OPENEDEX, then OPENED if the mode made nothing, binding,
    // RecallStatus. Closes the mode shown before. Throws sim::Error when the mode makes no
    // object.
    void open(const RegisteredMode& mode, VESSEL* vessel);
    // StoreStatus, CLOSED, destruction. Nothing when no mode is shown.
    void close();

    // Requests from the mode, served at the end of the frame.
    void invalidateDisplay() { displayPending_ = true; }
    void invalidateButtons() { buttonsPending_ = true; }
    // End of a frame at `simTime`: labels re-queried and display redrawn when the mode asked
    // for it, the display also when `refreshInterval` [s] has passed since its last update.
    void frameEnd(double simTime, double refreshInterval);
    // Serves the mode's requests now.
    void servePending(double simTime);
    // Update now.
    void draw(double simTime);

    bool pressButton(int button, int event);
    const std::array<std::string, kButtons>& buttonLabels() const { return labels_; }
    std::vector<ButtonMenuEntry> buttonMenu() const;  // asked of the mode now
    const DisplayList& displayList() const { return list_; }
    std::string svg() const;

    // The host's defaults a mode asks through MFD2.
    oapi::Font* defaultFont(DWORD index) const;
    oapi::Pen* defaultPen(DWORD colour, DWORD intensity, DWORD style);
    static DWORD defaultColour(DWORD colour, DWORD intensity);

  private:
    void makeDefaultFonts();
    void queryLabels();

    int id_;
    int width_;
    int height_;
    std::array<std::unique_ptr<HostFont>, 3> defaultFonts_;
    std::map<std::tuple<DWORD, DWORD, DWORD>, std::unique_ptr<HostPen>> defaultPens_;

    MFD* instance_ = nullptr;  // made by the mode's module, destroyed through its destructor
    int modeId_ = 0;
    std::string modeName_;
    OAPI_MSGTYPE (*msgproc_)(UINT, UINT, WPARAM, LPARAM) = nullptr;
    OBJHANDLE vessel_ = nullptr;

    bool displayPending_ = false;
    bool buttonsPending_ = false;
    double lastDraw_ = -std::numeric_limits<double>::infinity();  // [s]
    std::array<std::string, kButtons> labels_;
    DisplayList list_;
};

}  // namespace sim::ui
