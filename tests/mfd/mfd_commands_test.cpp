// The flight-data page's commands reaching the connected core vessel: autopilot, targets typed
// into input boxes, fairing separation, page changes, and the mouse events that count.
#include <cmath>

#include "mfd_tree.h"

namespace mfdtest {
namespace {

using ::testing::ElementsAreArray;

class MfdCommands : public MfdTree {
  protected:
    // Alpha connected on the flight-data page of its own MFD.
    void Connect() {
        Load(Ship("Alpha", kCoreClass, 0) + Ship("Bravo", kCoreClass, 1));
        Sim().setFocus(&Vessel("Alpha"));
        Open("Alpha");
        ASSERT_TRUE(Press(0));
    }

    int VesselsOfClass(const std::string& className) {
        int count = 0;
        for (sim::HostVessel* v : Sim().vessels()) count += v->className == className;
        return count;
    }
};

TEST_F(MfdCommands, OnlyTheLeftButtonGoingDownActs) {
    Load(Ship("Alpha", kCoreClass, 0));
    Open("Alpha");
    for (int event : {PANEL_MOUSE_LBPRESSED, PANEL_MOUSE_LBUP, PANEL_MOUSE_RBDOWN,
                      PANEL_MOUSE_RBDOWN | PANEL_MOUSE_RBPRESSED}) {
        EXPECT_FALSE(Mfds().pressButton(MFD_LEFT, 0, event)) << event;
        Mfds().refresh();
        EXPECT_THAT(Labels(), ElementsAreArray(kSelectionLabels)) << event;
    }
    EXPECT_TRUE(Mfds().pressButton(MFD_LEFT, 0, PANEL_MOUSE_LBDOWN));
}

TEST_F(MfdCommands, LaunchButtonTogglesTheAutopilotAndRedrawsAtOnce) {
    Connect();
    Arvex& alpha = Core("Alpha");
    ASSERT_EQ(alpha.GetAutopilotEngaged(), 0);
    EXPECT_TRUE(Press(kLCH));
    EXPECT_EQ(alpha.GetAutopilotEngaged(), 1);
    const sim::ui::TextItem* status = Find(Shown(), "ACTIVE");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->colour, kBlue);
    EXPECT_EQ(status->x, Col(17.5));
    EXPECT_EQ(status->y, 4 * kV);

    EXPECT_TRUE(Press(kLCH));
    EXPECT_EQ(alpha.GetAutopilotEngaged(), 0);
    status = Find(Shown(), "DISABLED");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->colour, kRed);
    EXPECT_EQ(Core("Bravo").GetAutopilotEngaged(), 0);
}

TEST_F(MfdCommands, EngagedAutopilotFliesAndTheDisplayFollowsAtItsRefreshInterval) {
    Connect();
    Press(kLCH);
    const double groundAltitude = Vessel("Alpha").iface->GetAltitude();
    Sim().run(3.0, 0.05);
    Arvex& alpha = Core("Alpha");
    EXPECT_GT(Vessel("Alpha").iface->GetAltitude(), groundAltitude + 1.0);
    // The frames redrew the display without being asked: it shows the time of the last redraw,
    // at most one refresh interval old.
    const int shownTime = alpha.GetMissionTime();
    EXPECT_GE(shownTime, 2);
    const bool current = Find(Shown(), "T+ " + std::to_string(shownTime)) != nullptr ||
                         Find(Shown(), "T+ " + std::to_string(shownTime - 1)) != nullptr;
    EXPECT_TRUE(current);
}

struct TargetCase {
    int button;
    const char* title;
    const char* text;
    bool accepted;
    double apoapsisKm;  // expected afterwards
    double heading;     // [deg] expected afterwards
};

