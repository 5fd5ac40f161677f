// The mode's registration and life cycle, and the launchers it finds and connects: which
// vessels it lists, connection by button and by typed name, and the page and launcher a
// vessel's MFD gets back when the mode is opened on it again.
#include "mfd_tree.h"
#include "module_registry.h"
#include "ui/drawing_tools.h"

namespace mfdtest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class MfdSelection : public MfdTree {
  protected:
    // Two core vessels among vessels of every other kind the simulation can hold.
    void LoadMixedFleet() {
        Write("Config/MfdTest/Plain.cfg", "; driven by its configuration only\nSize = 5\n");
        Write("Config/MfdTest/Level1.cfg", "Module = MfdTest\\Level1Vessel\n");
        Write("Config/MfdTest/Level3.cfg", "Module = MfdTest\\Level3Vessel\n");
        Load(Ship("Alpha", kCoreClass, 0) + Ship("Booster", kBoosterClass, 1) +
             Ship("Bravo", kCoreClass, 2) + Ship("Half", kFairingHalfClass, 3) +
             Ship("Plain", "MfdTest/Plain", 4) + Ship("Level1", "MfdTest/Level1", 5) +
             Ship("Level3", "MfdTest/Level3", 6));
    }
};

TEST_F(MfdSelection, RegistersTheModeAndExportsTheXrFlag) {
    Load("");
    const sim::ui::RegisteredMode* mode = Mfds().modes().find(kMode);
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->id, BUILTIN_MFD_MODES + 1);
    EXPECT_EQ(mode->spec.key, static_cast<DWORD>(OAPI_KEY_Q));
    EXPECT_EQ(mode->spec.context, nullptr);

    sim::ModuleLibrary* module = Sim().modules().find("Plugin/Arvex_MFD");
    ASSERT_NE(module, nullptr);
    const auto* flag = static_cast<const unsigned char*>(module->symbol("XRVesselCtrlFlag"));
    ASSERT_NE(flag, nullptr);
    EXPECT_EQ(*flag, 1);
    EXPECT_EQ(module->function<int (*)()>("GetModuleVersion")(), 160828);

    // Only the opening message makes an instance; an instance would make two fonts.
    const int fonts = sim::ui::HostFont::liveCount();
    for (UINT msg :
         {UINT{OAPI_MSG_MFD_CLOSED}, UINT{OAPI_MSG_MFD_UPDATE}, UINT{OAPI_MSG_MFD_OPENEDEX}, 99u}) {
        EXPECT_EQ(mode->spec.msgproc(msg, MFD_LEFT, MAKEWPARAM(256, 256), 0), 0) << msg;
    }
    EXPECT_EQ(sim::ui::HostFont::liveCount(), fonts);
}

TEST_F(MfdSelection, ListsOnlyCoreVesselsInTheHostsOrder) {
    LoadMixedFleet();
    Open("Plain");
    const sim::ui::DisplayList& shown = Shown();
    EXPECT_THAT(Texts(shown),
                ElementsAre("Alpha", "Bravo", "TESSARON FLIGHT COMPUTER", "SELECT LAUNCHER"));
    const sim::ui::FontSpec normal{"Fixed", kU, true, FONT_NORMAL, 0};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        SCOPED_TRACE(shown[i].text);
        EXPECT_EQ(shown[i].font, normal);
        EXPECT_EQ(shown[i].colour, kGreen);
        EXPECT_EQ(shown[i].vertical, oapi::Sketchpad::BOTTOM);
    }
    EXPECT_EQ(shown[0].x, Col(0.5));
    EXPECT_EQ(shown[0].y, 4 * kV);
    EXPECT_EQ(shown[0].horizontal, oapi::Sketchpad::LEFT);
    EXPECT_EQ(shown[1].y, 7 * kV);
    EXPECT_EQ(shown[2].x, Col(11));
    EXPECT_EQ(shown[2].y, 19 * kV);
    EXPECT_EQ(shown[2].horizontal, oapi::Sketchpad::CENTER);
    EXPECT_EQ(shown[3].y, 20 * kV);

    EXPECT_THAT(Labels(), ElementsAreArray(kSelectionLabels));
    const auto menu = Mfds().display(MFD_LEFT).buttonMenu();
    ASSERT_EQ(menu.size(), 12u);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(menu[i].line1, "Select") << i;
    EXPECT_EQ(menu[11].line1, "Previous page");
}

TEST_F(MfdSelection, ShowsTwelveOfThirteenLaunchersSixPerColumn) {
    std::string ships;
    for (int i = 1; i <= 13; ++i) ships += Ship("Core" + std::to_string(i), kCoreClass, i);
    Load(ships);
    Open("Core1");
    const sim::ui::DisplayList& shown = Shown();
    ASSERT_EQ(shown.size(), 14u);  // twelve names, the title and the status line
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        const auto& item = shown[static_cast<std::size_t>(i)];
        EXPECT_EQ(item.text, "Core" + std::to_string(i + 1));
        EXPECT_EQ(item.y, (4 + 3 * (i % 6)) * kV);
        EXPECT_EQ(item.x, i < 6 ? Col(0.5) : Col(16));
        EXPECT_EQ(item.horizontal, i < 6 ? oapi::Sketchpad::LEFT : oapi::Sketchpad::RIGHT);
    }
}

