// The program's command line as a user meets it: help, one-line errors with a non-zero exit,
// and a run of no frames that still writes every output.
#include <gtest/gtest.h>

#include <cmath>

#include "program.h"

namespace apptest {
namespace {

struct BadRun {
    std::vector<std::string> args;
    std::string script;   // written to pilot.txt when not empty
    const char* message;  // part of the one error line
    int exitCode;
};

void PrintTo(const BadRun& bad, std::ostream* os) {
    *os << "arvex-sim";
    for (const std::string& arg : bad.args) *os << " " << arg;
}

class CommandLineError : public testing::TestWithParam<BadRun> {};

TEST_P(CommandLineError, OneLineOnStandardErrorAndANonZeroExit) {
    const BadRun& bad = GetParam();
    Scratch scratch;
    if (!bad.script.empty()) scratch.write("pilot.txt", bad.script);
    const ProgramResult result = scratch.run(bad.args);
    EXPECT_EQ(result.exitCode, bad.exitCode) << result.err;
    EXPECT_EQ(linesWith(result.err, "").size(), 1u) << result.err;
    EXPECT_EQ(result.err.rfind("arvex-sim: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(bad.message), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CommandLineError,
    testing::Values(
        BadRun{{}, "", "A subcommand is required", 1},
        BadRun{{"fly", "Arvex launch"}, "", "\"fly\" is not a command", 1},
        BadRun{{"run"}, "", "scenario is required", 1},
        BadRun{{"run", "Arvex launch", "--bogus"}, "", "--bogus", 1},
        BadRun{{"run", "Arvex launch", "--fixedstep=-1"}, "", "--fixedstep", 1},
        BadRun{{"run", "Arvex launch", "--fixedstep=fast"}, "", "--fixedstep", 1},
        BadRun{
            {"run", "Arvex launch", "--until=staging"}, "", "\"staging\" is not a flight event", 1},
        BadRun{{"run", "No such scenario"}, "", "scenario \"No such scenario\" not found", 1},
        BadRun{{"run", "Arvex launch", "--script=missing.txt"}, "", "missing.txt", 1},
        BadRun{{"run", "Arvex launch", "--vessel=Nobody"}, "", "no vessel named \"Nobody\"", 1},
        BadRun{{"run", "Arvex launch", "--script=pilot.txt"},
               "at 0: focus Arvex1\nat 1: launch now\n",
               "pilot.txt:2: \"launch\" is not an action",
               1},
        // Faults only the flight can find name the script line too.
        BadRun{{"run", "Arvex launch", "--script=pilot.txt"},
               "at 0: mfd open left \"Tessaron control\" Arvex1\nat 0.5: mfd button left FLY\n",
               "pilot.txt:2: MFD left: no button labelled \"FLY\"",
               1},
        BadRun{{"run", "Arvex launch", "--script=pilot.txt"},
               "at 0: key Nobody J\n",
               "pilot.txt:1: no vessel named \"Nobody\"",
               1},
        BadRun{{"run", "Arvex launch", "--script=pilot.txt"},
               "at 0: input 250\n",
               "pilot.txt:1: no input box is open",
               1},
        BadRun{{"run", "Arvex launch", "--script=pilot.txt"},
               "at 0: dialog press Done\n",
               "pilot.txt:1: no dialog is open",
               1},
        // Runs that end before what they were asked to reach.
        BadRun{{"run", "Arvex launch", "--runtime=1", "--until=liftoff"},
               "",
               "before the event \"liftoff\"",
               2},
        BadRun{{"run", "Arvex launch", "--maxframes=3", "--script=pilot.txt"},
               "after MECO: stop\n",
               "pilot.txt:1: not played (after MECO)",
               2}));

TEST(CommandLine, HelpExplainsOptionsActionsEventsAndExitStatus) {
    Scratch scratch;
    for (const char* help : {"--help", "run --help"}) {
        const ProgramResult result =
            help[0] == '-' ? scratch.run({help}) : scratch.run({"run", "--help"});
        EXPECT_EQ(result.exitCode, 0) << help;
        for (const char* topic : {"--fixedstep", "--maxframes", "--csv-rate", "--trap-fpe",
                                  "mfd button <display>", "booster separation", "Exit status"}) {
            EXPECT_NE(result.out.find(topic), std::string::npos) << help << ": " << topic;
        }
    }
}

TEST(CommandLine, NoFramesStillWritesEveryOutput) {
    Scratch scratch;
    const ProgramResult result =
        scratch.run({"run", "Arvex launch", "--maxframes=0", "--save=out/saved.scn",
                     "--state=state.json", "--csv=telemetry.csv", "--report=report"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("after 0 frame(s)"), std::string::npos) << result.out;
    const nlohmann::json state = scratch.readJson("state.json");
    EXPECT_EQ(state.at("time"), 0.0);
    EXPECT_EQ(vesselIn(state, "Arvex1").at("status"), "landed");
    EXPECT_NE(scratch.read("out/saved.scn").find("Arvex1:Arvex/Arvex-Core"), std::string::npos);
    const auto csvLines = linesWith(scratch.read("telemetry.csv"), "");
    ASSERT_EQ(csvLines.size(), 2u);  // header and the sample at the start
    for (const char* name :
         {"index.html", "telemetry.csv", "state.json", "final.scn", "plots/altitude.svg"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(scratch / ("report/" + std::string(name))))
            << name;
    }
}

// Every field a vessel's entry documents, with its shape; the scenario lines are exactly the
// vessel's block of the saved scenario.
TEST(StateDump, HoldsEveryDocumentedFieldOfEachVessel) {
    Scratch scratch;
    ASSERT_EQ(
        scratch
            .run({"run", "Arvex launch", "--maxframes=1", "--state=state.json", "--save=saved.scn"})
            .exitCode,
        0);
    const nlohmann::json state = scratch.readJson("state.json");
    EXPECT_NEAR(state.at("time").get<double>(), 0.1, 1e-9);
    const std::string saved = scratch.read("saved.scn");
    ASSERT_EQ(state.at("vessels").size(), 2u);  // the core and its satellite
    for (const auto& v : state.at("vessels")) {
        SCOPED_TRACE(v.at("name").get<std::string>());
        for (const char* field : {"name",
                                  "class",
                                  "status",
                                  "position",
                                  "velocity",
                                  "rotationMatrix",
                                  "altitude",
                                  "apoapsisAltitude",
                                  "periapsisAltitude",
                                  "inclination",
                                  "mass",
                                  "emptyMass",
                                  "propellant",
                                  "thrusters",
                                  "groups",
                                  "meshes",
                                  "touchdownPoints",
                                  "animations",
                                  "pmi",
                                  "crossSections",
                                  "scenarioLines"}) {
            EXPECT_TRUE(v.contains(field)) << field;
        }
        if (v.at("attachedTo").is_null()) {  // a payload reports its carrier's altitude
            const auto& r = v.at("position");
            EXPECT_NEAR(std::hypot(r[0].get<double>(), r[1].get<double>(), r[2].get<double>()),
                        6371010.0 + v.at("altitude").get<double>(), 1.0);
        }
        const auto& m = v.at("rotationMatrix");
        ASSERT_EQ(m.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            double norm = 0.0;
            for (int j = 0; j < 3; ++j) norm += std::pow(m[i][j].get<double>(), 2);
            EXPECT_NEAR(norm, 1.0, 1e-9);
        }
        EXPECT_EQ(v.at("touchdownPoints").size(), 3u);
        std::string block =
            v.at("name").get<std::string>() + ":" + v.at("class").get<std::string>() + "\n";
        for (const auto& line : v.at("scenarioLines")) block += line.get<std::string>() + "\n";
        EXPECT_NE(saved.find(block + "END\n"), std::string::npos) << block;
    }
    const auto& core = vesselIn(state, "Arvex1");
    EXPECT_EQ(core.at("status"), "landed");
    ASSERT_EQ(core.at("propellant").size(), 2u);
    EXPECT_EQ(core.at("propellant")[0].at("index"), 0);
    EXPECT_GT(core.at("propellant")[1].at("maxMass").get<double>(), 0.0);
    EXPECT_TRUE(core.at("groups").contains("THGROUP_MAIN"));
    for (const auto& t : core.at("thrusters")) {
        EXPECT_EQ(t.at("position").size(), 3u);
        EXPECT_GE(t.at("level").get<double>(), 0.0);
    }
    EXPECT_EQ(vesselIn(state, "Comsat 1").at("attachedTo"), "Arvex1");
}

}  // namespace
}  // namespace apptest
