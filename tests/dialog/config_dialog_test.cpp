// The core vessel's configuration dialog, opened with Ctrl+Space on a core vessel that the host
// loads from a scenario, with its preferences file beside the simulator.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "dialog/dialog_service.h"
#include "host_vessel.h"
#include "simulation.h"

namespace fs = std::filesystem;

namespace {

using sim::dialog::DialogService;
using ::testing::ElementsAre;

constexpr int kDone = 2;
constexpr int kSelect = 1023;
constexpr int kFairingList = 1021;
constexpr int kRefresh = 1024;
constexpr int kOffsetEdit = 1027;
constexpr int kOffsetSpin = 1015;
constexpr int kSet = 1025;
constexpr int kHideShow = 1028;
constexpr UINT kFairingHalves[2] = {10, 11};
constexpr WORD kAlwaysVisible = 3;
constexpr WORD kNeverVisible = 0;

constexpr char kTwoFairings[] =
    "[Fairing1]\nName = Short fairing\nMesh = Arvex\\Fairings\\short\nMass = 1000\n"
    "[Fairing2]\nName = Long fairing\nMesh = Arvex\\Fairings\\long\nMass = 1500\n";

constexpr char kNoFairing[] = "  Fairing 0 1\n";

// The simulator's folder as the module sees it: a fresh current directory that holds only the
// preferences file the test writes, so tests never share or touch the runtime tree's file.
class TemporaryHome {
  public:
    TemporaryHome() : previous_(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "arvex-dialog-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        fs::current_path(path_);
    }
    ~TemporaryHome() {
        fs::current_path(previous_);
        fs::remove_all(path_);
    }
    void writePreferences(const std::string& text) const {
        std::ofstream(path_ / "Arvex_Prefs.ini") << text;
    }

  private:
    fs::path previous_;
    fs::path path_;
};

std::string coreScenario(const std::string& coreLines) {
    return "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51544.5\nEND_ENVIRONMENT\n"
           "BEGIN_FOCUS\n  Ship Core1\nEND_FOCUS\n"
           "BEGIN_SHIPS\nCore1:Arvex/Arvex-Core\n  STATUS Landed Earth\n  POS -80.6041 28.6084\n"
           "  HEADING 90\n" +
           coreLines + "END\nEND_SHIPS\n";
}

sim::SimulationOptions withoutPlugins() {
    sim::SimulationOptions options;
    options.loadConfiguredPlugins = false;
    return options;
}

class ConfigDialogTest : public ::testing::Test {
  protected:
    ConfigDialogTest() : tree_(fs::current_path()), sim_(tree_, withoutPlugins()) {}

    sim::HostVessel& loadCore(const std::string& coreLines = "") {
        sim_.loadScenarioText(coreScenario(coreLines));
        return *sim_.findVessel("Core1");
    }
    // Ctrl+Space on the focus vessel; the one dialog it opened.
    HWND openDialog() {
        EXPECT_EQ(sim_.pressKey(OAPI_KEY_SPACE, {OAPI_KEY_LCONTROL}), 0);
        const auto open = dialogs().openDialogs();
        return open.size() == 1 ? open.front()->handle() : nullptr;
    }
    DialogService& dialogs() { return sim_.service<DialogService>(); }
    std::vector<double> touchdownHeights(const sim::HostVessel& core) const {
        std::vector<double> z;
        for (const auto& point : core.touchdownPoints) z.push_back(point.pos.z);
        return z;
    }
    static const sim::MeshSlot& half(const sim::HostVessel& core, int i) {
        return core.meshes.at(kFairingHalves[i]);
    }