TEST_F(MfdSelection, ButtonsBesideListedNamesConnectThem) {
    Load(Ship("Alpha", kCoreClass, 0) + Ship("Bravo", kCoreClass, 1) +
         Ship("Charlie", kCoreClass, 2));
    Core("Bravo").SetTargetApoapsis(222000.0);
    Open("Alpha");
    for (int button : {3, 4, 6, 7, 8, 9}) {
        EXPECT_FALSE(Press(button)) << button;
        EXPECT_THAT(Labels(), ElementsAreArray(kSelectionLabels)) << button;
    }
    EXPECT_TRUE(Press(1));
    EXPECT_THAT(Labels(), ElementsAreArray(kFlightDataLabels));
    EXPECT_NE(Find(Shown(), "CONNECTED"), nullptr);
    EXPECT_NE(Find(Shown(), "222.00 KM"), nullptr);
}

TEST_F(MfdSelection, TypedNameOfACoreVesselConnectsItOnTheSelectionPage) {
    Load(Ship("Alpha", kCoreClass, 0) + Ship("Booster", kBoosterClass, 1) +
         Ship("Half", kFairingHalfClass, 2) + Ship("Bravo", kCoreClass, 3));
    Open("Alpha");
    for (const char* other : {"Booster", "Half", "Nobody"}) {
        EXPECT_FALSE(Press(kENT));
        ASSERT_TRUE(Box().isOpen());
        EXPECT_TRUE(Type(other)) << other;
        EXPECT_FALSE(Box().isOpen()) << other;
        EXPECT_NE(Find(Draw(), "SELECT LAUNCHER"), nullptr) << other;
        EXPECT_THAT(Labels(), ElementsAreArray(kSelectionLabels)) << other;
    }

    EXPECT_FALSE(Press(kENT));
    const sim::ui::InputBoxRequest* box = Box().current();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title, "Launcher Name:");
    EXPECT_EQ(box->visibleLength, 20);
    EXPECT_EQ(box->initialText, "");
    EXPECT_TRUE(Type("bravo"));  // the host matches names without regard to case
    EXPECT_NE(Find(Shown(), "CONNECTED"), nullptr);
    EXPECT_THAT(Labels(), ElementsAreArray(kSelectionLabels));

    Core("Bravo").SetTargetApoapsis(333000.0);
    EXPECT_TRUE(Press(kRTN));
    EXPECT_NE(Find(Draw(), "333.00 KM"), nullptr);
}

TEST_F(MfdSelection, ReopenedModeGetsBackTheVesselsPageAndLauncher) {
    Load(Ship("Alpha", kCoreClass, 0) + Ship("Bravo", kCoreClass, 1) +
         Ship("Charlie", kCoreClass, 2));
    Core("Alpha").SetTargetApoapsis(111000.0);
    Core("Bravo").SetTargetApoapsis(222000.0);
    Open("Alpha");
    Press(1);  // Bravo, flight-data page
    Mfds().closeMode(MFD_LEFT);
    Open("Alpha");
    EXPECT_THAT(Labels(), ElementsAreArray(kFlightDataLabels));
    EXPECT_NE(Find(Shown(), "222.00 KM"), nullptr);

    // Changed since the last close: Alpha, left on the selection page.
    Press(kSEL);
    Press(0);
    Press(kSEL);
    Mfds().closeMode(MFD_LEFT);
    Open("Alpha");
    EXPECT_THAT(Labels(), ElementsAreArray(kSelectionLabels));
    EXPECT_NE(Find(Shown(), "CONNECTED"), nullptr);
    Press(kRTN);
    EXPECT_NE(Find(Draw(), "111.00 KM"), nullptr);

    // A vessel without a record starts afresh, and so does the mode open on the other MFD.
    Open("Charlie", MFD_RIGHT);
    EXPECT_THAT(Labels(MFD_RIGHT), ElementsAreArray(kSelectionLabels));
    EXPECT_NE(Find(Shown(MFD_RIGHT), "SELECT LAUNCHER"), nullptr);
    EXPECT_NE(Find(Draw(MFD_LEFT), "SELECT LAUNCHER"), nullptr);
}

TEST_F(MfdSelection, InstancesReleaseTheirFonts) {
    const int before = sim::ui::HostFont::liveCount();
    Load(Ship("Alpha", kCoreClass, 0));
    for (int i = 0; i < 3; ++i) {
        Open("Alpha");
        Mfds().closeMode(MFD_LEFT);
    }
    Open("Alpha", MFD_RIGHT);  // left open when the simulation ends
    EndSimulation();
    EXPECT_EQ(sim::ui::HostFont::liveCount(), before);
}

}  // namespace
}  // namespace mfdtest