TEST_F(MfdCommands, TargetsAreTypedIntoInputBoxes) {
    Connect();
    Arvex& alpha = Core("Alpha");
    alpha.SetTargetApoapsis(200000.0);
    alpha.SetTargetHeading(45.0);
    const TargetCase cases[] = {
        {kAPA, "Target Apogee (KM):", "300", true, 300.0, 45.0},
        {kAPA, "Target Apogee (KM):", "250.5", true, 250.5, 45.0},
        {kAPA, "Target Apogee (KM):", " 410km", true, 410.0, 45.0},
        {kAPA, "Target Apogee (KM):", "abc", false, 410.0, 45.0},
        {kAPA, "Target Apogee (KM):", "", false, 410.0, 45.0},
        {kAPA, "Target Apogee (KM):", "inf", false, 410.0, 45.0},
        {kHDG, "Target Heading:", "90", true, 410.0, 90.0},
        {kHDG, "Target Heading:", "-12.5", true, 410.0, -12.5},
        {kHDG, "Target Heading:", "north", false, 410.0, -12.5},
        {kHDG, "Target Heading:", "nan", false, 410.0, -12.5},
    };
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(c.text);
        Box().cancel();
        EXPECT_FALSE(Press(c.button));
        const sim::ui::InputBoxRequest* box = Box().current();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->title, c.title);
        EXPECT_EQ(box->visibleLength, 20);
        EXPECT_EQ(Type(c.text), c.accepted);
        EXPECT_EQ(Box().isOpen(), !c.accepted);  // a text without a number can be corrected
        EXPECT_DOUBLE_EQ(alpha.GetTargetApoapsisKm(), c.apoapsisKm);
        EXPECT_DOUBLE_EQ(alpha.GetTargetHeading(), c.heading);
    }
    // The corrected text closes the box; the next redraw shows the target.
    ASSERT_TRUE(Box().isOpen());
    EXPECT_TRUE(Type("270"));
    EXPECT_DOUBLE_EQ(alpha.GetTargetHeading(), 270.0);
    EXPECT_NE(Find(Draw(), "270.00"), nullptr);
}

TEST_F(MfdCommands, FairingButtonSeparatesTheFairing) {
    Connect();
    ASSERT_EQ(VesselsOfClass(kFairingHalfClass), 0);
    EXPECT_TRUE(Press(kFIR));
    EXPECT_EQ(VesselsOfClass(kFairingHalfClass), 2);
}

TEST_F(MfdCommands, PayloadButtonReleasesTheLastPayload) {
    Load(Ship("Alpha", kCoreClass, 0,
              "  PAYLOAD Arvex/Payloads/Arvex-Satellite Sat 1\n"
              "  PAYLOAD Arvex/Payloads/Arvex-Satellite Sat 2\n"));
    Open("Alpha");
    Press(0);
    Sim().step(0.01);  // the payloads are attached at the carrier's first frame
    Arvex& alpha = Core("Alpha");
    const double both = alpha.GetPayloadMass();
    ASSERT_GT(both, 0.0);
    EXPECT_NE(Find(Draw(), std::to_string(static_cast<int>(std::lround(both))) + " KG"), nullptr);

    EXPECT_FALSE(Press(kPLD));
    EXPECT_DOUBLE_EQ(alpha.GetPayloadMass(), both / 2);
    EXPECT_EQ(Vessel("Sat 2").iface->GetAttachmentStatus(
                  Vessel("Sat 2").iface->GetAttachmentHandle(true, 0)),
              nullptr);
    EXPECT_NE(Vessel("Sat 1").iface->GetAttachmentStatus(
                  Vessel("Sat 1").iface->GetAttachmentHandle(true, 0)),
              nullptr);
}

TEST_F(MfdCommands, SelectAndReturnSwitchPagesAndLabels) {
    Connect();
    EXPECT_THAT(Labels(), ElementsAreArray(kFlightDataLabels));
    const auto menu = Mfds().display(MFD_LEFT).buttonMenu();
    const char* const expected[12] = {"Seperate payload",
                                      "",
                                      "Set Apogee",
                                      "Set Heading",
                                      "",
                                      "Launch AP",
                                      "",
                                      "Seperate fairing",
                                      "",
                                      "",
                                      "",
                                      "Select Vehicle"};
    ASSERT_EQ(menu.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(menu[i].line1, expected[i]) << i;
        EXPECT_EQ(menu[i].line2, "") << i;
        EXPECT_EQ(menu[i].selectionKey, 0) << i;
    }
    for (int unused : {1, 4, 6, 8, 9, 10}) EXPECT_FALSE(Press(unused)) << unused;

    EXPECT_TRUE(Press(kSEL));
    EXPECT_THAT(Labels(), ElementsAreArray(kSelectionLabels));
    EXPECT_NE(Find(Shown(), "Bravo"), nullptr);
    EXPECT_NE(Find(Shown(), "CONNECTED"), nullptr);
    EXPECT_TRUE(Press(kRTN));
    EXPECT_THAT(Labels(), ElementsAreArray(kFlightDataLabels));
}

TEST_F(MfdCommands, RebuildButtonRefreshesTheListWhileConnected) {
    Connect();
    Press(kSEL);
    Sim().createVessel("Charlie", kCoreClass, [&] {
        VESSELSTATUS vs{};
        Vessel("Alpha").iface->GetStatus(vs);
        return vs;
    }());
    EXPECT_EQ(Find(Draw(), "Charlie"), nullptr);  // the list is kept while connected
    EXPECT_TRUE(Press(kRebuild));
    EXPECT_NE(Find(Draw(), "Charlie"), nullptr);
}

}  // namespace
}  // namespace mfdtest
