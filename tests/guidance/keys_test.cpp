// The core vessel's keyboard commands and cockpit camera, through the host's buffered-key
// entry point on a core vessel loaded from the built module.
#include <vector>

#include "core_tree.h"
#include "dialog/dialog_service.h"
#include "flight_computer.h"

namespace {

class CoreKeys : public coretest::CoreTree {
  protected:
    CoreKeys() {
        Write("Arvex_Prefs.ini",
              "[Fairing1]\nName = Short\nMesh = Arvex\\Fairings\\short\n"
              "Mass = 1000\n");
    }

    // A fresh core vessel with a fairing, in focus, seen from the cockpit.
    Arvex& NewCore() {
        sim::HostVessel& host =
            Create("Core" + std::to_string(++count), CoreClass("Keys", "Fairing = 1\n"));
        Sim().setFocus(&host);
        Sim().setCameraInternal(true);
        return Core(host);
    }
    VECTOR3 CameraDirection(const Arvex& core) {
        return Sim().findVessel(core.GetHandle())->cameraDirection;
    }
    size_t OpenDialogs() {
        return Sim().service<sim::dialog::DialogService>().openDialogs().size();
    }

    int count = 0;
};

enum class Effect {
    None,
    BoostersSeparated,
    FairingJettisoned,
    CameraFlipped,
    AutopilotOn,
    DialogOpen
};

struct KeyCase {
    const char* name;
    DWORD key;
    std::vector<DWORD> held;
    int result;
    Effect effect;
};

const KeyCase kKeyCases[] = {
    {"J", OAPI_KEY_J, {}, 1, Effect::BoostersSeparated},
    {"Alt+J", OAPI_KEY_J, {OAPI_KEY_LALT}, 1, Effect::BoostersSeparated},
    {"Ctrl+J without payload", OAPI_KEY_J, {OAPI_KEY_RCONTROL}, 1, Effect::None},
    {"K", OAPI_KEY_K, {}, 1, Effect::FairingJettisoned},
    {"Alt+K", OAPI_KEY_K, {OAPI_KEY_RALT}, 1, Effect::FairingJettisoned},
    {"Ctrl+K", OAPI_KEY_K, {OAPI_KEY_LCONTROL}, 0, Effect::None},
    {"C", OAPI_KEY_C, {}, 1, Effect::CameraFlipped},
    {"Alt+C", OAPI_KEY_C, {OAPI_KEY_LALT}, 1, Effect::CameraFlipped},
    {"Ctrl+C", OAPI_KEY_C, {OAPI_KEY_RCONTROL}, 0, Effect::None},
    {"L", OAPI_KEY_L, {}, 0, Effect::None},
    {"Ctrl+L", OAPI_KEY_L, {OAPI_KEY_LCONTROL}, 1, Effect::AutopilotOn},
    {"Right Ctrl+L", OAPI_KEY_L, {OAPI_KEY_RCONTROL}, 1, Effect::AutopilotOn},
    {"Ctrl+Alt+L", OAPI_KEY_L, {OAPI_KEY_LCONTROL, OAPI_KEY_RALT}, 0, Effect::None},
    {"Space", OAPI_KEY_SPACE, {}, 0, Effect::None},
    {"Ctrl+Space", OAPI_KEY_SPACE, {OAPI_KEY_RCONTROL}, 0, Effect::DialogOpen},
    {"Ctrl+Alt+Space", OAPI_KEY_SPACE, {OAPI_KEY_LCONTROL, OAPI_KEY_LALT}, 0, Effect::None},
    {"A", OAPI_KEY_A, {OAPI_KEY_LCONTROL}, 0, Effect::None},
};

TEST_F(CoreKeys, EachKeyActsOnlyWithItsModifiers) {
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        Arvex& core = NewCore();
        const size_t dialogsBefore = OpenDialogs();

        EXPECT_EQ(Sim().pressKey(c.key, c.held), c.result);

        EXPECT_EQ(core.boostersAttached, c.effect == Effect::BoostersSeparated ? 0 : 1);
        EXPECT_EQ(core.fairingAttached, c.effect == Effect::FairingJettisoned ? 0 : 1);
        EXPECT_EQ(core.cameraForward, c.effect == Effect::CameraFlipped ? 0 : 1);
        EXPECT_EQ(core.flightComputer->autopilotEngaged, c.effect == Effect::AutopilotOn ? 1 : 0);
        EXPECT_EQ(core.flightComputer->limiterActive, c.effect == Effect::AutopilotOn ? 1 : 0);
        EXPECT_EQ(OpenDialogs(), dialogsBefore + (c.effect == Effect::DialogOpen ? 1 : 0));
    }
}

