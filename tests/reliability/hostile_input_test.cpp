// Hostile input through the real host and modules: names longer than any buffer, a current
// directory too long for the preferences path, scenarios with faults of every kind, cut short
// or turned to garbage. Bad input gives one clear line naming the file and line and leaves the
// simulation as it was; under the sanitizers a write past a buffer fails the test.
#include <random>

#include "dialog/dialog_service.h"
#include "reliability_tree.h"

namespace reliability {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::UnorderedElementsAreArray;

constexpr std::size_t kMaxSpawnedName = 255;  // longest name the vessels give what they create
constexpr double kFrame = 0.1;                // [s]

// The name a vessel called `creator` gives the vessel it creates with `suffix`.
std::string Spawned(const std::string& creator, const std::string& suffix) {
    return creator.substr(0, kMaxSpawnedName - suffix.size()) + suffix;
}

class HostileInput : public ReliabilityTree {
  protected:
    // Loads the text; when it loads, flies a frame, and the saved text must load again.
    void LoadFlySaveReload(const std::string& text, const std::string& source) {
        try {
            Load(text, source);
        } catch (const sim::Error& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind(source + ":", 0), 0u) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
            return;
        }
        Sim().step(kFrame);
        const std::string saved = Sim().saveScenarioText();
        EXPECT_NO_THROW(Load(saved, "saved.scn")) << saved;
    }
};

TEST_F(HostileInput, LongNamesAreCutInTheVesselsTheyCreate) {
    const std::string core(300, 'C');
    const std::string stage(300, 'S');
    Load(Scenario(PadShip(core, kCoreClass) + OrbitShip(stage, kStageClass), core));
    Sim().pressKey(OAPI_KEY_J);  // boosters
    Sim().pressKey(OAPI_KEY_K);  // fairing
    Sim().setFocus(&Vessel(stage));
    Sim().pressKey(OAPI_KEY_K);
    Sim().step(kFrame);

    const std::vector<std::string> expected = {
        core,
        stage,
        Spawned(core, "-LRB1"),
        Spawned(core, "-LRB2"),
        Spawned(core, "-LRB3"),
        Spawned(core, "-LRB4"),
        Spawned(core, "-Fairing1"),
        Spawned(core, "-Fairing2"),
        Spawned(stage, "-Fairing1"),
        Spawned(stage, "-Fairing2"),
    };
    EXPECT_THAT(Names(), UnorderedElementsAreArray(expected));
    // The long names themselves are kept whole through a saved scenario.
    Load(Sim().saveScenarioText());
    EXPECT_THAT(Names(), UnorderedElementsAreArray(expected));
}

TEST_F(HostileInput, NamesCutToTheSameTextCreateOneVesselAndReportTheOther) {
    const std::string first = std::string(290, 'C') + "first";
    const std::string second = std::string(290, 'C') + "second";
    Load(Scenario(PadShip(first, kCoreClass, 0) + PadShip(second, kCoreClass, 1), first));
    Sim().pressKey(OAPI_KEY_J);
    Sim().setFocus(&Vessel(second));
    Sim().pressKey(OAPI_KEY_J);
    Sim().step(kFrame);

    EXPECT_EQ(Names().size(), 2u + 4u);  // the first core's boosters only
    EXPECT_EQ(Core(second).boostersAttached, 0);
    for (const char* suffix : {"-LRB1", "-LRB2", "-LRB3", "-LRB4"}) {
        EXPECT_THAT(warnings, Contains(AllOf(HasSubstr(Spawned(second, suffix)),
                                             HasSubstr("the name is in use"))));
    }
}

TEST_F(HostileInput, CurrentDirectoryTooLongForThePreferencesPathFindsNoPreferences) {
    fs::path deep = root;
    while (deep.string().size() <= MAX_PATH) deep /= std::string(60, 'd');
    fs::create_directories(deep);
    fs::copy_file(root / "Arvex_Prefs.ini", deep / "Arvex_Prefs.ini");
    fs::current_path(deep);

    Load(Scenario(PadShip("Arvex1", kCoreClass) + OrbitShip("Stage1", kStageClass), "Arvex1"));
    Arvex& core = Core("Arvex1");
    EXPECT_STREQ(core.prefsPath, "");
    EXPECT_EQ(core.fairingMass, 0.0);  // the defaults of a fairing without preferences

    Sim().pressKey(OAPI_KEY_SPACE, {OAPI_KEY_LCONTROL});
    auto& dialogs = Sim().service<sim::dialog::DialogService>();
    ASSERT_EQ(dialogs.openDialogs().size(), 1u);
    EXPECT_THAT(dialogs.comboEntries(dialogs.openDialogs().front()->handle(), 1021),
                ElementsAre("No Fairing"));

    Sim().pressKey(OAPI_KEY_K);
    Sim().setFocus(&Vessel("Stage1"));
    Sim().pressKey(OAPI_KEY_K);
    Sim().step(kFrame);
    EXPECT_EQ(Names().size(), 6u);  // both vessels threw off their two halves
}

