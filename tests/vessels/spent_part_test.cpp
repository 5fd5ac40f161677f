// Spent parts loaded from the built module: the mesh message, the configured (timed) part with
// its kick thruster, the plain part destroyed on impact, and their scenario lines.
#include <cstring>

#include "vessel_tree.h"

namespace vesseltest {
namespace {

constexpr int kMeshMessage = 12567;

class SpentPart : public VesselTree {
  protected:
    std::string PlainClass() { return Class("PlainPart", "Arvex\\Arvex-Spent"); }

    static int Send(sim::HostVessel& part, int msgid, const char* text) {
        return part.callbacks3()->clbkGeneric(msgid, 0, const_cast<char*>(text));
    }

    // A configured part created and shown as its creator does it.
    sim::HostVessel& CreateHalf(const std::string& name, const char* mesh) {
        sim::HostVessel& half = Create(name, kFairingHalfClass, OverPole(300e3));
        Send(half, kMeshMessage, mesh);
        return half;
    }

    // A configured part read from a scenario block with the given lines.
    sim::HostVessel& LoadHalf(const std::string& lines) {
        LoadShips(ShipBlock("Half", kFairingHalfClass, OverPole(300e3), lines));
        return Find("Half");
    }
};

TEST_F(SpentPart, EachMeshMessageAddsTheNamedMeshAndTheLastNameIsKept) {
    sim::HostVessel& half = Create("Half", kFairingHalfClass, OverPole(300e3));
    char name[128] = "Arvex\\Fairings\\first";
    EXPECT_EQ(Send(half, kMeshMessage, name), 0);
    std::strcpy(name, "Arvex\\Fairings\\second");
    EXPECT_EQ(Send(half, kMeshMessage, name), 0);
    std::strcpy(name, "overwritten by the sender");  // the part copied the text during the call

    EXPECT_EQ(MeshNames(half),
              (std::vector<std::string>{"Arvex\\Fairings\\first", "Arvex\\Fairings\\second"}));
    EXPECT_TRUE(Near(half.meshes[1].offset, _V(0, 0, 0)));
    EXPECT_EQ(SavedValues("Half", "Mesh"), std::vector<std::string>{"Arvex\\Fairings\\second"});

    // Other messages, and a mesh message without a name, change nothing.
    EXPECT_EQ(Send(half, 13097, "Arvex\\Fairings\\third"), 0);
    EXPECT_EQ(Send(half, kMeshMessage, nullptr), 0);
    EXPECT_EQ(half.meshes.size(), 2u);
}

TEST_F(SpentPart, ConfiguredPartHasItsMassAndKickThrusterPlainPartOnlyItsTank) {
    sim::HostVessel& half = CreateHalf("Half", "Arvex\\Fairings\\short");
    EXPECT_DOUBLE_EQ(half.emptyMass, 250.0);
    EXPECT_DOUBLE_EQ(half.size, 10.0);
    EXPECT_TRUE(Near(half.pmi, _V(66.69, 65.46, 6.77)));
    EXPECT_TRUE(Near(half.crossSections, _V(8.65, 33.75, 2.81)));
    ASSERT_EQ(half.tanks.size(), 1u);
    EXPECT_DOUBLE_EQ(half.tanks[0]->maxMass, 1.0);
    EXPECT_DOUBLE_EQ(half.tanks[0]->mass, 1.0);
    ASSERT_EQ(half.thrusters.size(), 1u);
    const sim::ThrusterRecord& kick = *half.thrusters[0];
    EXPECT_TRUE(Near(kick.pos, _V(0, 0, 8)));
    EXPECT_TRUE(Near(kick.dir, _V(0, 1, 0)));
    EXPECT_DOUBLE_EQ(kick.max0, 5000.0);
    EXPECT_DOUBLE_EQ(kick.isp0, 5000.0);
    EXPECT_EQ(kick.tank, half.tanks[0].get());
    EXPECT_DOUBLE_EQ(kick.permanentLevel, 1.0);  // fired at creation

    sim::HostVessel& plain = Create("Plain", PlainClass(), OverPole(300e3));
    ASSERT_EQ(plain.tanks.size(), 1u);
    EXPECT_DOUBLE_EQ(plain.tanks[0]->maxMass, 1.0);
    EXPECT_TRUE(plain.thrusters.empty());
    EXPECT_DOUBLE_EQ(plain.emptyMass, 1000.0);  // the host's default
}

TEST_F(SpentPart, KickThrusterEmptiesItsTankInOneSecond) {
    sim::HostVessel& half = CreateHalf("Half", "Arvex\\Fairings\\short");
    Sim().run(0.5, kFrame);
    EXPECT_NEAR(half.tanks[0]->mass, 0.5, 1e-9);
    Sim().run(0.75, kFrame);
    EXPECT_DOUBLE_EQ(half.tanks[0]->mass, 0.0);
    EXPECT_DOUBLE_EQ(half.thrusters[0]->effectiveLevel, 0.0);
}

TEST_F(SpentPart, ConfiguredPartCountsItsLifetimeAcrossASavedScenario) {
    CreateHalf("Half", "Arvex\\Fairings\\short");
    Sim().run(45.0, kFrame);
    const std::string saved = Sim().saveScenarioText();
    EXPECT_EQ(SavedValues("Half", "Timer"), std::vector<std::string>{"45.0"});

    Restart();
    Sim().loadScenarioText(saved, "saved at 45 s");
    EXPECT_EQ(MeshNames(Find("Half")), std::vector<std::string>{"Arvex\\Fairings\\short"});
    Sim().run(15.0, kFrame);
    EXPECT_NE(Sim().findVessel("Half"), nullptr) << "deleted before its 60 s";
    Sim().step(kFrame);
    EXPECT_EQ(Sim().findVessel("Half"), nullptr) << "not deleted one step after its 60 s";
}

TEST_F(SpentPart, PlainPartAtRestOnTheGroundStays) {
    sim::HostVessel& plain = Create("Plain", PlainClass(), Landed());
    Send(plain, kMeshMessage, "Arvex\\Fairings\\short");
    Sim().run(90.0, 1.0);
    ASSERT_NE(Sim().findVessel("Plain"), nullptr);
    // A plain part keeps nothing of its own in a scenario, not even its mesh.
    EXPECT_TRUE(SavedValues("Plain", "Mesh").empty());
    EXPECT_TRUE(SavedValues("Plain", "Timer").empty());
}

TEST_F(SpentPart, PlainPartStrikingTheGroundIsDeleted) {
    Create("Plain", PlainClass(), OverPole(100.0, 50.0));
    Sim().run(1.0, 0.05);
    ASSERT_NE(Sim().findVessel("Plain"), nullptr) << "deleted before it reached the ground";
    Sim().run(3.0, 0.05);
    EXPECT_EQ(Sim().findVessel("Plain"), nullptr);
}

struct LoadCase {
    const char* lines;
    std::vector<std::string> meshes;
    const char* timer;  // as saved again
};

TEST_F(SpentPart, ScenarioLinesGiveMeshAndLifetime) {
    const LoadCase cases[] = {
        {"  Mesh Arvex\\Fairings\\short\n", {"Arvex\\Fairings\\short"}, "0.0"},
        {"  MESH Arvex\\Fairings\\short\n  Timer 12.5\n", {"Arvex\\Fairings\\short"}, "12.5"},
        {"  Mesh\n", {""}, "0.0"},
        {"  Timer 12.5\n  Timer none\n", {}, "12.5"},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.lines);
        Restart();
        EXPECT_EQ(MeshNames(LoadHalf(c.lines)), c.meshes);
        EXPECT_EQ(SavedValues("Half", "Timer"), std::vector<std::string>{c.timer});
    }
}

}  // namespace
}  // namespace vesseltest