TEST_F(CoreKeys, ReleaseEventsNeverAct) {
    Arvex& core = NewCore();
    char kstate[256] = {};
    kstate[OAPI_KEY_LCONTROL] = static_cast<char>(0x80);
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(core.clbkConsumeBufferedKey(c.key, false, kstate), 0);
    }
    EXPECT_EQ(core.boostersAttached, 1);
    EXPECT_EQ(core.fairingAttached, 1);
    EXPECT_EQ(core.cameraForward, 1);
    EXPECT_EQ(core.flightComputer->autopilotEngaged, 0);
    EXPECT_EQ(OpenDialogs(), 0u);
}

TEST_F(CoreKeys, CtrlSpaceOpensTheConfigurationDialogOnThisVessel) {
    Arvex& core = NewCore();
    ASSERT_EQ(Sim().pressKey(OAPI_KEY_SPACE, {OAPI_KEY_LCONTROL}), 0);
    const auto dialogs = Sim().service<sim::dialog::DialogService>().openDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]->resourceId(), 102);
    EXPECT_EQ(dialogs[0]->context(), &core);
    EXPECT_EQ(dialogs[0]->flags() & DLG_CAPTIONCLOSE, static_cast<DWORD>(DLG_CAPTIONCLOSE));
}

TEST_F(CoreKeys, CameraFlipsBetweenForwardAndBackward) {
    Arvex& core = NewCore();
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_C), 1);
    EXPECT_EQ(core.cameraForward, 0);
    EXPECT_TRUE(coretest::Near(CameraDirection(core), _V(0, 0, -1)));
    EXPECT_EQ(Sim().cockpitPolar(), 0.0);
    EXPECT_EQ(Sim().cockpitAzimuth(), 0.0);

    EXPECT_EQ(Sim().pressKey(OAPI_KEY_C), 1);
    EXPECT_EQ(core.cameraForward, 1);
    EXPECT_TRUE(coretest::Near(CameraDirection(core), _V(0, 0, 1)));

    // Outside the cockpit the key is left to the host.
    Sim().setCameraInternal(false);
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_C), 0);
    EXPECT_EQ(core.cameraForward, 1);
}

TEST_F(CoreKeys, GenericCockpitLooksAlongTheStoredDirection) {
    struct Case {
        int cameraForward;
        double z;
    };
    for (const Case& c : {Case{1, 1.0}, {0, -1.0}, {5, 1.0}}) {
        SCOPED_TRACE(c.cameraForward);
        Arvex& core = NewCore();
        core.cameraForward = c.cameraForward;
        EXPECT_TRUE(core.clbkLoadGenericCockpit());
        EXPECT_TRUE(coretest::Near(CameraDirection(core), _V(0, 0, c.z)));
    }
    // A stored value other than 0 or 1 flips to forward.
    Arvex& core = NewCore();
    core.cameraForward = 5;
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_C), 1);
    EXPECT_EQ(core.cameraForward, 1);
    EXPECT_TRUE(coretest::Near(CameraDirection(core), _V(0, 0, 1)));
}

TEST_F(CoreKeys, SeparationKeyAfterSeparationChangesNothing) {
    NewCore();
    ASSERT_EQ(Sim().pressKey(OAPI_KEY_J), 1);
    const size_t vessels = Sim().vessels().size();
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_J), 1);
    EXPECT_EQ(Sim().vessels().size(), vessels);
}

}  // namespace
