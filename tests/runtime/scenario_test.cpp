// Scenario files: the host's number format, reading and writing vessels, and bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "error.h"
#include "runtime_fixture.h"
#include "scenario_writer.h"

namespace runtime_test {
namespace {

TEST(ScenarioFloat, SixDecimalsTrimmedWithOneKept) {
    const std::pair<double, const char*> cases[] = {
        {1.0, "1.0"},   {0.25, "0.25"},          {1e-7, "0.0"},          {-2.5, "-2.5"},
        {-1e-9, "0.0"}, {0.1234567, "0.123457"}, {250000.0, "250000.0"}, {-15.3, "-15.3"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(sim::formatScenarioFloat(value), text) << value;
}

const char* const kHandWritten =
    "BEGIN_DESC\n"
    "Two vessels for the round trip.\n"
    "END_DESC\n"
    "\n"
    "BEGIN_ENVIRONMENT\n"
    "  System Sol\n"
    "  Date MJD 60000.2500000000\n"
    "END_ENVIRONMENT\n"
    "\n"
    "BEGIN_FOCUS\n"
    "  Ship Box\n"
    "END_FOCUS\n"
    "\n"
    "BEGIN_MFD Left\n"
    "  TYPE User\n"
    "  MODE Tessaron control\n"
    "END_MFD\n"
    "\n"
    "BEGIN_SHIPS\n"
    "P1:Tests/Probe\n"
    "  STATUS Orbiting Earth\n"
    "  RPOS 6771000.000 0.000 0.000\n"
    "  RVEL 0.0000 7672.5000 0.0000\n"
    "  AROT 10.000 -20.000 30.000\n"
    "  VROT 0.5000 0.0000 -1.2500\n"
    "  PRPLEVEL 0:0.500000\n"
    "  THLEVEL 0:0.250000   ; main engine\n"
    "  VALUE 3.5\n"
    "END\n"
    "Box:Tests/Plain\n"
    "  STATUS Landed Earth\n"
    "  POS -80.6041000 28.6084000\n"
    "  HEADING 90.00\n"
    "END\n"
    "END_SHIPS\n";

class ScenarioTest : public RuntimeTest {};

TEST_F(ScenarioTest, HandWrittenScenarioIsReadIntoTheVessels) {
    sim::Simulation& s = start();
    s.loadScenarioText(kHandWritten, "round.scn");
    ASSERT_EQ(names(s), (std::vector<std::string>{"P1", "Box"}));
    const sim::HostVessel& probe = *s.findVessel("p1");
    EXPECT_DOUBLE_EQ(probe.tanks.at(0)->mass, 50.0);
    EXPECT_DOUBLE_EQ(probe.thrusters.at(0)->permanentLevel, 0.25);
    EXPECT_DOUBLE_EQ(probe.emptyMass, 250.0);
    const sim::HostVessel& box = *s.findVessel("Box");
    EXPECT_EQ(box.emptyMass, 500.0);
    EXPECT_TRUE(box.body.landed);
    EXPECT_EQ(s.focus(), &box);
    EXPECT_NEAR(s.mjd(), 60000.25, 1e-9);
}

TEST_F(ScenarioTest, SavedScenarioReloadsToTheSameText) {
    std::string first;
    {
        sim::Simulation& s = start();
        s.loadScenarioText(kHandWritten, "round.scn");
        first = s.saveScenarioText();
        simulation_.reset();
    }
    for (const char* line :
         {"P1:Tests/Probe\n", "  STATUS Orbiting Earth\n", "  PRPLEVEL 0:0.500000\n",
          "  THLEVEL 0:0.250000\n", "  VALUE 3.5\n", "Box:Tests/Plain\n", "  STATUS Landed Earth\n",
          "  POS -80.6041000 28.6084000\n", "  HEADING 90.00\n", "BEGIN_MFD Left\n",
          "  Date MJD 60000.2500000000\n", "  Ship Box\n", "Two vessels for the round trip.\n"}) {
        EXPECT_NE(first.find(line), std::string::npos) << line << "missing from\n" << first;
    }
    sim::Simulation& again = start();
    again.loadScenarioText(first, "saved.scn");
    EXPECT_EQ(again.saveScenarioText(), first);
}

TEST_F(ScenarioTest, AttachedChildrenAreBoundOnceAllVesselsExist) {
    sim::Simulation& s = start();
    // The child comes first: its parent does not exist yet when its block is read.
    s.loadScenarioText(
        scenarioWithShips("Kid:Tests/Probe\n  ATTACHED 0:0,Mum\nEND\nMum:Tests/Probe\nEND\n"),
        "attached.scn");
    const sim::HostVessel& mum = *s.findVessel("Mum");
    const sim::HostVessel& kid = *s.findVessel("Kid");
    EXPECT_EQ(mum.childPoints.at(0)->connected, &kid);
    EXPECT_EQ(kid.attachedTo(), mum.childPoints.at(0).get());
    EXPECT_EQ(mum.iface->GetAttachmentStatus(mum.iface->GetAttachmentHandle(false, 0)), kid.handle);
    EXPECT_NE(s.saveScenarioText().find("Kid:Tests/Probe\n  STATUS"), std::string::npos);
    EXPECT_NE(s.saveScenarioText().find("  ATTACHED 0:0,Mum\n"), std::string::npos);

    EXPECT_THROW(
        s.loadScenarioText(scenarioWithShips("Orphan:Tests/Probe\n  ATTACHED 0:0,Nobody\nEND\n"),
                           "o.scn"),
        sim::Error);
    EXPECT_EQ(s.findVessel("Orphan"), nullptr);
}

TEST_F(ScenarioTest, ScenarioFileWrittenWholeOrNotAtAll) {
    sim::Simulation& s = start();
    s.loadScenarioText(kHandWritten, "round.scn");
    const fs::path target = fs::temp_directory_path() / "runtime_test_saved.scn";
    s.saveScenario(target);
    std::ifstream in(target);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), s.saveScenarioText());
    fs::remove(target);

    const fs::path nowhere =
        fs::temp_directory_path() / "no_such_folder_for_runtime_test" / "x.scn";
    EXPECT_THROW(s.saveScenario(nowhere), sim::Error);
    EXPECT_FALSE(fs::exists(nowhere));
}

struct BadScenario {
    const char* name;
    std::string text;
    std::string message;  // expected start of the error, after "bad.scn:"
};

TEST_F(ScenarioTest, BadInputGivesOneLineNamingFileAndLine) {
    const BadScenario cases[] = {
        {"class without configuration", scenarioWithShips("X:Tests/NoSuchClass\nEND\n"),
         "7: vessel \"X\": class \"Tests/NoSuchClass\" has no configuration file"},
        {"vessel without END", scenarioWithShips("X:Tests/Plain\n  STATUS Landed Earth\n"),
         "9: vessel \"X\" has no END line"},
        {"text outside blocks", "BEGIN_SHIPS\nEND_SHIPS\nhello\n", "3: unexpected line \"hello\""},
        {"unreadable RPOS",
         scenarioWithShips("X:Tests/Plain\n  STATUS Orbiting Earth\n  RPOS 1 2\nEND\n"),
         "9: vessel \"X\": unreadable RPOS line"},
        {"unknown body", scenarioWithShips("X:Tests/Plain\n  STATUS Orbiting Mars\nEND\n"),
         "8: vessel \"X\": unknown body \"Mars\""},
        {"same name twice", scenarioWithShips("X:Tests/Plain\nEND\nx:Tests/Plain\nEND\n"),
         "9: a vessel named \"x\" already exists"},
        {"no END_SHIPS", "BEGIN_SHIPS\nX:Tests/Plain\nEND\n",
         "1: block \"BEGIN_SHIPS\" has no END_SHIPS"},
        {"unreadable date", "BEGIN_ENVIRONMENT\n  Date MJD soon\nEND_ENVIRONMENT\n",
         "2: unreadable date"},
    };
    sim::Simulation& s = start();
    s.loadScenarioText(scenarioWithShips("Keep:Tests/Plain\nEND\n"), "good.scn");
    for (const BadScenario& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            s.loadScenarioText(c.text, "bad.scn");
            ADD_FAILURE() << "no error";
        } catch (const sim::Error& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("bad.scn:" + c.message, 0), 0u) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
        EXPECT_EQ(names(s), std::vector<std::string>{"Keep"});  // nothing of the bad scenario stays
    }
}

TEST_F(ScenarioTest, MissingScenarioFileIsNamed) {
    sim::Simulation& s = start();
    try {
        s.loadScenario("No such scenario.scn");
        FAIL() << "no error";
    } catch (const sim::Error& e) {
        EXPECT_NE(std::string(e.what()).find("No such scenario.scn: cannot read the scenario file"),
                  std::string::npos);
    }
}

TEST_F(ScenarioTest, ScenariosAreFoundBelowTheTree) {
    sim::Simulation& s = start();
    writeTreeFile("Scenarios/Tests/Runtime plain.scn",
                  scenarioWithShips("Crate:Tests/Plain\nEND\n"));
    s.loadScenario("Tests/Runtime plain.scn");
    EXPECT_EQ(names(s), std::vector<std::string>{"Crate"});
}

}  // namespace
}  // namespace runtime_test