struct BadScenario {
    const char* fault;
    std::string ships;
    std::vector<std::string> messageParts;  // after "bad.scn:"
};

TEST_F(HostileInput, FaultyScenarioIsRefusedWithOneLineAndNothingOfItStays) {
    const std::string payload = "  PAYLOAD " + std::string(kSatelliteClass) + " Sat1\n";
    const BadScenario cases[] = {
        {"duplicate names",
         PadShip("Twin", kCoreClass, 0) + PadShip("TWIN", kCoreClass, 1),
         {"12: ", "\"TWIN\"", "already exists"}},
        {"attached to a missing parent",
         OrbitShip("Sat1", kSatelliteClass, "  ATTACHED 0:0,Nowhere\n"),
         {"10: ", "\"Sat1\"", "\"Nowhere\"", "not in the scenario"}},
        {"payload of a missing class",
         PadShip("Carrier", kCoreClass, 0, "  PAYLOAD Arvex/Payloads/NoSuchSatellite Sat9\n"),
         {"11: ", "\"Carrier\"", "\"Sat9\"", "NoSuchSatellite"}},
        {"the same payload twice",
         PadShip("Carrier", kCoreClass, 0, payload + payload),
         {"12: ", "\"Carrier\"", "\"Sat1\"", "twice"}},
        {"a vessel of a missing class",
         PadShip("Ghost", "Arvex/NoSuchClass", 0),
         {"6: ", "\"Ghost\"", "Arvex/NoSuchClass"}},
        {"a thruster level that is not a number",
         PadShip("Hot", kCoreClass, 0, "  THLEVEL 0:nan\n"),
         {"11: ", "\"Hot\"", "unreadable THLEVEL line"}},
        {"a zero byte in a vessel's name",
         OrbitShip(std::string("Stage") + '\0' + "1", kStageClass),
         {"6: ", "zero byte"}},
        {"an infinite propellant level",
         PadShip("Full", kCoreClass, 0, "  PRPLEVEL 0:inf\n"),
         {"11: ", "\"Full\"", "unreadable PRPLEVEL line"}},
        {"a speed whose forces overflow",
         FlyingShip("Flung", kStageClass, "0 0 0", "1e300 0 0"),
         {"9: ", "\"Flung\"", "unreadable RVEL line: faster than light"}},
        {"a distance beyond any flight",
         FlyingShip("Far", kStageClass, "2e15 0 0", "0 0 0"),
         {"8: ", "\"Far\"", "unreadable RPOS line: farther than 1e15 m"}},
        {"a rotation the integrator cannot follow",
         OrbitShip("Spun", kStageClass, "  VROT 0 6e4 0\n"),
         {"10: ", "\"Spun\"", "unreadable VROT line: turning faster than 1000 rad/s"}},
        {"an altitude beyond any flight",
         PadShip("High", kCoreClass, 0, "  ALT 1e300\n"),
         {"11: ", "\"High\"", "unreadable ALT line: farther than 1e15 m"}},
        {"more propellant than any tank holds",
         PadShip("Heavy", kCoreClass, 0, "  PRPLEVEL 0:1e306\n"),
         {"11: ", "\"Heavy\"", "unreadable PRPLEVEL line"}},
        {"an attitude that is not a number",
         OrbitShip("Lost", kStageClass, "  AROT nan 0 0\n"),
         {"10: ", "\"Lost\"", "unreadable AROT line"}},
    };
    Load(LaunchScenario(), "launch.scn");
    Sim().step(kFrame);
    const std::string before = Sim().saveScenarioText();
    for (const BadScenario& c : cases) {
        SCOPED_TRACE(c.fault);
        const std::string message = LoadError(Scenario(c.ships), "bad.scn");
        EXPECT_EQ(message.rfind("bad.scn:", 0), 0u) << message;
        for (const std::string& part : c.messageParts) EXPECT_THAT(message, HasSubstr(part));
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        EXPECT_EQ(Sim().saveScenarioText(), before);
    }
}

