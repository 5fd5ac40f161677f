// The host's MFD service: the modes modules register, the displays (left, right and user
// displays) that show them for a vessel, their buttons, and their pictures. Programs and tests
// drive the displays through it as a pilot would; the frame loop calls frameEnd after the
// post-steps, which redraws each display at its refresh interval and whenever its mode asks.
//
//     auto& mfds = simulation.service<sim::ui::MfdService>();
//     mfds.openMode(MFD_LEFT, "Tessaron control", *simulation.findVessel("Arvex"));
//     mfds.pressButton(MFD_LEFT, 5);
//     simulation.step(0.1);  // or mfds.refresh()
//     mfds.display(MFD_LEFT).displayList();  // what the mode drew
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string_view>

#include "mfd_display.h"
#include "mfd_mode_registry.h"
#include "simulation.h"

namespace sim::ui {

class MfdService : public Service {
  public:
    static constexpr int kDefaultWidth = 256;               // [pixels]
    static constexpr int kDefaultHeight = 256;              // [pixels]
    static constexpr double kDefaultRefreshInterval = 0.5;  // [s]

    explicit MfdService(Simulation& simulation);
    ~MfdService() override;

    // The active simulation's, or nullptr when none is active.
    static MfdService* active();
    // "left", "right", "user1" ... "user10" or a number 0 to 11. Throws sim::Error.
    static int displayId(std::string_view name);

    // --- modes (oapiRegisterMFDMode / oapiUnregisterMFDMode) ----------------------------------
    int registerMode(const MFDMODESPECEX& spec);
    // Closes the displays that show the mode first.
    bool unregisterMode(int id);
    const MfdModeRegistry& modes() const { return modes_; }

    // --- displays (all throw sim::Error for a display, mode or button that does not exist) ----
    MfdDisplay& display(int mfd);
    // A display showing a mode is made anew for the new size (StoreStatus, RecallStatus).
    void setDisplaySize(int mfd, int width, int height);
    void setRefreshInterval(double seconds);
    void openMode(int mfd, std::string_view modeName, HostVessel& vessel);
    void openMode(int mfd, std::string_view modeName);  // on the focus vessel
    void closeMode(int mfd);
    // A click on a button: the event of the frame the button goes down in.
    bool pressButton(int mfd, int button, int event = PANEL_MOUSE_LBDOWN | PANEL_MOUSE_LBPRESSED);
    // Updates the display now and returns what the mode drew.
    const DisplayList& redraw(int mfd);
    // Serves every display's pending redraw and label requests now, as the end of a frame does.
    void refresh();
    // Written whole or not at all.
    void writeSvg(int mfd, const std::filesystem::path& file);

    // --- Service ---------------------------------------------------------------------------
    void frameEnd() override;
    void vesselDeleted(HostVessel& vessel) override;
    void shutdown() override;

  private:
    MfdDisplay& shownDisplay(int mfd);  // one that shows a mode
    const RegisteredMode& mode(std::string_view name) const;

    Simulation& simulation_;
    MfdModeRegistry modes_;
    std::array<std::unique_ptr<MfdDisplay>, MAXMFD> displays_;
    double refreshInterval_ = kDefaultRefreshInterval;
};

}  // namespace sim::ui