    fs::path tree_;
    TemporaryHome home_;
    sim::Simulation sim_;
};

TEST_F(ConfigDialogTest, CtrlSpaceOpensTemplate102Once) {
    loadCore("  Offset 0\n");
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(openDialog(), dialog);  // a second Ctrl+Space opens no second window

    const sim::dialog::DialogWindow& window = *dialogs().openDialogs().front();
    EXPECT_EQ(window.resourceId(), 102);
    EXPECT_EQ(window.title(), "Configuration");
    EXPECT_EQ(window.width(), 129);
    EXPECT_EQ(window.height(), 176);
    EXPECT_EQ(window.style(),
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS));
    EXPECT_EQ(window.fontFace(), "MS Shell Dlg");
    EXPECT_EQ(window.fontPoints(), 8);
    EXPECT_EQ(window.flags(), static_cast<DWORD>(DLG_CAPTIONCLOSE));

    struct Expected {
        int id;
        std::string className, text;
        sim::dialog::Rect rect;
        DWORD style;
    };
    const DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    const Expected expected[] = {
        {kDone, "BUTTON", "Done", {36, 148, 50, 14}, button},
        {kSelect, "BUTTON", "Select", {10, 32, 50, 14}, button},
        {kFairingList,
         "COMBOBOX",
         "No Fairing",
         {18, 14, 96, 30},
         WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN},
        {kRefresh, "BUTTON", "Refresh", {70, 32, 50, 14}, button},
        {-1, "BUTTON", "Fairing", {0, 2, 124, 76}, WS_VISIBLE | BS_GROUPBOX},
        {-1, "BUTTON", "Parameters", {0, 78, 124, 90}, WS_VISIBLE | BS_GROUPBOX},
        {kOffsetEdit,
         "EDIT",
         "0.000000",
         {36, 102, 42, 14},
         WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {kOffsetSpin,
         "msctls_updown32",
         "",
         {78, 102, 11, 14},
         WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
             UDS_HOTTRACK},
        {kSet, "BUTTON", "Set", {36, 120, 50, 14}, button},
        {1026, "STATIC", "Offset above ground", {30, 90, 68, 8}, WS_VISIBLE | SS_LEFT},
        {kHideShow, "BUTTON", "Hide / Show", {36, 54, 50, 14}, button},
    };
    ASSERT_EQ(window.controls().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const sim::dialog::Control& control = *window.controls()[i];
        SCOPED_TRACE("control " + std::to_string(i));
        EXPECT_EQ(control.id(), expected[i].id);
        EXPECT_EQ(control.className(), expected[i].className);
        EXPECT_EQ(control.text(), expected[i].text);
        EXPECT_EQ(control.rect().x, expected[i].rect.x);
        EXPECT_EQ(control.rect().y, expected[i].rect.y);
        EXPECT_EQ(control.rect().width, expected[i].rect.width);
        EXPECT_EQ(control.rect().height, expected[i].rect.height);
        EXPECT_EQ(control.style(), expected[i].style);
    }
}

TEST_F(ConfigDialogTest, TheListOffersNoFairingThenTheNamesUpToTheFirstMissingOne) {
    struct Case {
        const char* what;
        std::string preferences;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"two fairings", kTwoFairings, {"No Fairing", "Short fairing", "Long fairing"}},
        {"a gap after the first",
         "[Fairing1]\nName = One\n[Fairing3]\nName = Three\n",
         {"No Fairing", "One"}},
        {"a name that reads as the end marker",
         "[Fairing1]\nName = One\n[Fairing2]\nName = -ERROR-\n[Fairing3]\nName = Three\n",
         {"No Fairing", "One"}},
        {"a name cut to 63 characters",
         "[Fairing1]\nName = " + std::string(70, 'n') + "\n",
         {"No Fairing", std::string(63, 'n')}},
        {"no preferences file", "", {"No Fairing"}},
    };
    loadCore();
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.preferences.empty()) {
            fs::remove("Arvex_Prefs.ini");
        } else {
            home_.writePreferences(c.preferences);
        }
        dialogs().pickComboEntry(dialog, kFairingList, 0);
        dialogs().pressButton(dialog, kRefresh);
        EXPECT_EQ(dialogs().comboEntries(dialog, kFairingList), c.entries);
        EXPECT_EQ(dialogs().comboSelection(dialog, kFairingList), 0);
    }
}