// Each module's own line with a number that is none, or one beyond its range: the module reads
// it as it reads a line it cannot read, the vessel flies on through the air, and the saved text
// holds numbers only and loads again.
TEST_F(HostileInput, ModuleLinesBeyondAnyNumberAreUnreadable) {
    const struct {
        const char* className;
        const char* lines;
    } cases[] = {
        {kBoosterClass, "  Parachute nan inf\n"},
        {kBoosterClass, "  Parachute 1e300 0.5\n"},
        {kCoreClass, "  FC_Config nan inf 1 1 nan\n  FC_State 2 0 0\n"},
        {kCoreClass, "  FC_Config 250000 90 1 1 35\n  FC_State 2 inf nan\n"},
        {kCoreClass, "  LV_State 1 0 1e300\n"},
        {kCoreClass, "  Offset nan\n"},
        {kStageClass, "  Misc 1e39\n"},
        {kFairingClass, "  Timer nan\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        warnings.clear();
        Load(Scenario(FlyingShip("Odd", c.className, "6381000 0 0", "0 0 300",
                                 std::string("  PRPLEVEL 0:1 1:1\n") + c.lines)),
             "odd.scn");
        Sim().run(1.0, kFrame);
        EXPECT_NE(Sim().findVessel("Odd"), nullptr);  // none of them is done within a second
        const std::string saved = Sim().saveScenarioText();
        EXPECT_THAT(saved, Not(HasSubstr("nan")));
        EXPECT_THAT(saved, Not(HasSubstr("inf")));
        EXPECT_THAT(warnings, Not(Contains(HasSubstr("\"Odd\""))));
        EXPECT_NO_THROW(Load(saved, "saved.scn")) << saved;
    }
}

TEST_F(HostileInput, DateBeyondAnyNumberIsRefused) {
    const std::string message =
        LoadError("BEGIN_ENVIRONMENT\n  Date MJD 41240.5e5162037\nEND_ENVIRONMENT\n", "date.scn");
    EXPECT_THAT(message, HasSubstr("date.scn:2: unreadable date"));
}

TEST_F(HostileInput, NamesAScenarioCannotHoldAreRefused) {
    const std::string message = LoadError(Scenario(OrbitShip("Sat;1", kSatelliteClass)), "bad.scn");
    EXPECT_THAT(message, HasSubstr("bad.scn:6: vessel \"Sat;1\""));
    EXPECT_THAT(message, HasSubstr("could not name it again"));

    // A payload's name is the rest of its line; the payload is made at the carrier's first frame.
    Load(Scenario(PadShip("Carrier", kCoreClass, 0,
                          std::string("  PAYLOAD ") + kSatelliteClass + " Sat:1\n")),
         "payload.scn");
    try {
        Sim().step(kFrame);
        ADD_FAILURE() << "no error";
    } catch (const sim::Error& e) {
        EXPECT_THAT(e.what(),
                    HasSubstr("vessel \"Carrier\": payload \"Sat:1\" could not be created"));
    }
    EXPECT_THAT(warnings, Contains(HasSubstr("could not name it again")));
}

TEST_F(HostileInput, ScenarioCutShortAnywhereLoadsOrIsRefused) {
    const std::string launch = LaunchScenario();
    constexpr std::size_t kCutStep = 7;  // [characters]; line ends are tried as well
    for (std::size_t length = 0; length < launch.size(); ++length) {
        if (length % kCutStep != 0 && launch[length] != '\n') continue;
        SCOPED_TRACE(length);
        LoadFlySaveReload(launch.substr(0, length), "cut.scn");
    }
}

TEST_F(HostileInput, BinaryGarbageLoadsOrIsRefused) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string launch = LaunchScenario();
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        std::string noise(static_cast<std::size_t>(random() % 2000), '\0');
        for (char& c : noise) c = static_cast<char>(byte(random));
        LoadFlySaveReload(noise, "noise.scn");

        std::string damaged = launch;
        for (int hits = 1 + round % 8; hits > 0; --hits)
            damaged[random() % damaged.size()] = static_cast<char>(byte(random));
        LoadFlySaveReload(damaged, "damaged.scn");
    }
}

}  // namespace
}  // namespace reliability
