// The host's MFD service with a mode of the test's own: registration, the opening and closing
// sequence, redraws at the refresh interval and on request, labels re-queried when asked,
// display sizes, displays closed with their vessel, and bad requests.
#include <gmock/gmock.h>

#include <functional>
#include <string>
#include <vector>

#include "error.h"
#include "host_tree.h"
#include "ui/mfd_service.h"

namespace mfdtest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// What the probe mode saw, in order.
struct ProbeLog {
    std::vector<std::string> events;
    int updates = 0;
    bool answerOpenedEx = false;
    char label[4] = "OLD";
} g_probe;

void Note(const std::string& event) {
    g_probe.events.push_back(event);
}

class ProbeMode : public MFD2 {
  public:
    ProbeMode(DWORD w, DWORD h, VESSEL* vessel) : MFD2(w, h, vessel) {
        Note("made " + std::to_string(w) + "x" + std::to_string(h) + " for " + vessel->GetName());
    }
    ~ProbeMode() override {
        Note(std::string("destroyed, vessel ") +
             (oapiIsVessel(pV->GetHandle()) ? "alive" : "gone"));
    }
    bool ConsumeButton(int bt, int event) override {
        Note("button " + std::to_string(bt) + " event " + std::to_string(event));
        if (bt == 0) InvalidateDisplay();
        if (bt == 1) InvalidateButtons();
        return bt < 2;
    }
    char* ButtonLabel(int bt) override { return bt == 0 ? g_probe.label : nullptr; }
    void StoreStatus() const override { Note("store"); }
    void RecallStatus() override {
        // The host binds the object to its display before this call.
        Note(std::string("recall, ") + (GetDefaultFont(0) != nullptr ? "bound" : "unbound") +
             ", cell " + std::to_string(cw) + "x" + std::to_string(ch));
    }
    bool Update(oapi::Sketchpad* skp) override {
        ++g_probe.updates;
        return Title(skp, "PROBE");
    }
};

OAPI_MSGTYPE ProbeProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam) {
    auto* vessel = reinterpret_cast<VESSEL*>(lparam);
    if (msg == OAPI_MSG_MFD_OPENEDEX) {
        const auto* spec = reinterpret_cast<const MFDMODEOPENSPEC*>(wparam);
        Note("OPENEDEX " + std::to_string(mfd) + " " + std::to_string(spec->w) + "x" +
             std::to_string(spec->h) + " " + spec->spec->name);
        if (g_probe.answerOpenedEx) {
            return reinterpret_cast<OAPI_MSGTYPE>(new ProbeMode(spec->w, spec->h, vessel));
        }
        return 0;
    }
    if (msg == OAPI_MSG_MFD_OPENED) {
        Note("OPENED " + std::to_string(mfd) + " " + std::to_string(LOWORD(wparam)) + "x" +
             std::to_string(HIWORD(wparam)));
        return reinterpret_cast<OAPI_MSGTYPE>(
            new ProbeMode(LOWORD(wparam), HIWORD(wparam), vessel));
    }
    Note("message " + std::to_string(msg) + " " + std::to_string(wparam) + " " +
         std::to_string(lparam));
    return 0;
}

class MfdService : public HostTree {
  protected:
    MfdService() { g_probe = {}; }

    sim::ui::MfdService& Mfds() { return Sim().service<sim::ui::MfdService>(); }

    int Register(const char* name, DWORD key = OAPI_KEY_P) {
        Sim();
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%s", name);
        MFDMODESPECEX spec{buffer, key, nullptr, ProbeProc};
        const int id = oapiRegisterMFDMode(spec);
        buffer[0] = '#';  // the host keeps its own copy of the name
        return id;
    }

    std::vector<std::string> Events() { return std::exchange(g_probe.events, {}); }
};

