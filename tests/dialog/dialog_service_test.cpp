// The host's dialog service, driven through a probe module's dialog: opening and closing, the
// Windows functions on controls, and the pilot's actions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "dialog/dialog_service.h"
#include "error.h"
#include "module_library.h"
#include "module_registry.h"
#include "probe_dialog.h"
#include "simulation.h"

namespace {

using sim::dialog::DialogService;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

sim::SimulationOptions probeOptions() {
    sim::SimulationOptions options;
    options.plugins = {"Test/DialogProbe"};
    options.loadConfiguredPlugins = false;
    options.warningSink = [](const std::string&) {};
    return options;
}

class DialogServiceTest : public ::testing::Test {
  protected:
    DialogServiceTest()
        : sim_(std::filesystem::current_path(), probeOptions()),
          module_(*sim_.modules().find("Test/DialogProbe")),
          open_(module_.function<probe::OpenFunction>("OpenProbeDialog")),
          log_(module_.function<probe::LogFunction>("ProbeLog")()) {
        log_.clear();
    }

    HWND openProbe(DWORD flags = 0, void* context = nullptr) {
        return open_(probe::kDialogId, flags, context);
    }
    DialogService& dialogs() { return sim_.service<DialogService>(); }
    std::vector<UINT> received() const {
        std::vector<UINT> messages;
        for (const auto& r : log_) messages.push_back(r.msg);
        return messages;
    }
    std::string text(HWND window) const {
        char buffer[256];
        GetWindowTextA(window, buffer, sizeof buffer);
        return buffer;
    }

    sim::Simulation sim_;
    sim::ModuleLibrary& module_;
    probe::OpenFunction open_;
    std::vector<probe::Received>& log_;
};

TEST_F(DialogServiceTest, OpeningInitialisesWithTheContextThenShows) {
    int vessel = 0;
    HWND dialog = openProbe(0, &vessel);
    ASSERT_NE(dialog, nullptr);
    ASSERT_THAT(received(), ElementsAre(WM_INITDIALOG, WM_SHOWWINDOW));
    // The context arrives in lParam; the host hands it out only once WM_INITDIALOG is answered.
    EXPECT_EQ(log_[0].lParam, reinterpret_cast<LPARAM>(&vessel));
    EXPECT_EQ(log_[0].context, nullptr);
    EXPECT_EQ(log_[0].wParam, reinterpret_cast<WPARAM>(GetDlgItem(dialog, probe::kButton)));
    EXPECT_EQ(log_[1].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(log_[1].context, &vessel);
    EXPECT_EQ(oapiGetDialogContext(dialog), &vessel);
    EXPECT_EQ(oapiFindDialog(module_.instance(), probe::kDialogId), dialog);
    EXPECT_EQ(text(dialog), "Probe");
    EXPECT_EQ(text(GetDlgItem(dialog, probe::kLabel)), "Label");
}

TEST_F(DialogServiceTest, TheSameDialogOpensOnceUnlessSeveralAreAllowed) {
    HWND first = openProbe();
    ASSERT_NE(first, nullptr);
    log_.clear();
    EXPECT_EQ(openProbe(), nullptr);
    EXPECT_TRUE(log_.empty());
    HWND second = openProbe(DLG_ALLOWMULTI);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(dialogs().openDialogs().size(), 2u);
}

TEST_F(DialogServiceTest, ClosingSendsDestroyAndRetiresEveryHandle) {
    HWND dialog = openProbe();
    HWND edit = GetDlgItem(dialog, probe::kEdit);
    SetWindowTextA(edit, "12");
    log_.clear();

    ASSERT_TRUE(oapiCloseDialog(dialog));
    EXPECT_THAT(received(), ElementsAre(WM_DESTROY));
    EXPECT_FALSE(oapiCloseDialog(dialog));
    EXPECT_EQ(oapiFindDialog(module_.instance(), probe::kDialogId), nullptr);
    EXPECT_EQ(oapiGetDialogContext(dialog), nullptr);
    EXPECT_EQ(GetDlgItem(dialog, probe::kEdit), nullptr);
    EXPECT_EQ(SendMessageA(dialog, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(SetWindowTextA(edit, "3"));
    char buffer[8] = "stale";
    EXPECT_EQ(GetWindowTextA(edit, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_THROW(dialogs().pressButton(dialog, probe::kButton), sim::Error);

    HWND reopened = openProbe();
    ASSERT_NE(reopened, nullptr);
    EXPECT_NE(reopened, dialog);
    EXPECT_EQ(text(GetDlgItem(reopened, probe::kEdit)), "");
}

TEST_F(DialogServiceTest, AMissingTemplateGivesNoDialogAndOneWarning) {
    const std::size_t before = sim_.warnings().size();
    EXPECT_EQ(open_(99, 0, nullptr), nullptr);
    ASSERT_EQ(sim_.warnings().size(), before + 1);
    EXPECT_THAT(sim_.warnings().back(), HasSubstr("dialog template 99"));
    EXPECT_THAT(sim_.warnings().back(), HasSubstr("DialogProbe"));
    EXPECT_TRUE(dialogs().openDialogs().empty());
}

TEST_F(DialogServiceTest, WindowTextIsCutToTheBuffer) {
    HWND dialog = openProbe();
    HWND edit = GetDlgItem(dialog, probe::kEdit);
    ASSERT_TRUE(SetWindowTextA(edit, "123456789"));
    char small[5] = "xxxx";
    EXPECT_EQ(GetWindowTextA(edit, small, sizeof small), 4);
    EXPECT_STREQ(small, "1234");
    EXPECT_EQ(GetWindowTextA(edit, small, 0), 0);
    EXPECT_EQ(dialogs().controlText(dialog, probe::kEdit), "123456789");
    ASSERT_TRUE(SetWindowTextA(dialog, "Renamed"));
    EXPECT_EQ(dialogs().openDialogs().front()->title(), "Renamed");
}

TEST_F(DialogServiceTest, ComboBoxMessagesKeepTheListAndTheEditField) {
    HWND dialog = openProbe();
    HWND combo = GetDlgItem(dialog, probe::kCombo);
    EXPECT_EQ(SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("alpha")), 0);
    EXPECT_EQ(SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("beta")), 1);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);

    EXPECT_EQ(SendDlgItemMessageA(dialog, probe::kCombo, CB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(text(combo), "beta");
    char entry[16] = {};
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry)), 5);
    EXPECT_STREQ(entry, "alpha");
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(entry)), CB_ERR);