TEST_F(ConfigDialogTest, TheListIsReadWhenShownAndOnRefreshOnly) {
    home_.writePreferences("[Fairing1]\nName = One\n");
    loadCore();
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_THAT(dialogs().comboEntries(dialog, kFairingList), ElementsAre("No Fairing", "One"));

    home_.writePreferences(kTwoFairings);
    EXPECT_THAT(dialogs().comboEntries(dialog, kFairingList), ElementsAre("No Fairing", "One"));
    dialogs().sendMessage(dialog, WM_SHOWWINDOW, TRUE, 0);
    EXPECT_THAT(dialogs().comboEntries(dialog, kFairingList),
                ElementsAre("No Fairing", "Short fairing", "Long fairing"));
}

TEST_F(ConfigDialogTest, SelectFitsTheChosenFairingEvenAfterAJettison) {
    home_.writePreferences(kTwoFairings);
    sim::HostVessel& core = loadCore(kNoFairing);
    const double bareMass = core.emptyMass;
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);

    dialogs().pickComboEntry(dialog, kFairingList, 2);
    EXPECT_EQ(dialogs().pressButton(dialog, kSelect), TRUE);
    for (int i : {0, 1}) {
        EXPECT_EQ(half(core, i).name, "Arvex\\Fairings\\long");
        EXPECT_EQ(half(core, i).visibility, kAlwaysVisible);
    }
    EXPECT_DOUBLE_EQ(core.emptyMass, bareMass + 1500.0);

    sim_.pressKey(OAPI_KEY_K);  // jettison
    EXPECT_EQ(half(core, 0).visibility, kNeverVisible);
    EXPECT_DOUBLE_EQ(core.emptyMass, bareMass);
    dialogs().pressButton(dialog, kSelect);
    EXPECT_EQ(half(core, 0).visibility, kAlwaysVisible);
    EXPECT_DOUBLE_EQ(core.emptyMass, bareMass + 1500.0);

    dialogs().pickComboEntry(dialog, kFairingList, 0);
    dialogs().pressButton(dialog, kSelect);
    EXPECT_EQ(half(core, 0).visibility, kNeverVisible);
    EXPECT_EQ(half(core, 1).visibility, kNeverVisible);
    EXPECT_DOUBLE_EQ(core.emptyMass, bareMass);
}

TEST_F(ConfigDialogTest, TypedFairingTextSelectsNothingAndFitsTheDefaults) {
    home_.writePreferences(kTwoFairings);
    sim::HostVessel& core = loadCore(kNoFairing);
    const double bareMass = core.emptyMass;
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);

    dialogs().typeText(dialog, kFairingList, "Long");
    ASSERT_EQ(dialogs().comboSelection(dialog, kFairingList), CB_ERR);
    dialogs().pressButton(dialog, kSelect);  // fits number -1: no such section
    EXPECT_EQ(half(core, 0).name, "");       // mesh " ", less the blank the reader drops
    EXPECT_EQ(half(core, 0).visibility, kAlwaysVisible);
    EXPECT_DOUBLE_EQ(core.emptyMass, bareMass);
}

TEST_F(ConfigDialogTest, TheOffsetOpensAsTextAndSetMovesTheTouchdownPoints) {
    sim::HostVessel& core = loadCore("  Offset 2.5\n");
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialogs().controlText(dialog, kOffsetEdit), "2.500000");

    struct Case {
        std::string typed;
        double z;  // [m]
    };
    // A text that reads as no finite number leaves the offset as it was.
    const Case cases[] = {{"3.25", -18.25}, {"-4", -11.0},     {"150", -165.0},
                          {"nan", -165.0},  {"1e999", -165.0}, {"tall", -15.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs().typeText(dialog, kOffsetEdit, c.typed);
        dialogs().pressButton(dialog, kSet);
        EXPECT_THAT(touchdownHeights(core), ElementsAre(c.z, c.z, c.z));
    }
    // The text is not refreshed after "Set".
    EXPECT_EQ(dialogs().controlText(dialog, kOffsetEdit), "tall");
}