TEST_F(MfdService, RegistrationGivesIdsAfterTheBuiltInModesAndFreesTakenKeys) {
    Sim();
    EXPECT_EQ(Register("Alpha", OAPI_KEY_Q), BUILTIN_MFD_MODES + 1);
    EXPECT_EQ(Register("Bravo", OAPI_KEY_Q), BUILTIN_MFD_MODES + 2);
    EXPECT_EQ(Register("Charlie", OAPI_KEY_Q), BUILTIN_MFD_MODES + 3);
    const auto& modes = Mfds().modes();
    ASSERT_NE(modes.find("alpha"), nullptr);
    EXPECT_EQ(modes.find("alpha")->name, "Alpha");
    EXPECT_EQ(modes.find("Alpha")->spec.key, static_cast<DWORD>(OAPI_KEY_Q));
    EXPECT_EQ(modes.find("Bravo")->spec.key, static_cast<DWORD>(OAPI_KEY_1));
    EXPECT_EQ(modes.find("Charlie")->spec.key, static_cast<DWORD>(OAPI_KEY_2));

    EXPECT_TRUE(oapiUnregisterMFDMode(BUILTIN_MFD_MODES + 2));
    EXPECT_FALSE(oapiUnregisterMFDMode(BUILTIN_MFD_MODES + 2));
    EXPECT_EQ(modes.find("Bravo"), nullptr);

    MFDMODESPECEX broken{const_cast<char*>("Broken"), OAPI_KEY_B, nullptr, nullptr};
    EXPECT_EQ(oapiRegisterMFDMode(broken), 0);
    EXPECT_THAT(warnings, ElementsAre(HasSubstr("\"Broken\" has no message procedure")));
}

TEST_F(MfdService, OpeningAndClosingFollowTheHostsSequence) {
    Ship("Ship");
    Register("Probe");
    Mfds().openMode(MFD_RIGHT, "Probe", *Sim().findVessel("Ship"));
    EXPECT_THAT(Events(), ElementsAre("OPENEDEX 1 256x256 Probe", "OPENED 1 256x256",
                                      "made 256x256 for Ship", "recall, bound, cell 7x12"));
    Mfds().closeMode(MFD_RIGHT);
    EXPECT_THAT(Events(), ElementsAre("store", "message 2 0 0", "destroyed, vessel alive"));

    // A mode that answers the first message is not sent the second.
    g_probe.answerOpenedEx = true;
    Mfds().openMode(MFD_LEFT, "probe", *Sim().findVessel("Ship"));
    EXPECT_THAT(Events(), ElementsAre("OPENEDEX 0 256x256 Probe", "made 256x256 for Ship",
                                      "recall, bound, cell 7x12"));
    // Opening another mode on the display closes the one shown.
    Mfds().openMode(MFD_LEFT, "Probe", *Sim().findVessel("Ship"));
    EXPECT_THAT(Events(), ElementsAre("store", "message 2 0 0", "destroyed, vessel alive",
                                      "OPENEDEX 0 256x256 Probe", "made 256x256 for Ship",
                                      "recall, bound, cell 7x12"));
}

TEST_F(MfdService, RedrawsAtTheRefreshIntervalAndWhenTheModeAsks) {
    Ship("Ship");
    Register("Probe");
    Mfds().openMode(MFD_LEFT, "Probe", *Sim().findVessel("Ship"));
    Sim().step(0.25);
    EXPECT_EQ(g_probe.updates, 1);
    EXPECT_EQ(Mfds().display(MFD_LEFT).buttonLabels()[0], "OLD");
    Sim().step(0.25);
    EXPECT_EQ(g_probe.updates, 1);
    Sim().step(0.25);  // 0.5 s after the first update
    EXPECT_EQ(g_probe.updates, 2);

    EXPECT_TRUE(Mfds().pressButton(MFD_LEFT, 0));
    Sim().step(0.25);
    EXPECT_EQ(g_probe.updates, 3);

    // Labels are asked again only when the mode says they changed.
    std::snprintf(g_probe.label, sizeof g_probe.label, "NEW");
    Sim().run(1.0, 0.25);
    EXPECT_EQ(Mfds().display(MFD_LEFT).buttonLabels()[0], "OLD");
    EXPECT_TRUE(Mfds().pressButton(MFD_LEFT, 1, PANEL_MOUSE_LBDOWN));
    Mfds().refresh();
    EXPECT_EQ(Mfds().display(MFD_LEFT).buttonLabels()[0], "NEW");
    EXPECT_THAT(Events(), ::testing::Contains("button 0 event 17"));
}

TEST_F(MfdService, ModesAreMadeForTheDisplaysSize) {
    Ship("Ship");
    Register("Probe");
    Mfds().setDisplaySize(MFD_RIGHT, 400, 300);
    Mfds().openMode(MFD_RIGHT, "Probe", *Sim().findVessel("Ship"));
    Events();
    Mfds().setDisplaySize(MFD_RIGHT, 320, 240);
    EXPECT_THAT(Events(), ElementsAre("store", "message 2 0 0", "destroyed, vessel alive",
                                      "OPENEDEX 1 320x240 Probe", "OPENED 1 320x240",
                                      "made 320x240 for Ship", "recall, bound, cell 7x12"));
    EXPECT_THROW(Mfds().setDisplaySize(MFD_RIGHT, 0, 200), sim::Error);
    EXPECT_THROW(Mfds().setDisplaySize(MFD_RIGHT, 70000, 200), sim::Error);
}