    // -1 or an index past the end clears the selection and the edit field.
    for (WPARAM index : {static_cast<WPARAM>(-1), WPARAM{2}}) {
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
        EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, index, 0), CB_ERR);
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(text(combo), "");
    }

    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessageA(combo, CB_RESETCONTENT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(text(combo), "");
}

TEST_F(DialogServiceTest, UpDownMessagesShowThePositionInTheBuddy) {
    HWND dialog = openProbe();
    HWND spin = GetDlgItem(dialog, probe::kSpin);
    HWND edit = GetDlgItem(dialog, probe::kEdit);
    int low = 0, high = 0;
    SendMessageA(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 100);  // Windows' default range runs downwards
    EXPECT_EQ(high, 0);

    SendMessageA(spin, UDM_SETRANGE32, 0, 20);
    SendMessageA(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 20);
    EXPECT_EQ(SendMessageA(spin, UDM_SETPOS32, 0, 7), 0);
    EXPECT_EQ(text(edit), "7");
    EXPECT_EQ(SendMessageA(spin, UDM_SETPOS32, 0, 50), 7);
    EXPECT_EQ(text(edit), "20");

    BOOL error = TRUE;
    SetWindowTextA(edit, "12");
    EXPECT_EQ(SendMessageA(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 12);
    EXPECT_FALSE(error);
    SetWindowTextA(edit, "2.5");
    EXPECT_EQ(SendMessageA(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 12);
    EXPECT_TRUE(error);
}

TEST_F(DialogServiceTest, ArrowClicksAnnounceTheStepThenWriteWholeNumbers) {
    HWND dialog = openProbe();
    SendDlgItemMessageA(dialog, probe::kSpin, UDM_SETRANGE32, 0, 10);
    dialogs().typeText(dialog, probe::kEdit, "8");
    log_.clear();

    dialogs().clickUpDown(dialog, probe::kSpin, 3);
    EXPECT_EQ(dialogs().controlText(dialog, probe::kEdit), "10");  // stops at the top
    ASSERT_THAT(received(), ElementsAre(WM_NOTIFY, WM_NOTIFY, WM_NOTIFY));
    EXPECT_EQ(log_[0].wParam, static_cast<WPARAM>(probe::kSpin));
    EXPECT_EQ(log_[0].change.hdr.code, static_cast<UINT>(UDN_DELTAPOS));
    EXPECT_EQ(log_[0].change.hdr.hwndFrom, GetDlgItem(dialog, probe::kSpin));
    EXPECT_EQ(log_[0].change.iPos, 8);
    EXPECT_EQ(log_[0].change.iDelta, 1);

    // Text that is not a whole number leaves the last position to step from.
    dialogs().typeText(dialog, probe::kEdit, "2.500000");
    dialogs().clickUpDown(dialog, probe::kSpin, -2);
    EXPECT_EQ(dialogs().controlText(dialog, probe::kEdit), "8");
}

TEST_F(DialogServiceTest, PilotActionsSendWhatWindowsSends) {
    HWND dialog = openProbe(DLG_CAPTIONCLOSE);
    SendDlgItemMessageA(dialog, probe::kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    SendDlgItemMessageA(dialog, probe::kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
    log_.clear();

    EXPECT_EQ(dialogs().pressButton(dialog, probe::kButton), TRUE);
    dialogs().typeText(dialog, probe::kEdit, "3.25");
    dialogs().pickComboEntry(dialog, probe::kCombo, 1);
    EXPECT_EQ(dialogs().comboSelection(dialog, probe::kCombo), 1);
    EXPECT_EQ(dialogs().controlText(dialog, probe::kCombo), "two");
    dialogs().typeText(dialog, probe::kCombo, "typed");
    EXPECT_EQ(dialogs().comboSelection(dialog, probe::kCombo), CB_ERR);
    EXPECT_THAT(dialogs().comboEntries(dialog, probe::kCombo), ElementsAre("one", "two"));

    const std::vector<std::pair<int, int>> commands = {{probe::kButton, BN_CLICKED},
                                                       {probe::kEdit, EN_CHANGE},
                                                       {probe::kCombo, CBN_SELCHANGE},
                                                       {probe::kCombo, CBN_EDITCHANGE}};
    ASSERT_EQ(log_.size(), commands.size());
    for (std::size_t i = 0; i < commands.size(); ++i) {
        EXPECT_EQ(log_[i].msg, static_cast<UINT>(WM_COMMAND));
        EXPECT_EQ(log_[i].wParam, MAKEWPARAM(commands[i].first, commands[i].second));
        EXPECT_EQ(log_[i].lParam, reinterpret_cast<LPARAM>(GetDlgItem(dialog, commands[i].first)));
    }

    // The caption's close button is the IDCANCEL command; the probe closes on it.
    log_.clear();
    dialogs().closeFromCaption(dialog);
    ASSERT_THAT(received(), ElementsAre(WM_COMMAND, WM_DESTROY));
    EXPECT_EQ(log_[0].wParam, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    EXPECT_TRUE(dialogs().openDialogs().empty());
}

TEST_F(DialogServiceTest, ActionsAControlDoesNotTakeNameTheDialogAndControl) {
    HWND dialog = openProbe();
    DialogService& d = dialogs();
    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {[&] { d.pressButton(dialog, 42); }, "has no control 42"},
        {[&] { d.pressButton(dialog, probe::kFrame); }, "control -1 is not a button"},
        {[&] { d.typeText(dialog, probe::kLabel, "x"); }, "control 15 takes no typing"},
        {[&] { d.typeText(dialog, probe::kDropDownList, "x"); }, "control 14 takes no typing"},
        {[&] { d.pickComboEntry(dialog, probe::kCombo, 0); }, "control 13 has no entry 0"},
        {[&] { d.pickComboEntry(dialog, probe::kEdit, 0); }, "control 11 is not a combo box"},
        {[&] { d.clickUpDown(dialog, probe::kEdit, 1); }, "control 11 is not an up-down control"},
        {[&] { d.closeFromCaption(dialog); }, "has no close button in its caption"},
    };
    for (const auto& [action, message] : cases) {
        try {
            action();
            ADD_FAILURE() << "no error for: " << message;
        } catch (const sim::Error& e) {
            EXPECT_THAT(e.what(), HasSubstr("dialog \"Probe\" (template 7)"));
            EXPECT_THAT(e.what(), HasSubstr(message));
        }
    }
}

}  // namespace
