// A launcher that leaves the simulation, and a flight-data page without a launcher: the mode
// never calls a vessel that is gone, and commands without a launcher take the pilot to the
// selection page. Under the sanitizers a call into a deleted vessel fails the test.
#include "mfd_tree.h"

namespace mfdtest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class MfdLostLauncher : public MfdTree {
  protected:
    void LoadTwo() { Load(Ship("Alpha", kCoreClass, 0) + Ship("Bravo", kCoreClass, 1)); }
    void Delete(const std::string& name) { Sim().deleteVessel(Vessel(name)); }
    std::vector<std::string> ShownTexts() { return Texts(Draw()); }
};

TEST_F(MfdLostLauncher, DeletedLauncherIsDroppedAndReported) {
    LoadTwo();
    Open("Bravo");
    Press(0);  // Alpha
    Delete("Alpha");
    EXPECT_THAT(ShownTexts(), ElementsAre("Bravo", "TESSARON FLIGHT COMPUTER", "LAUNCHER LOST"));
    Mfds().refresh();
    EXPECT_THAT(Labels(), ElementsAreArray(kSelectionLabels));
    Sim().step(0.6);  // frames redraw on their own as well
    EXPECT_THAT(Texts(Shown()), ElementsAre("Bravo", "TESSARON FLIGHT COMPUTER", "LAUNCHER LOST"));

    Press(0);  // Bravo now
    EXPECT_NE(Find(Shown(), "CONNECTED"), nullptr);
}

TEST_F(MfdLostLauncher, LauncherDeletedWhileItsMfdWasClosedIsNotRecalled) {
    LoadTwo();
    Open("Bravo");
    Press(0);  // Alpha
    Mfds().closeMode(MFD_LEFT);
    Delete("Alpha");
    Open("Bravo");
    EXPECT_THAT(Texts(Shown()), ElementsAre("Bravo", "TESSARON FLIGHT COMPUTER", "LAUNCHER LOST"));
}

TEST_F(MfdLostLauncher, TargetTypedAfterTheLauncherWentIsIgnored) {
    LoadTwo();
    Open("Bravo");
    Press(0);  // Alpha
    EXPECT_FALSE(Press(kAPA));
    Delete("Alpha");
    EXPECT_TRUE(Type("300"));
    EXPECT_FALSE(Box().isOpen());
    EXPECT_NE(Find(Draw(), "LAUNCHER LOST"), nullptr);
}

TEST_F(MfdLostLauncher, CommandsWithoutALauncherLeadToTheSelectionPage) {
    LoadTwo();
    Open("Alpha");
    for (int command : {kPLD, kAPA, kHDG, kLCH, kFIR}) {
        SCOPED_TRACE(command);
        EXPECT_TRUE(Press(kRTN));  // the flight-data page, without a launcher
        EXPECT_THAT(Labels(), ElementsAreArray(kFlightDataLabels));
        EXPECT_NE(Find(Shown(), "SELECT LAUNCHER"), nullptr);  // what the display shows then
        EXPECT_TRUE(Press(command));
        EXPECT_FALSE(Box().isOpen());
        EXPECT_THAT(Labels(), ElementsAreArray(kSelectionLabels));
    }
    EXPECT_EQ(Core("Alpha").GetAutopilotEngaged(), 0);
    EXPECT_EQ(Core("Bravo").GetAutopilotEngaged(), 0);
}

TEST_F(MfdLostLauncher, ListedNameThatNoLongerNamesACoreVesselConnectsNothing) {
    for (bool takenOver : {false, true}) {
        SCOPED_TRACE(takenOver ? "a booster took the name over" : "the name is gone");
        EndSimulation();
        LoadTwo();
        Open("Alpha");
        Press(0);  // Alpha; the list [Alpha, Bravo] is kept while connected
        Press(kSEL);
        VESSELSTATUS status{};
        Vessel("Bravo").iface->GetStatus(status);
        Delete("Bravo");
        if (takenOver) Sim().createVessel("Bravo", kBoosterClass, status);
        EXPECT_TRUE(Press(1));
        EXPECT_THAT(Labels(), ElementsAreArray(kFlightDataLabels));
        EXPECT_THAT(ShownTexts(),
                    ElementsAre("Alpha", "TESSARON FLIGHT COMPUTER", "SELECT LAUNCHER"));
    }
}

}  // namespace
}  // namespace mfdtest