TEST_F(ConfigDialogTest, TheArrowsWriteWholeMetresThatApplyOnlyWithSet) {
    sim::HostVessel& core = loadCore("  Offset 2.5\n");
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);

    // "2.500000" is no whole number, so the arrows start from their own position, 0.
    dialogs().clickUpDown(dialog, kOffsetSpin, 3);
    EXPECT_EQ(dialogs().controlText(dialog, kOffsetEdit), "3");
    EXPECT_THAT(touchdownHeights(core), ElementsAre(-17.5, -17.5, -17.5));
    dialogs().pressButton(dialog, kSet);
    EXPECT_THAT(touchdownHeights(core), ElementsAre(-18.0, -18.0, -18.0));

    dialogs().typeText(dialog, kOffsetEdit, "99");
    dialogs().clickUpDown(dialog, kOffsetSpin, 5);
    EXPECT_EQ(dialogs().controlText(dialog, kOffsetEdit), "100");
    dialogs().clickUpDown(dialog, kOffsetSpin, -101);
    EXPECT_EQ(dialogs().controlText(dialog, kOffsetEdit), "0");
}

TEST_F(ConfigDialogTest, HideShowTogglesTheFirstHalfOnly) {
    home_.writePreferences(kTwoFairings);
    sim::HostVessel& core = loadCore("  Fairing 1 1\n");
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(half(core, 0).visibility, kAlwaysVisible);

    dialogs().pressButton(dialog, kHideShow);
    EXPECT_EQ(half(core, 0).visibility, kNeverVisible);
    EXPECT_EQ(half(core, 1).visibility, kAlwaysVisible);
    dialogs().pressButton(dialog, kHideShow);
    EXPECT_EQ(half(core, 0).visibility, kAlwaysVisible);
    EXPECT_EQ(half(core, 1).visibility, kAlwaysVisible);
}

TEST_F(ConfigDialogTest, MessagesAreAnsweredAsHandledOrNot) {
    loadCore();
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    struct Case {
        const char* what;
        UINT msg;
        WPARAM wParam;
        INT_PTR answer;
    };
    const Case cases[] = {
        {"hidden", WM_SHOWWINDOW, FALSE, FALSE},
        {"close request", WM_CLOSE, 0, TRUE},
        {"edit change", WM_COMMAND, MAKEWPARAM(kOffsetEdit, EN_CHANGE), FALSE},
        {"unknown command", WM_COMMAND, MAKEWPARAM(4711, BN_CLICKED), FALSE},
        {"other message", WM_USER, 0, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(dialogs().sendMessage(dialog, c.msg, c.wParam, 0), c.answer);
    }
    EXPECT_EQ(dialogs().sendNotify(dialog, kOffsetSpin, UDN_DELTAPOS), TRUE);
    EXPECT_EQ(dialogs().openDialogs().size(), 1u);  // WM_CLOSE alone closes nothing
}

TEST_F(ConfigDialogTest, DoneAndTheCaptionButtonClose) {
    loadCore();
    for (bool caption : {false, true}) {
        HWND dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(
            caption ? dialogs().closeFromCaption(dialog) : dialogs().pressButton(dialog, kDone),
            TRUE);
        EXPECT_TRUE(dialogs().openDialogs().empty());
    }
}

TEST_F(ConfigDialogTest, DeletingTheVesselClosesItsDialog) {
    sim::HostVessel& core = loadCore();
    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    sim_.deleteVessel(core);
    EXPECT_TRUE(dialogs().openDialogs().empty());
    EXPECT_EQ(SendDlgItemMessageA(dialog, kFairingList, CB_GETCOUNT, 0, 0), 0);
}

}  // namespace