TEST_F(MfdService, DisplaysCloseBeforeTheirVesselGoes) {
    Ship("Ship");
    Ship("Other");
    Register("Probe");
    Mfds().openMode(MFD_LEFT, "Probe", *Sim().findVessel("Ship"));
    Mfds().openMode(MFD_RIGHT, "Probe", *Sim().findVessel("Other"));
    Events();
    Sim().deleteVessel(*Sim().findVessel("Ship"));
    EXPECT_THAT(Events(), ElementsAre("store", "message 2 0 0", "destroyed, vessel alive"));
    EXPECT_FALSE(Mfds().display(MFD_LEFT).isOpen());

    EndSimulation();
    EXPECT_THAT(Events(), ElementsAre("store", "message 2 0 0", "destroyed, vessel alive"));
}

TEST_F(MfdService, UnregisteringAModeClosesItsDisplays) {
    Ship("Ship");
    const int id = Register("Probe");
    Mfds().openMode(MFD_LEFT, "Probe", *Sim().findVessel("Ship"));
    Events();
    EXPECT_TRUE(oapiUnregisterMFDMode(id));
    EXPECT_THAT(Events(), ElementsAre("store", "message 2 0 0", "destroyed, vessel alive"));
}

TEST_F(MfdService, BadRequestsAreReportedInOneLine) {
    Register("Probe");
    EXPECT_THROW(Mfds().openMode(MFD_LEFT, "Probe"), sim::Error);  // no vessel to take the focus
    Ship("Ship");
    struct Case {
        const char* expected;
        std::function<void()> request;
    };
    const Case cases[] = {
        {"MFD mode \"Nothing\" is not registered",
         [&] { Mfds().openMode(MFD_LEFT, "Nothing", *Sim().findVessel("Ship")); }},
        {"MFD display 12 does not exist", [&] { Mfds().display(12); }},
        {"the left MFD shows no mode", [&] { Mfds().pressButton(MFD_LEFT, 0); }},
        {"the right MFD shows no mode", [&] { Mfds().writeSvg(MFD_RIGHT, root / "x.svg"); }},
        {"MFD button 12 does not exist",
         [&] {
             Mfds().openMode(MFD_LEFT, "Probe", *Sim().findVessel("Ship"));
             Mfds().pressButton(MFD_LEFT, 12);
         }},
        {"\"middle\" names no MFD display", [] { sim::ui::MfdService::displayId("middle"); }},
        {"refresh interval must not be negative", [&] { Mfds().setRefreshInterval(-1.0); }},
    };
    for (const Case& c : cases) {
        try {
            c.request();
            ADD_FAILURE() << "no error for: " << c.expected;
        } catch (const sim::Error& e) {
            EXPECT_THAT(e.what(), HasSubstr(c.expected));
            EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos);
        }
    }
}

TEST_F(MfdService, DisplaysAreNamedAsScriptsNameThem) {
    const std::pair<const char*, int> names[] = {
        {"left", MFD_LEFT}, {"Right", MFD_RIGHT}, {"user1", MFD_USER1}, {"user 10", 11}, {"0", 0},
        {"11", 11}};
    for (const auto& [name, id] : names)
        EXPECT_EQ(sim::ui::MfdService::displayId(name), id) << name;
    for (const char* bad : {"user0", "user11", "12", "-1", "", "left2"}) {
        EXPECT_THROW(sim::ui::MfdService::displayId(bad), sim::Error) << bad;
    }
}

TEST_F(MfdService, TitleIsDrawnTopLeftInWhiteWithTheStandardFont) {
    Ship("Ship");
    Register("Probe");
    Mfds().openMode(MFD_LEFT, "Probe", *Sim().findVessel("Ship"));
    const sim::ui::DisplayList& drawn = Mfds().redraw(MFD_LEFT);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].text, "PROBE");
    EXPECT_EQ(drawn[0].colour, 0xFFFFFFu);
    EXPECT_EQ(drawn[0].font, (sim::ui::FontSpec{"Fixed", 256 / 20, false, FONT_NORMAL, 0}));
    EXPECT_EQ(drawn[0].horizontal, oapi::Sketchpad::LEFT);
    EXPECT_EQ(drawn[0].vertical, oapi::Sketchpad::TOP);
    EXPECT_EQ(drawn[0].x, 3);
    EXPECT_EQ(drawn[0].y, 3);
}

}  // namespace
}  // namespace mfdtest
